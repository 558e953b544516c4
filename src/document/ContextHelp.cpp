#include "document/ContextHelp.h"

#include "document/Documents.h"
#include "document/frmChild.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QFile>
#include <QMenu>

#include <algorithm>
#include <variant>
#include <vector>

// Outside the namespace, as Q_INIT_RESOURCE requires.
static void initDocumentResources()
{
    Q_INIT_RESOURCE(document);
}

namespace document {

namespace {

const QString kHelpOn = QStringLiteral("Help on ");

const QString kTopicsFile = QStringLiteral(":/document/topics.tsv");
const QString kWordMark = QStringLiteral("{word}");
const QStringList kTopicsHeader = {QStringLiteral("item"), QStringLiteral("mods"),
                                   QStringLiteral("test"), QStringLiteral("words"),
                                   QStringLiteral("page"), QStringLiteral("anchor")};

enum class WordTest {
    Any,
    FirstThreeOneOf, // the word's first three characters are one of the words
    OneOf,
};

/** One row of the topic table; the first row that takes the mod and the word decides. */
struct TopicRule {
    QList<std::int32_t> modIds; // empty: every mod
    WordTest test = WordTest::Any;
    QStringList words;
    QString page;
    std::optional<QString> anchorPrefix; // nullopt: the page without an anchor
};

/** The rows of topics.tsv: "Help on <word>" rules and the pages of the mod help item. */
struct TopicTable {
    std::vector<TopicRule> helpOn;
    std::vector<TopicRule> modHelp;
};

std::optional<WordTest> wordTestNamed(const QString &name)
{
    if (name == u"any")
        return WordTest::Any;
    if (name == u"oneof")
        return WordTest::OneOf;
    if (name == u"first3oneof")
        return WordTest::FirstThreeOneOf;
    return std::nullopt;
}

/** The rule of one row's fields, or why the row is malformed. */
std::variant<TopicRule, QString> ruleOfFields(const QStringList &fields)
{
    if (fields.size() != kTopicsHeader.size())
        return QStringLiteral("expected %1 TAB-separated fields").arg(kTopicsHeader.size());
    if (fields[0] != u"helpon" && fields[0] != u"modhelp")
        return QStringLiteral("item must be helpon or modhelp");
    TopicRule rule;
    if (fields[1] != u"*") {
        for (const QString &mod : fields[1].split(u' ', Qt::SkipEmptyParts)) {
            bool isNumber = false;
            rule.modIds.append(mod.toInt(&isNumber));
            if (!isNumber)
                return QStringLiteral("mods must be mod numbers or *");
        }
        if (rule.modIds.isEmpty())
            return QStringLiteral("mods must be mod numbers or *");
    }
    const auto test = wordTestNamed(fields[2]);
    rule.words = fields[3].split(u' ', Qt::SkipEmptyParts);
    if (!test || (*test == WordTest::Any) != rule.words.isEmpty())
        return QStringLiteral(
            "test must be any (without words), oneof or first3oneof (with words)");
    rule.test = *test;
    rule.page = fields[4];
    if (!rule.page.endsWith(u".htm"))
        return QStringLiteral("page '%1' is not an .htm page").arg(rule.page);
    const QString &anchor = fields[5];
    if (!anchor.isEmpty()) {
        if (!anchor.endsWith(kWordMark) || anchor.count(kWordMark) != 1)
            return QStringLiteral("anchor must be empty or end with {word}");
        rule.anchorPrefix = anchor.chopped(kWordMark.size());
    }
    if (fields[0] == u"modhelp" && (rule.test != WordTest::Any || rule.anchorPrefix))
        return QStringLiteral("a modhelp row has test any and no anchor");
    return rule;
}

/** Reads topics.tsv; a malformed row is reported once as file:line and left out. */
TopicTable readTopicTable()
{
    initDocumentResources();
    TopicTable table;
    QFile file(kTopicsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("%s: cannot be read", qPrintable(kTopicsFile));
        return table;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    bool headerSeen = false;
    for (qsizetype number = 1; number <= lines.size(); ++number) {
        const QString &line = lines[number - 1];
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        std::variant<TopicRule, QString> row = ruleOfFields(fields);
        if (!headerSeen) {
            headerSeen = true;
            if (fields == kTopicsHeader)
                continue;
            row = QStringLiteral("expected the header ") +
                  kTopicsHeader.join(QStringLiteral("<TAB>"));
        }
        if (const auto *reason = std::get_if<QString>(&row)) {
            qWarning("%s:%lld: %s", qPrintable(kTopicsFile), qint64(number), qPrintable(*reason));
            continue;
        }
        (fields[0] == u"helpon" ? table.helpOn : table.modHelp).push_back(std::get<TopicRule>(row));
    }
    return table;
}

const TopicTable &topicTable()
{
    static const TopicTable table = readTopicTable();
    return table;
}

bool takesMod(const TopicRule &rule, std::int32_t modId)
{
    return rule.modIds.isEmpty() || rule.modIds.contains(modId);
}

bool takesWord(const TopicRule &rule, const QString &word)
{
    switch (rule.test) {
    case WordTest::Any: return true;
    case WordTest::FirstThreeOneOf: return rule.words.contains(QStringView(word).left(3));
    case WordTest::OneOf: return rule.words.contains(word);
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
    for (const TopicRule &rule : topicTable().helpOn) {
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
    for (const TopicRule &row : topicTable().modHelp) {
        if (takesMod(row, modId))
            return HelpTopic{row.page, QString()};
    }
    return std::nullopt;
}

bool ShowHelpTopic(const HelpTopic &topic)
{
    return platform::HelpViewer::showTopic(topic.page, topic.anchor);
}

void installHelpCommands(frmChild *child, Documents *documents)
{
    QAction *specific = child->menuItem(QStringLiteral("mnuHelpSpecific"));

    QObject::connect(child->menuItem(QStringLiteral("mnuHelpContents")), &QAction::triggered, child,
                     [] { ShowHelpTopic(contentsTopic()); });
    QObject::connect(child->menuItem(QStringLiteral("mnuHelpMod")), &QAction::triggered, child,
                     [child, documents] {
                         if (const auto topic = modHelpTopic(modIdOf(child, documents)))
                             ShowHelpTopic(*topic);
                         else
                             platform::messageBox(QStringLiteral("Not yet implemented."));
                     });
    QObject::connect(specific, &QAction::triggered, child, [child, documents, specific] {
        ShowHelpTopic(helpOnTopic(modIdOf(child, documents), specific->text()));
    });
    for (QMenu *menu :
         {child->menuItem(QStringLiteral("mnuChildHelp"))->menu(), child->editorMenu()})
        QObject::connect(menu, &QMenu::aboutToShow, child, [child, specific] {
            specific->setText(helpOnCaption(child->editor()->SelText()));
        });
}

} // namespace document
