#include "document/HelpTopics.h"

#include <QFile>

#include <variant>

// Outside the namespace, as Q_INIT_RESOURCE requires.
static void initDocumentResources()
{
    Q_INIT_RESOURCE(document);
}

namespace document {

namespace {

const QString kTopicsFile = QStringLiteral(":/document/topics.tsv");
const QString kWordMark = QStringLiteral("{word}");
const QStringList kTopicsHeader = {QStringLiteral("item"), QStringLiteral("mods"),
                                   QStringLiteral("test"), QStringLiteral("words"),
                                   QStringLiteral("page"), QStringLiteral("anchor")};

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

} // namespace

TopicTable parseTopicTable(const QString &text, const QString &fileName, QStringList *problems)
{
    TopicTable table;
    const QStringList lines = text.split(u'\n');
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
            problems->append(QStringLiteral("%1:%2: %3").arg(fileName).arg(number).arg(*reason));
            continue;
        }
        (fields[0] == u"helpon" ? table.helpOn : table.modHelp).push_back(std::get<TopicRule>(row));
    }
    return table;
}

const TopicTable &helpTopicTable()
{
    static const TopicTable table = [] {
        initDocumentResources();
        QFile file(kTopicsFile);
        QStringList problems;
        if (!file.open(QIODevice::ReadOnly))
            problems << kTopicsFile + QStringLiteral(": cannot be read");
        const TopicTable read =
            parseTopicTable(QString::fromUtf8(file.readAll()), kTopicsFile, &problems);
        for (const QString &problem : problems)
            qWarning("%s", qPrintable(problem));
        return read;
    }();
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

} // namespace document
