// Which help page and anchor the Help menu opens: the caption of the help-on item, the page
// and anchor of a word in each kind of document, and the mods' own pages.
#include "document/ContextHelp.h"
#include "platform/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QtTest>

using namespace document;

class TestHelpTopics : public QObject {
    Q_OBJECT
private slots:
    void captionOfTheSelection_data();
    void captionOfTheSelection();
    void captionGivesBackTheWord_data();
    void captionGivesBackTheWord();
    void helpOnNothingOpensTheContents();
    void wordTopic_data();
    void wordTopic();
    void examplesThroughTheCaption();
    void modHelpPages_data();
    void modHelpPages();
    void everyNamedPageShipsInTheHelpFolder();
};

void TestHelpTopics::captionOfTheSelection_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("caption");

    QTest::newRow("one word") << "bind" << "Help on bind";
    QTest::newRow("empty") << "" << "Help on...";
    QTest::newRow("two words") << "bind mouse1" << "Help on...";
    QTest::newRow("leading blank") << " bind" << "Help on...";
    QTest::newRow("trailing blank") << "bind " << "Help on...";
    QTest::newRow("tab") << "bind\tx" << "Help on...";
    QTest::newRow("two lines") << "bind\r\nset" << "Help on...";
    QTest::newRow("signs stay") << "+attack" << "Help on +attack";
    QTest::newRow("letter case stays") << "CG_FOV" << "Help on CG_FOV";
    QTest::newRow("ampersand is no access key") << "a&b" << "Help on a&&b";
}

void TestHelpTopics::captionOfTheSelection()
{
    QFETCH(QString, selection);
    QFETCH(QString, caption);
    QCOMPARE(helpOnCaption(selection), caption);
}

void TestHelpTopics::captionGivesBackTheWord_data()
{
    QTest::addColumn<QString>("word");
    for (const char *word : {"bind", "+attack", "%a", "`", "&", "a&&b", "...", "q3osp"})
        QTest::newRow(word) << QString::fromLatin1(word);
}

void TestHelpTopics::captionGivesBackTheWord()
{
    QFETCH(QString, word);
    QCOMPARE(helpWordOfCaption(helpOnCaption(word)), word);
}

void TestHelpTopics::helpOnNothingOpensTheContents()
{
    for (int modId : {-1, 0, 2, 13, 14, 15, 151, 153, 999}) {
        const HelpTopic topic = helpOnTopic(modId, helpOnCaption(QString()));
        QCOMPARE(topic.text(), QStringLiteral("Introduction.htm"));
    }
    QCOMPARE(contentsTopic().text(), QStringLiteral("Introduction.htm"));
}

void TestHelpTopics::wordTopic_data()
{
    QTest::addColumn<int>("modId");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("topic");

    QTest::newRow("blank config without a game") << -1 << "bind" << "Introduction.htm";
    for (int modId : {0, 1, 2, 3, 4, 5, 8, 9, 11})
        QTest::addRow("Quake 2 mod %d", modId) << modId << "bind" << "Quake 2 Commands.htm#bind";
    QTest::newRow("Quake 3 free for all") << 13 << "cg_fov" << "Quake 3 Commands.htm#cg_fov";

    QTest::newRow("OSP cg_") << 14 << "cg_fov" << "Quake 3 OSP CVars.htm#q3ospcg_fov";
    QTest::newRow("OSP cf_") << 14 << "cf_wstats" << "Quake 3 OSP CVars.htm#q3ospcf_wstats";
    QTest::newRow("OSP ch_") << 14 << "ch_3waveFont" << "Quake 3 OSP CVars.htm#q3ospch_3waveFont";
    QTest::newRow("OSP col") << 14 << "color1" << "Quake 3 OSP CVars.htm#q3ospcolor1";
    QTest::newRow("OSP pmo") << 14 << "pmove_fixed" << "Quake 3 OSP CVars.htm#q3osppmove_fixed";
    QTest::newRow("OSP upper case") << 14 << "CG_FOV" << "Quake 3 OSP Commands.htm#q3ospCG_FOV";
    QTest::newRow("OSP shorter than a prefix") << 14 << "cg" << "Quake 3 OSP Commands.htm#q3ospcg";
    QTest::newRow("OSP prefix later in the word") << 14 << "xcg_fov"
                                                   << "Quake 3 OSP Commands.htm#q3ospxcg_fov";
    QTest::newRow("OSP command") << 14 << "+wstats" << "Quake 3 OSP Commands.htm#q3osp+wstats";

    for (const char *command :
         {"addbot", "allready", "ban", "filterlist", "filterload", "loadmaps", "pause", "players"})
        QTest::addRow("OSP server %s", command)
            << 15 << QString::fromLatin1(command)
            << QStringLiteral("Quake 3 OSP Server Commands.htm#q3osps") + QLatin1String(command);
    QTest::newRow("OSP server Ban") << 15 << "Ban" << "Quake 3 OSP Server CVars.htm#q3ospsBan";
    QTest::newRow("OSP server bans") << 15 << "bans" << "Quake 3 OSP Server CVars.htm#q3ospsbans";
    QTest::newRow("OSP server cvar") << 15 << "g_gametype"
                                     << "Quake 3 OSP Server CVars.htm#q3ospsg_gametype";

    for (int modId : {17, 19, 20})
        QTest::addRow("Quake 3 mod %d", modId) << modId << "bind" << "Quake 3 Commands.htm#q3bind";
    for (int modId : {6, 7, 10, 12, 16, 18, 151, 152, 153, 154, 1000, -2, -100})
        QTest::addRow("other mod %d", modId) << modId << "cg_fov" << "Quake 3 CVars.htm#cg_fov";
}

