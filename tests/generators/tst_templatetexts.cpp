#include "generators/TemplateTexts.h"

#include <QtTest>

using namespace generators;

Q_DECLARE_METATYPE(generators::DataFileTemplate)
Q_DECLARE_METATYPE(generators::GeneratedTemplate::Error)

class TestTemplateTexts : public QObject {
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void exactLines_data();
    void exactLines();
    void names();
    void generate_data();
    void generate();
    void serverTemplateIsTheGeneratorsText();
};

void TestTemplateTexts::sizes_data()
{
    QTest::addColumn<DataFileTemplate>("which");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("charCount");
    QTest::addColumn<QList<int>>("emptyLines"); // 0-based

    QTest::newRow("map list") << DataFileTemplate::MapList << 17 << 667 << QList<int>{14};
    QTest::newRow("custom mod") << DataFileTemplate::CustomMod << 16 << 436
                                << QList<int>{7, 10, 11};
    QTest::newRow("player filter") << DataFileTemplate::PlayerFilter << 14 << 458
                                   << QList<int>{7};
}

void TestTemplateTexts::sizes()
{
    QFETCH(DataFileTemplate, which);
    QFETCH(int, lineCount);
    QFETCH(int, charCount);
    QFETCH(QList<int>, emptyLines);

    const QStringList lines = dataFileTemplateLines(which);
    QCOMPARE(lines.size(), lineCount);
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(lines.at(i).isEmpty(), emptyLines.contains(i));

    const QString text = dataFileTemplateText(which);
    QCOMPARE(text.size(), charCount);
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    QCOMPARE(text.count(QStringLiteral("\r\n")), lineCount);
    QCOMPARE(text.count(QLatin1Char('\n')), lineCount);
    QVERIFY(!text.contains(QLatin1Char('\t')));
    QCOMPARE(lines.first(), QStringLiteral("#"));
}

void TestTemplateTexts::exactLines_data()
{
    QTest::addColumn<DataFileTemplate>("which");
    QTest::addColumn<int>("index"); // 0-based
    QTest::addColumn<QString>("line");

    using W = DataFileTemplate;
    QTest::newRow("map list title") << W::MapList << 1 << "# Map List Template";
    QTest::newRow("map list format")
        << W::MapList << 3
        << "# <mapname> <min_players> <max_players> <fraglimit> <capturelimit> <timelimit> "
           "<roundlimit>";
    QTest::newRow("map list examples keep their blank") << W::MapList << 13 << "# Examples: ";
    QTest::newRow("map list two blanks") << W::MapList << 15 << "q3dm1  00 06 20 0 20 -1";
    QTest::newRow("map list last") << W::MapList << 16 << "configmap q3dm1 00 06 mapq3dm1.cfg";
    QTest::newRow("custom mod title") << W::CustomMod << 1 << "# Custom Mod Template";
    QTest::newRow("custom mod example")
        << W::CustomMod << 9 << "HasteAndPlasma  altmodes/HasteAndPlasma.cfg";
    QTest::newRow("custom mod usage") << W::CustomMod << 12 << "# Usage of this file: ";
    QTest::newRow("custom mod last")
        << W::CustomMod << 15
        << "# mode_start 6 or mode_start 7  to load this file on server startup.";
    QTest::newRow("player filter format")
        << W::PlayerFilter << 3
        << "# <ban_command> [TAB] <player_name> [TAB] <address_prefix> [TAB] <password>";
    QTest::newRow("player filter tab note")
        << W::PlayerFilter << 4
        << "# [TAB] refers to the tab character and must be inserted between each command.";
    QTest::newRow("player filter first ban")
        << W::PlayerFilter << 8 << "banplayer   PlayerName  none    none";
    QTest::newRow("player filter tag")
        << W::PlayerFilter << 10 << "bantag  [clan123]   none    team456_word";
    QTest::newRow("player filter last")
        << W::PlayerFilter << 13 << "banpass none    172.16. ourkey";
}

void TestTemplateTexts::exactLines()
{
    QFETCH(DataFileTemplate, which);
    QFETCH(int, index);
    QFETCH(QString, line);

    QCOMPARE(dataFileTemplateLines(which).at(index), line);
}

