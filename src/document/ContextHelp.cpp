#include "document/ContextHelp.h"

#include "document/Documents.h"
#include "document/frmChild.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"

#include <algorithm>
#include <span>

namespace document {

namespace {

const QString kHelpOn = QStringLiteral("Help on ");

constexpr std::int32_t kIntroductionMods[] = {-1};
constexpr std::int32_t kQuake2Mods[] = {0, 1, 2, 3, 4, 5, 8, 9, 11};
constexpr std::int32_t kQuake3Mods[] = {13};
constexpr std::int32_t kOspMods[] = {14};
constexpr std::int32_t kOspServerMods[] = {15};
constexpr std::int32_t kPrefixedQuake3Mods[] = {17, 19, 20};

constexpr QStringView kOspCVarPrefixes[] = {u"cf_", u"cg_", u"ch_", u"col", u"pmo"};
constexpr QStringView kOspServerCommands[] = {u"addbot",     u"allready", u"ban",   u"filterlist",
                                              u"filterload", u"loadmaps", u"pause", u"players"};

enum class WordTest {
    Any,
    FirstThreeOneOf, // the word's first three characters are one of the words
    OneOf,
};

/** One row of the topic table; the first row that takes the mod and the word decides. */
struct TopicRule {
    std::span<const std::int32_t> modIds; // empty: every mod no earlier row names
    WordTest test;
    std::span<const QStringView> words;
    QStringView page;
    std::optional<QStringView> anchorPrefix; // nullopt: the page without an anchor
};

const TopicRule kTopicRules[] = {
    {kIntroductionMods, WordTest::Any, {}, u"Introduction.htm", std::nullopt},
    {kQuake2Mods, WordTest::Any, {}, u"Quake 2 Commands.htm", u""},
    {kQuake3Mods, WordTest::Any, {}, u"Quake 3 Commands.htm", u""},
    {kOspMods, WordTest::FirstThreeOneOf, kOspCVarPrefixes, u"Quake 3 OSP CVars.htm", u"q3osp"},
    {kOspMods, WordTest::Any, {}, u"Quake 3 OSP Commands.htm", u"q3osp"},
    {kOspServerMods, WordTest::OneOf, kOspServerCommands, u"Quake 3 OSP Server Commands.htm",
     u"q3osps"},
    {kOspServerMods, WordTest::Any, {}, u"Quake 3 OSP Server CVars.htm", u"q3osps"},
    {kPrefixedQuake3Mods, WordTest::Any, {}, u"Quake 3 Commands.htm", u"q3"},
    {{}, WordTest::Any, {}, u"Quake 3 CVars.htm", u""},
};

struct ModHelpPage {
    std::int32_t modId;
    QStringView page;
};

const ModHelpPage kModHelpPages[] = {
    {2, u"Quake 2.htm"},
    {13, u"Quake 3.htm"},
    {14, u"Quake 3 OSP.htm"},
    {15, u"Quake 3 OSP.htm"},
    {151, u"Quake 3 OSP Custom Configs.htm"},
    {152, u"Quake 3 OSP Server Client Filters.htm"},
};

bool takesMod(const TopicRule &rule, std::int32_t modId)
{
    return rule.modIds.empty() ||
           std::find(rule.modIds.begin(), rule.modIds.end(), modId) != rule.modIds.end();
}

bool takesWord(const TopicRule &rule, const QString &word)
{
    const auto isOneOf = [&rule](QStringView text) {
        return std::find(rule.words.begin(), rule.words.end(), text) != rule.words.end();
    };
    switch (rule.test) {
    case WordTest::Any: return true;
    case WordTest::FirstThreeOneOf: return isOneOf(QStringView(word).left(3));
    case WordTest::OneOf: return isOneOf(word);
    }
    return false;
}

bool holdsBlank(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.isSpace(); });
}

std::int32_t modIdOf(const frmChild *child, const Documents *documents)
{
    const int index = child->Tag();
    if (index < 1 || index > documents->slotCount())
        return -1;
    return documents->slot(index).ModId;
}

} // namespace

HelpTopic contentsTopic() { return {platform::HelpViewer::contentsPage(), QString()}; }

QString helpOnNothingCaption() { return QStringLiteral("Help on..."); }

QString helpOnCaption(const QString &selection)
{
    // A tab would split the menu text into caption and shortcut, a line break would wrap it.
    if (selection.isEmpty() || holdsBlank(selection))
        return helpOnNothingCaption();
    QString word = selection;
    word.replace(QLatin1Char('&'), QLatin1String("&&"));
    return kHelpOn + word;
}

QString helpWordOfCaption(const QString &caption)
{
    if (caption == helpOnNothingCaption())
        return QString();
    QString word = caption.mid(kHelpOn.size()).trimmed();
    word.replace(QLatin1String("&&"), QLatin1String("&"));
    return word;
}

HelpTopic wordTopic(std::int32_t modId, const QString &word)
{
    for (const TopicRule &rule : kTopicRules) {
        if (!takesMod(rule, modId) || !takesWord(rule, word))
            continue;
        if (!rule.anchorPrefix)
            return {rule.page.toString(), QString()};
        return {rule.page.toString(), rule.anchorPrefix->toString() + word};
    }
    return contentsTopic();
}

HelpTopic helpOnTopic(std::int32_t modId, const QString &caption)
{
    if (caption == helpOnNothingCaption())
        return contentsTopic();
    return wordTopic(modId, helpWordOfCaption(caption));
}

std::optional<HelpTopic> modHelpTopic(std::int32_t modId)
{
    for (const ModHelpPage &row : kModHelpPages) {
        if (row.modId == modId)
            return HelpTopic{row.page.toString(), QString()};
    }
    return std::nullopt;
}

bool ShowHelpTopic(const HelpTopic &topic)
{
    return platform::HelpViewer::showTopic(topic.page, topic.anchor);
}

void showModHelp(const frmChild &child, const Documents &documents)
{
    if (const auto topic = modHelpTopic(modIdOf(&child, &documents)))
        ShowHelpTopic(*topic);
    else
        platform::messageBox(QStringLiteral("Not yet implemented."));
}

void showHelpOn(const frmChild &child, const Documents &documents, const QString &caption)
{
    ShowHelpTopic(helpOnTopic(modIdOf(&child, &documents), caption));
}

} // namespace document
