#include "HoverHelp.h"

#include "analysis/CommandSplitter.h"
#include "lists/NameInfo.h"

#include <QStringList>

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

/**
 * The last command of @p text whose words, from @p first on, begin with @p name after a
 * command word that @p commandWord accepts; its words from @p first + 1 on, joined by blanks.
 */
template <typename Accept>
ValueInText lastValue(const QString &text, const QString &name,
                      const analysis::EngineProfile &profile, Accept accept)
{
    ValueInText found;
    const int readable = analysis::readableLength(text);
    const QString read = text.left(readable);
    for (const analysis::Command &command : analysis::splitCommands(read, profile)) {
        if (command.dropped)
            continue;
        const int first = accept(command.words);
        if (first < 0 || command.words.size() < first + 2 ||
            command.words[first].text.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        QStringList rest;
        for (qsizetype word = first + 1; word < command.words.size(); ++word)
            rest << command.words[word].text.toString();
        found = {rest.join(u' '), lineOf(read, command.begin)};
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
    return lastValue(text, name, profile, [bareNameSets](const QList<analysis::Word> &words) {
        if (isSetCommand(words.first().text))
            return 1;
        return bareNameSets ? 0 : -1;
    });
}

ValueInText bindingIn(const QString &text, const QString &key,
                      const analysis::EngineProfile &profile)
{
    return lastValue(text, key, profile, [](const QList<analysis::Word> &words) {
        return words.first().text.compare(QLatin1String("bind"), Qt::CaseInsensitive) == 0 ? 1 : -1;
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
