#include "HoverHelp.h"

#include "analysis/CommandSplitter.h"
#include "lists/NameInfo.h"

#include <QStringList>
#include <optional>

namespace document {

namespace {

bool isWordCharacter(QChar c)
{
    return !c.isSpace() && c != u'"' && c != u';';
}

bool isSetCommand(QStringView word)
{
    for (const char *set : {"set", "seta", "setu", "sets"})
        if (word.compare(QLatin1String(set), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int lineOf(const QString &text, int offset)
{
    return int(QStringView(text).left(offset).count(u'\n')) + 1;
}

/** The words of @p words from @p first on, joined by blanks. */
QString joined(const analysis::Words &words, qsizetype first)
{
    QStringList texts;
    for (qsizetype word = first; word < words.size(); ++word)
        texts << words.at(word).text.toString();
    return texts.join(u' ');
}

bool sameName(const analysis::Word &word, const QString &name)
{
    return word.text.compare(name, Qt::CaseInsensitive) == 0;
}

/** What the last command of @p text that @p valueOf gives a value for gives, and its line. */
template <typename ValueOf>
ValueInText lastValue(const QString &text, const analysis::EngineProfile &profile, ValueOf valueOf)
{
    ValueInText found;
    const QString read = text.left(analysis::readableLength(text));
    const analysis::SplitText split = analysis::splitCommands(read, profile);
    for (const analysis::Command &command : split.commands) {
        if (command.dropped || command.words.size() < 2)
            continue;
        if (const std::optional<QString> value = valueOf(command.words))
            found = {*value, lineOf(read, command.begin)};
    }
    return found;
}

} // namespace

TextSpan wordAt(const QString &text, int position)
{
    if (position < 0 || position > text.size())
        return {};
    int begin = position;
    while (begin > 0 && isWordCharacter(text[begin - 1]))
        --begin;
    int end = position;
    while (end < text.size() && isWordCharacter(text[end]))
        ++end;
    return {begin, end};
}

ValueInText valueSetIn(const QString &text, const QString &name,
                       const analysis::EngineProfile &profile, bool bareNameSets)
{
    using analysis::Words;
    return lastValue(text, profile, [&](const Words &words) -> std::optional<QString> {
        if (isSetCommand(words.at(0).text)) {
            if (words.size() < 3 || !sameName(words.at(1), name))
                return std::nullopt;
            const bool plainSet = words.at(0).text.compare(u"set", Qt::CaseInsensitive) == 0;
            // An engine with `set` flags takes a fourth word as the flag, more as a mistake.
            if (plainSet && *profile.setFlags)
                return words.size() <= 4 ? std::optional(words.at(2).text.toString()) : std::nullopt;
            if (!plainSet && profile.setAExactArity && words.size() != 3)
                return std::nullopt;
            return joined(words, 2);
        }
        if (!bareNameSets || !sameName(words.at(0), name))
            return std::nullopt;
        return profile.bareCvarUsesFirstWord ? words.at(1).text.toString() : joined(words, 1);
    });
}

ValueInText bindingIn(const QString &text, const QString &key,
                      const analysis::EngineProfile &profile)
{
    using analysis::Words;
    return lastValue(text, profile, [&](const Words &words) -> std::optional<QString> {
        if (words.size() < 3 || words.at(0).text.compare(u"bind", Qt::CaseInsensitive) != 0 ||
            !sameName(words.at(1), key))
            return std::nullopt;
        return joined(words, 2);
    });
}

QString hoverText(const lists::NameInfo &info, const ValueInText &set, const ValueInText &bound)
{
    QStringList lines{info.name};
    if (!info.description.isEmpty())
        lines << info.description;
    if (!info.defaultValue.isEmpty())
        lines << QStringLiteral("Default: %1").arg(info.defaultValue);
    if (!info.flags.isEmpty()) {
        QStringList captions;
        for (const QString &flag : info.flags)
            captions << lists::flagCaption(flag);
        lines << QStringLiteral("Flags: %1").arg(captions.join(QStringLiteral(", ")));
    }
    if (set.line > 0)
        lines << QStringLiteral("This file sets it to %1 (line %2)")
                     .arg(set.value.isEmpty() ? QStringLiteral("\"\"") : set.value)
                     .arg(set.line);
    if (bound.line > 0)
        lines << QStringLiteral("This file binds it to %1 (line %2)")
                     .arg(bound.value)
                     .arg(bound.line);
    return lines.join(u'\n');
}

} // namespace document
