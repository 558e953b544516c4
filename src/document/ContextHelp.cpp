#include "document/ContextHelp.h"

#include "document/Documents.h"
#include "document/HelpTopics.h"
#include "document/frmChild.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"

#include <algorithm>

namespace document {

namespace {

const QString kHelpOn = QStringLiteral("Help on ");

bool holdsBlank(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.isSpace(); });
}

std::int32_t modIdOf(const frmChild *child, const Documents *documents)
{
    const DocumentSlot *slot = documents->slotOf(child);
    return slot ? slot->ModId : -1;
}

} // namespace

HelpTopic contentsTopic()
{
    return {platform::HelpViewer::contentsPage(), QString()};
}

QString helpOnNothingCaption()
{
    return QStringLiteral("Help on...");
}

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
    for (const TopicRule &rule : helpTopicTable().helpOn) {
        if (!takesMod(rule, modId) || !takesWord(rule, word))
            continue;
        if (!rule.anchorPrefix)
            return {rule.page, QString()};
        return {rule.page, *rule.anchorPrefix + word};
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
    for (const TopicRule &row : helpTopicTable().modHelp) {
        if (takesMod(row, modId))
            return HelpTopic{row.page, QString()};
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
