// The help-topic rules file: a malformed row is told with its line and left out, the rest kept.
#include "document/HelpTopics.h"

#include <QtTest>

class TestHelpTopics : public QObject {
    Q_OBJECT
private slots:
    void malformedRowIsToldAndLeftOut_data();
    void malformedRowIsToldAndLeftOut();
};

void TestHelpTopics::malformedRowIsToldAndLeftOut_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("problem"); // of the row, line 3; empty: the row is taken
    QTest::newRow("taken") << "helpon\t14 15\toneof\tban\tS.htm\tq{word}" << "";
    QTest::newRow("fields") << "helpon\t14\tany\t\tS.htm" << "expected 6 TAB-separated fields";
    QTest::newRow("item") << "help\t14\tany\t\tS.htm\t" << "item must be helpon or modhelp";
    QTest::newRow("mods") << "helpon\tx\tany\t\tS.htm\t" << "mods must be mod numbers or *";
    QTest::newRow("anchor") << "helpon\t*\tany\t\tS.htm\t{word}x" << "anchor must be empty or end with {word}";
    QTest::newRow("modhelp") << "modhelp\t2\tany\t\tS.htm\tq{word}" << "a modhelp row has test any and no anchor";
}

void TestHelpTopics::malformedRowIsToldAndLeftOut()
{
    QFETCH(QString, row);
    QFETCH(QString, problem);
    QStringList told;
    const QString text = "#\nitem\tmods\ttest\twords\tpage\tanchor\n" + row + "\nmodhelp\t*\tany\t\tM.htm\t";
    const auto table = document::parseTopicTable(text, "t", &told);
    QCOMPARE(told, problem.isEmpty() ? QStringList() : QStringList{"t:3: " + problem});
    QCOMPARE(table.helpOn.size() + table.modHelp.size(), problem.isEmpty() ? 2u : 1u);
}

QTEST_GUILESS_MAIN(TestHelpTopics)
#include "tst_helptopics.moc"