void TestHelpTopics::wordTopic()
{
    QFETCH(int, modId);
    QFETCH(QString, word);
    QFETCH(QString, topic);
    QCOMPARE(document::wordTopic(modId, word).text(), topic);
}

void TestHelpTopics::examplesThroughTheCaption()
{
    QCOMPARE(helpOnTopic(2, helpOnCaption(QStringLiteral("bind"))),
             (HelpTopic{QStringLiteral("Quake 2 Commands.htm"), QStringLiteral("bind")}));
    QCOMPARE(helpOnTopic(14, helpOnCaption(QStringLiteral("cg_fov"))),
             (HelpTopic{QStringLiteral("Quake 3 OSP CVars.htm"), QStringLiteral("q3ospcg_fov")}));
    QCOMPARE(helpOnTopic(15, helpOnCaption(QStringLiteral("ban"))),
             (HelpTopic{QStringLiteral("Quake 3 OSP Server Commands.htm"), QStringLiteral("q3ospsban")}));
    QCOMPARE(helpOnTopic(0, helpOnCaption(QStringLiteral("a&b"))).anchor, QStringLiteral("a&b"));
    QCOMPARE(helpOnTopic(0, QStringLiteral("Help on   bind  ")).anchor, QStringLiteral("bind"));
}

void TestHelpTopics::modHelpPages_data()
{
    QTest::addColumn<int>("modId");
    QTest::addColumn<QString>("page"); // empty: none yet

    QTest::newRow("Quake 2 free for all") << 2 << "Quake 2.htm";
    QTest::newRow("Quake 3 free for all") << 13 << "Quake 3.htm";
    QTest::newRow("OSP") << 14 << "Quake 3 OSP.htm";
    QTest::newRow("OSP server") << 15 << "Quake 3 OSP.htm";
    QTest::newRow("OSP custom mod") << 151 << "Quake 3 OSP Custom Configs.htm";
    QTest::newRow("OSP player filter") << 152 << "Quake 3 OSP Server Client Filters.htm";
    for (int modId : {-1, 0, 1, 3, 4, 5, 8, 9, 11, 17, 19, 20, 153})
        QTest::addRow("no page for %d", modId) << modId << QString();
}

void TestHelpTopics::modHelpPages()
{
    QFETCH(int, modId);
    QFETCH(QString, page);
    const std::optional<HelpTopic> topic = modHelpTopic(modId);
    QCOMPARE(topic.has_value(), !page.isEmpty());
    if (topic)
        QCOMPARE(topic->text(), page);
}

void TestHelpTopics::everyNamedPageShipsInTheHelpFolder()
{
    QSet<QString> pages{contentsTopic().page};
    for (int modId = -3; modId <= 160; ++modId) {
        if (const auto topic = modHelpTopic(modId))
            pages << topic->page;
        for (const char *word : {"bind", "cg_fov", "ban", "CG_FOV", "x"})
            pages << document::wordTopic(modId, QLatin1String(word)).page;
    }
    QCOMPARE(pages.size(), 13);
    for (const QString &page : std::as_const(pages)) {
        const QFileInfo file(QDir(platform::helpFolder()).filePath(page));
        QVERIFY2(file.isFile(), qPrintable(file.filePath()));
        QVERIFY(!file.fileName().contains(QLatin1Char('#')));
    }
}

QTEST_MAIN(TestHelpTopics)
#include "tst_helptopics.moc"