void TestTemplateTexts::names()
{
    QCOMPARE(templateNames(),
             QStringList({"server", "maplist", "custommod", "playerfilter"}));
    QCOMPARE(ospServerTypeNames(),
             QStringList({"1v1", "ClanArena", "CTF", "Free for All", "Instagib", "Team"}));
}

void TestTemplateTexts::generate_data()
{
    using E = GeneratedTemplate::Error;
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::addColumn<E>("error");
    QTest::addColumn<QString>("expected");       // the text, on success
    QTest::addColumn<QStringList>("mentions"); // in the message, on failure

    const QString types = QStringLiteral("1v1, ClanArena, CTF, \"Free for All\", Instagib, Team");
    const QString templates = QStringLiteral("server, maplist, custommod, playerfilter");

    QTest::newRow("server CTF") << "server" << "CTF" << E::None
                                << ospServerConfigText(OspServerType::Ctf) << QStringList();
    QTest::newRow("type ignores case") << "server" << "free for all" << E::None
                                       << ospServerConfigText(OspServerType::FreeForAll)
                                       << QStringList();
    QTest::newRow("name ignores case") << "SERVER" << "clanarena" << E::None
                                       << ospServerConfigText(OspServerType::ClanArena)
                                       << QStringList();
    QTest::newRow("1v1") << "server" << "1V1" << E::None
                         << ospServerConfigText(OspServerType::OneVsOne) << QStringList();
    QTest::newRow("blanks around the type") << "server" << " Team " << E::None
                                            << ospServerConfigText(OspServerType::Team)
                                            << QStringList();
    QTest::newRow("maplist") << "maplist" << "" << E::None
                             << dataFileTemplateText(DataFileTemplate::MapList) << QStringList();
    QTest::newRow("CustomMod") << "CustomMod" << "" << E::None
                               << dataFileTemplateText(DataFileTemplate::CustomMod)
                               << QStringList();
    QTest::newRow("playerfilter") << "playerfilter" << "" << E::None
                                  << dataFileTemplateText(DataFileTemplate::PlayerFilter)
                                  << QStringList();

    QTest::newRow("server without type") << "server" << "" << E::MissingType << QString()
                                         << QStringList{types};
    QTest::newRow("server with blank type") << "server" << "  " << E::MissingType << QString()
                                            << QStringList{types};
    QTest::newRow("unknown type") << "server" << "ffa" << E::UnknownType << QString()
                                  << QStringList{"\"ffa\"", types};
    QTest::newRow("unknown template") << "mapllist" << "" << E::UnknownTemplate << QString()
                                      << QStringList{"\"mapllist\"", templates};
    QTest::newRow("empty name") << "" << "" << E::UnknownTemplate << QString()
                                << QStringList{templates};
    QTest::newRow("a type name is no template") << "CTF" << "" << E::UnknownTemplate
                                                << QString() << QStringList{templates};
    QTest::newRow("data file with a type") << "maplist" << "CTF" << E::UnexpectedType
                                           << QString() << QStringList{"maplist", "\"CTF\""};
}

void TestTemplateTexts::generate()
{
    using E = GeneratedTemplate::Error;
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(E, error);
    QFETCH(QString, expected);
    QFETCH(QStringList, mentions);

    const GeneratedTemplate result = generateTemplate(name, type);
    QCOMPARE(result.error, error);
    QCOMPARE(result.ok(), error == E::None);
    QCOMPARE(result.text, expected);
    QCOMPARE(result.message.isEmpty(), result.ok());
    for (const QString &mention : mentions)
        QVERIFY2(result.message.contains(mention), qPrintable(result.message));
}

void TestTemplateTexts::serverTemplateIsTheGeneratorsText()
{
    const GeneratedTemplate result = generateTemplate(QStringLiteral("server"),
                                                      QStringLiteral("Instagib"));
    QVERIFY(result.ok());
    QCOMPARE(result.text.size(), 2533);
    QVERIFY(result.text.endsWith(QStringLiteral("map q3dm17\r\n")));

    for (const QString &typeName : ospServerTypeNames()) {
        const std::optional<OspServerType> type = ospServerTypeFromName(typeName);
        QVERIFY(type);
        QCOMPARE(QLatin1String(ospServerTypeRow(*type).caption), typeName);
    }
    QVERIFY(!ospServerTypeFromName(QStringLiteral("FreeForAll")));
}

QTEST_APPLESS_MAIN(TestTemplateTexts)
#include "tst_templatetexts.moc"
