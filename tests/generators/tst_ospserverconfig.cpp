#include "generators/OspServerConfig.h"

#include <QtTest>

using namespace generators;

Q_DECLARE_METATYPE(generators::OspServerType)

namespace {

QList<OspLine> lines(OspServerType type) { return ospServerConfigLines(type); }

int countLinesStartingWith(const QList<OspLine> &lines, const QString &prefix)
{
    int count = 0;
    for (const OspLine &line : lines) {
        if (line.text.startsWith(prefix))
            ++count;
    }
    return count;
}

const OspLine *findLine(const QList<OspLine> &lines, const QString &prefix)
{
    for (const OspLine &line : lines) {
        if (line.text.startsWith(prefix))
            return &line;
    }
    return nullptr;
}

QString padded(const char *head, int pad, const char *comment)
{
    return QLatin1String(head) + QString(pad, QLatin1Char(' ')) + QLatin1String(comment);
}

} // namespace

class TestOspServerConfig : public QObject {
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void textIsTheLinesWithCrLf_data();
    void textIsTheLinesWithCrLf();
    void header();
    void lineKinds_data();
    void lineKinds();
    void blockOrder_data();
    void blockOrder();
    void exactLines_data();
    void exactLines();
    void lineCounts_data();
    void lineCounts();
    void oneVsOneRunsGameIntoArms();
    void highlightBack_data();
    void highlightBack();
    void typeTable();
};

void TestOspServerConfig::sizes_data()
{
    QTest::addColumn<OspServerType>("type");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("charCount");
    QTest::addColumn<int>("highlighted");
    QTest::addColumn<int>("emptyLines");

    QTest::newRow("1v1") << OspServerType::OneVsOne << 98 << 2935 << 77 << 10;
    QTest::newRow("ClanArena") << OspServerType::ClanArena << 112 << 3343 << 89 << 12;
    QTest::newRow("CTF") << OspServerType::Ctf << 114 << 3174 << 91 << 12;
    QTest::newRow("Free for All") << OspServerType::FreeForAll << 93 << 2753 << 71 << 11;
    QTest::newRow("Instagib") << OspServerType::Instagib << 85 << 2533 << 64 << 10;
    QTest::newRow("Team") << OspServerType::Team << 108 << 3174 << 85 << 12;
}

void TestOspServerConfig::sizes()
{
    QFETCH(OspServerType, type);
    QFETCH(int, lineCount);
    QFETCH(int, charCount);
    QFETCH(int, highlighted);
    QFETCH(int, emptyLines);

    const QList<OspLine> config = lines(type);
    QCOMPARE(config.size(), lineCount);
    QCOMPARE(ospServerConfigText(type).size(), charCount);
    QCOMPARE(std::count_if(config.cbegin(), config.cend(),
                           [](const OspLine &line) { return line.isHighlighted(); }),
             highlighted);
    QCOMPARE(std::count_if(config.cbegin(), config.cend(),
                           [](const OspLine &line) { return line.kind == OspLineKind::Empty; }),
             emptyLines);
}

void TestOspServerConfig::textIsTheLinesWithCrLf_data() { sizes_data(); }

void TestOspServerConfig::textIsTheLinesWithCrLf()
{
    QFETCH(OspServerType, type);

    const QString text = ospServerConfigText(type);
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    QVERIFY(!text.endsWith(QStringLiteral("\r\n\r\n")));
    QStringList split = text.split(QStringLiteral("\r\n"));
    QCOMPARE(split.takeLast(), QString());

    const QList<OspLine> config = lines(type);
    QCOMPARE(split.size(), config.size());
    for (int i = 0; i < config.size(); ++i) {
        QCOMPARE(split.at(i), config.at(i).text);
        QCOMPARE(config.at(i).withLineEnd(), config.at(i).text + QStringLiteral("\r\n"));
        QVERIFY(!config.at(i).text.contains(QLatin1Char('\r')));
        QVERIFY(!config.at(i).text.contains(QLatin1Char('\n')));
        QVERIFY2(!config.at(i).text.endsWith(QLatin1Char(' ')), qPrintable(config.at(i).text));
    }
}

void TestOspServerConfig::header()
{
    const QStringList expected = {
        QString(90, QLatin1Char('/')),
        QStringLiteral("//"),
        QStringLiteral("//              OSP Server Template"),
        QStringLiteral("//"),
        QStringLiteral("//   Do not use this config without editing it first"),
        QStringLiteral("//"),
        QStringLiteral("//"),
    };
    const QList<OspLine> header = ospHeaderLines();
    QCOMPARE(header.size(), expected.size());
    for (int i = 0; i < header.size(); ++i) {
        QCOMPARE(header.at(i).text, expected.at(i));
        QCOMPARE(header.at(i).kind, OspLineKind::Header);
        QVERIFY(!header.at(i).isHighlighted());
    }

    // Every type starts with the header and goes straight on to the identity block.
    for (const OspServerTypeRow &row : ospServerTypes()) {
        const QList<OspLine> config = lines(row.type);
        for (int i = 0; i < header.size(); ++i)
            QCOMPARE(config.at(i).text, expected.at(i));
        QVERIFY(config.at(7).text.startsWith(QStringLiteral("set sv_hostname ")));
    }
}

void TestOspServerConfig::lineKinds_data() { sizes_data(); }

void TestOspServerConfig::lineKinds()
{
    QFETCH(OspServerType, type);

    const QList<OspLine> config = lines(type);
    int comments = 0;
    for (const OspLine &line : config) {
        switch (line.kind) {
        case OspLineKind::Setting:
            QVERIFY2(line.text.startsWith(QStringLiteral("set ")), qPrintable(line.text));
            QVERIFY(line.isHighlighted());
            break;
        case OspLineKind::Comment:
            ++comments;
            QVERIFY(line.text.trimmed().startsWith(QStringLiteral("//")));
            QVERIFY(!line.isHighlighted());
            break;
        case OspLineKind::Empty:
            QVERIFY(line.text.isEmpty());
            QVERIFY(!line.isHighlighted());
            break;
        case OspLineKind::Header:
        case OspLineKind::StartMap:
            QVERIFY(!line.isHighlighted());
            break;
        }
        // Nothing but setting lines starts with the keyword.
        if (line.text.startsWith(QStringLiteral("set ")))
            QCOMPARE(line.kind, OspLineKind::Setting);
    }
    QCOMPARE(comments, 3);

    QCOMPARE(config.last().kind, OspLineKind::StartMap);
    QCOMPARE(config.last().text, QLatin1String(ospServerTypeRow(type).startMapLine));
    QCOMPARE(config.at(config.size() - 2).kind, OspLineKind::Empty);
}

void TestOspServerConfig::blockOrder_data()
{
    QTest::addColumn<OspServerType>("type");
    QTest::addColumn<QStringList>("blockStarts");

    const QStringList head = {QStringLiteral("set sv_hostname "),
                              QStringLiteral("set bot_enable 0"),
                              QStringLiteral("// Rcon/Referee/Admin variables")};
    const QString vote = QStringLiteral("// Vote Settings");
    const QString files = QStringLiteral("set filter_file ");

    QTest::newRow("1v1") << OspServerType::OneVsOne
                         << head + QStringList{"set mode_start 1", "set g_doWarmup 0",
                                               "set map_halt 0", "set match_mutespecs 1",
                                               "set server_fastrail 0", vote, files,
                                               "map q3tourney1"};
    QTest::newRow("ClanArena") << OspServerType::ClanArena
                               << head + QStringList{"set mode_start 5", "set g_doWarmup 1",
                                                     "set gauntlet_damage 50", "set map_halt 0",
                                                     "set match_carespawn 0",
                                                     "set server_fastrail 0",
                                                     "set team_allcaptain 0", vote, files,
                                                     "map q3dm6"};
    QTest::newRow("CTF") << OspServerType::Ctf
                         << QStringList{"set sv_hostname ", "set server_ospauth 1",
                                        "// Rcon/Referee/Admin variables", "set mode_start 4",
                                        "set g_doWarmup 1", "set gauntlet_damage 50",
                                        "set map_halt 0", "set match_latejoin 0",
                                        "set server_fastrail 0", "set hook_delaytime 750", vote,
                                        files, "map q3ctf1"};
    QTest::newRow("Free for All") << OspServerType::FreeForAll
                                  << head + QStringList{"set mode_start 0", "set g_Inactivity 120",
                                                        "set gauntlet_damage 50", "set map_halt 0",
                                                        "set match_mutespecs 0",
                                                        "set server_fastrail 0", vote, files,
                                                        "map q3dm6"};
    QTest::newRow("Instagib") << OspServerType::Instagib
                              << head + QStringList{"set mode_start 0", "set g_doWarmup 0",
                                                    "set gauntlet_disable 1", "set map_halt 0",
                                                    "set server_fastrail 0", vote, files,
                                                    "map q3dm17"};
    QTest::newRow("Team") << OspServerType::Team
                          << head + QStringList{"set mode_start 3", "set g_doWarmup 1",
                                                "set gauntlet_damage 50", "set map_halt 0",
                                                "set match_minplayers 2", "set server_fastrail 0",
                                                "set team_allcaptain 0", vote, files, "map q3dm6"};
}

void TestOspServerConfig::blockOrder()
{
    QFETCH(OspServerType, type);
    QFETCH(QStringList, blockStarts);

    // The first line of every block: the one after the header, then each one after a gap.
    const QList<OspLine> config = lines(type);
    QStringList starts;
    for (int i = 7; i < config.size(); ++i) {
        if (i == 7 || config.at(i - 1).kind == OspLineKind::Empty)
            starts.append(config.at(i).text);
    }
    QCOMPARE(starts.size(), blockStarts.size());
    for (int i = 0; i < starts.size(); ++i)
        QVERIFY2(starts.at(i).startsWith(blockStarts.at(i)), qPrintable(starts.at(i)));
}

void TestOspServerConfig::exactLines_data()
{
    QTest::addColumn<OspServerType>("type");
    QTest::addColumn<QString>("line");

    using T = OspServerType;
    const char *host = "//This will appear on the server loading screen and server browsers";
    const char *motd = "//This will appear on the server loading screen";
    const char *motd1 = "//These 8 lines will be displayed in the in-game MOTD display";
    const char *bfg = "//BFG disabled";
    const char *gauntlet = "//Spawn with Machinegun and Gauntlet";

    // Padding and comments
    QTest::newRow("1v1 hostname, pad 12")
        << T::OneVsOne << padded("set sv_hostname \"OSP 1v1 Server\"", 12, host);
    QTest::newRow("1v1 motd, pad 16")
        << T::OneVsOne << padded("set g_motd \"OSP 1v1 Server Message of the Day\"", 16, motd);
    QTest::newRow("1v1 motd1, pad 35")
        << T::OneVsOne << padded("set server_motd1 \"OSP 1v1 Server\"", 35, motd1);
    QTest::newRow("CTF hostname, pad 6")
        << T::Ctf << padded("set sv_hostname \"OSP CTF Server\"", 6, host);
    QTest::newRow("FFA motd, pad 10")
        << T::FreeForAll << padded("set g_motd \"OSP FFA Server Message of the Day\"", 10, motd);
    QTest::newRow("Team motd1, pad 29")
        << T::Team << padded("set server_motd1 \"OSP Team Server\"", 29, motd1);
    QTest::newRow("motdfile")
        << T::Instagib
        << padded("set server_motdfile \"none\"", 26,
                  "//File that contains the MOTD for in-game MOTD display");
    QTest::newRow("override comment")
        << T::ClanArena
        << padded("", 68,
                  "//This will override any of the following server_motdX variables if used.");
    QTest::newRow("filter file")
        << T::Team << padded("set filter_file \"dir/file.txt\"", 28, "//Server player filter file");
    QTest::newRow("CA warmup")
        << T::ClanArena
        << padded("set g_warmup 0", 43, "//Warmup will last until all players are ready");
    QTest::newRow("1v1 items, pad 45") << T::OneVsOne << padded("set item_disable 4", 45, bfg);
    QTest::newRow("Team items, pad 40") << T::Team << padded("set item_disable 4", 40, bfg);
    QTest::newRow("FFA items")
        << T::FreeForAll << padded("set item_disable 0", 40, "//No Weapons disabled");
    QTest::newRow("Instagib items")
        << T::Instagib << padded("set item_disable 1023", 34, "//All weapons disabled");
    QTest::newRow("Instagib powerups")
        << T::Instagib << padded("set powerup_disable 255", 28, "//All powerups Disabled");
    QTest::newRow("FFA powerups")
        << T::FreeForAll << padded("set powerup_disable 0", 28, "//No powerups Disabled");
    QTest::newRow("1v1 weapons")
        << T::OneVsOne
        << padded("set weapon_start 257", 32, "//Spawn with Machinegun and Gauntlet only");
    QTest::newRow("CA weapons")
        << T::ClanArena
        << padded("set weapon_start 383", 32, "//Spawn with all weapons except BFG");
    QTest::newRow("CTF weapons") << T::Ctf << padded("set weapon_start 257", 32, gauntlet);
    QTest::newRow("Instagib weapons")
        << T::Instagib << padded("set weapon_start 32", 32, "//Spawn with Railgun");
    QTest::newRow("CA vote items")
        << T::ClanArena
        << padded("set vote_allow_items 1020", 20,
                  "//Clients can vote on everything except armor and health");
    QTest::newRow("Team vote items")
        << T::Team << padded("set vote_allow_items 1023", 20, "//Clients can vote on everything");
    QTest::newRow("1v1 vote powerups")
        << T::OneVsOne
        << padded("set vote_allow_powerups 1", 24, "//Allows vote for Quad Damage only");

    // Quoted values
    QTest::newRow("motd2 is one space") << T::Team << "set server_motd2 \" \"";
    QTest::newRow("motd3")
        << T::ClanArena << "set server_motd3 \"Welcome to my OSP ClanArena Server\"";
    QTest::newRow("motd4 ends in a space") << T::Ctf << "set server_motd4 \"Server Admin: \"";
    QTest::newRow("motd5") << T::Ctf << "set server_motd5 \"Webpage: \"";
    QTest::newRow("motd6") << T::Ctf << "set server_motd6 \"ICQ: \"";
    QTest::newRow("motd7 empty") << T::OneVsOne << "set server_motd7 \"\"";
    QTest::newRow("motd8 empty") << T::OneVsOne << "set server_motd8 \"\"";
    QTest::newRow("rcon") << T::FreeForAll << "set rconPassword \"rcon_setitnow\"";
    QTest::newRow("ref") << T::Instagib << "set ref_password \"ref_setitnow\"";

    // Bare values, no comment
    QTest::newRow("map list is bare") << T::Instagib << "set map_file cfg-maps/instagibmaps.txt";
    QTest::newRow("CTF items, no comment") << T::Ctf << "set item_disable 0";
    QTest::newRow("CTF powerups, no comment") << T::Ctf << "set powerup_disable 0";
    QTest::newRow("Team bullets") << T::Team << "set start_bullets 50";
    QTest::newRow("1v1 vote items, no comment") << T::OneVsOne << "set vote_allow_items 1023";
    QTest::newRow("Instagib vote items, no comment") << T::Instagib << "set vote_allow_items 0";
    QTest::newRow("CTF vote powerups, no comment") << T::Ctf << "set vote_allow_powerups 1";
    QTest::newRow("1v1 vote percent") << T::OneVsOne << "set vote_percent 100";
    QTest::newRow("CTF hook speedpull") << T::Ctf << "set hook_speedpull 9500";
    QTest::newRow("g_Inactivity keeps its case") << T::FreeForAll << "set g_Inactivity 120";
}

void TestOspServerConfig::exactLines()
{
    QFETCH(OspServerType, type);
    QFETCH(QString, line);

    const QList<OspLine> config = lines(type);
    const auto found = std::find_if(config.cbegin(), config.cend(),
                                    [&](const OspLine &each) { return each.text == line; });
    QVERIFY2(found != config.cend(), qPrintable(line));
    QCOMPARE(found->isHighlighted(), line.startsWith(QStringLiteral("set ")));
}

void TestOspServerConfig::lineCounts_data()
{
    QTest::addColumn<OspServerType>("type");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("count");

    using T = OspServerType;
    QTest::newRow("CTF has no bot_enable") << T::Ctf << "set bot_enable " << 0;
    QTest::newRow("1v1 has bot_enable") << T::OneVsOne << "set bot_enable 0" << 1;
    QTest::newRow("Instagib has no match block") << T::Instagib << "set match_" << 0;
    QTest::newRow("Instagib has no start_bullets") << T::Instagib << "set start_bullets " << 0;
    QTest::newRow("Instagib has no gauntlet_damage") << T::Instagib << "set gauntlet_damage " << 0;
    QTest::newRow("Instagib has no mg_damage") << T::Instagib << "set mg_damage " << 0;
    QTest::newRow("Instagib arms extras") << T::Instagib << "set weapon_have 32" << 1;
    QTest::newRow("1v1 match block") << T::OneVsOne << "set match_" << 5;
    QTest::newRow("CA match block") << T::ClanArena << "set match_" << 8;
    QTest::newRow("CTF match block") << T::Ctf << "set match_" << 7;
    QTest::newRow("FFA match block") << T::FreeForAll << "set match_" << 2;
    QTest::newRow("Team match block") << T::Team << "set match_" << 6;
    QTest::newRow("CTF hook block") << T::Ctf << "set hook_" << 6;
    QTest::newRow("CTF hook_enable only in hook block") << T::Ctf << "set hook_enable " << 1;
    QTest::newRow("CTF hook enabled") << T::Ctf << "set hook_enable 1" << 1;
    QTest::newRow("CA hook off in arms") << T::ClanArena << "set hook_enable 0" << 1;
    QTest::newRow("CA has no hook block") << T::ClanArena << "set hook_delaytime " << 0;
    QTest::newRow("Instagib hook_disable") << T::Instagib << "set hook_disable 0" << 1;
    QTest::newRow("Instagib no hook_enable") << T::Instagib << "set hook_enable " << 0;
    QTest::newRow("CA team block") << T::ClanArena << "set team_" << 3;
    QTest::newRow("Team team block") << T::Team << "set team_" << 3;
    QTest::newRow("CTF no team block") << T::Ctf << "set team_" << 0;
    QTest::newRow("1v1 no team block") << T::OneVsOne << "set team_" << 0;
    QTest::newRow("1v1 no roundlimit") << T::OneVsOne << "set roundlimit " << 0;
    QTest::newRow("FFA roundlimit") << T::FreeForAll << "set roundlimit 0" << 1;
    QTest::newRow("CA vote block") << T::ClanArena << "set vote_" << 26;
    QTest::newRow("Instagib vote block") << T::Instagib << "set vote_" << 19;
    QTest::newRow("one g_allowVote") << T::Team << "set g_allowVote 1" << 1;
    QTest::newRow("motd lines") << T::FreeForAll << "set server_motd" << 9;
    QTest::newRow("one map_file") << T::ClanArena << "set map_file " << 1;
    QTest::newRow("one start map") << T::ClanArena << "map " << 1;
}

void TestOspServerConfig::lineCounts()
{
    QFETCH(OspServerType, type);
    QFETCH(QString, prefix);
    QFETCH(int, count);

    QCOMPARE(countLinesStartingWith(lines(type), prefix), count);
}

void TestOspServerConfig::oneVsOneRunsGameIntoArms()
{
    for (const OspServerTypeRow &row : ospServerTypes()) {
        const QList<OspLine> config = lines(row.type);
        const OspLine *firstArms = findLine(config, QStringLiteral("set gauntlet_"));
        QVERIFY(firstArms);
        const OspLine &before = *(firstArms - 1);
        if (row.type == OspServerType::OneVsOne)
            QCOMPARE(before.text, QStringLiteral("set g_weaponrespawn 5"));
        else
            QCOMPARE(before.kind, OspLineKind::Empty);
    }
}

void TestOspServerConfig::highlightBack_data()
{
    QTest::addColumn<OspServerType>("type");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("back");

    QTest::newRow("bot_enable") << OspServerType::OneVsOne << "set bot_enable 0" << 18;
    QTest::newRow("rcon password") << OspServerType::Ctf << "set rconPassword " << 34;
    QTest::newRow("filter file") << OspServerType::Team << "set filter_file " << 87;
    QTest::newRow("1v1 hostname") << OspServerType::OneVsOne << "set sv_hostname " << 113;
    QTest::newRow("CTF hostname") << OspServerType::Ctf << "set sv_hostname " << 107;
}

void TestOspServerConfig::highlightBack()
{
    QFETCH(OspServerType, type);
    QFETCH(QString, prefix);
    QFETCH(int, back);

    const QList<OspLine> config = lines(type);
    const OspLine *line = findLine(config, prefix);
    QVERIFY(line);
    QVERIFY(line->isHighlighted());
    QCOMPARE(line->highlightBack(), back);
    QCOMPARE(line->withLineEnd().size(), back);
    QCOMPARE(kOspHighlightLength, 3);
    QCOMPARE(kOspHighlightOleColor, 255u);
}

void TestOspServerConfig::typeTable()
{
    const QStringList captions = {"1v1", "ClanArena", "CTF", "Free for All", "Instagib", "Team"};
    QCOMPARE(int(ospServerTypes().size()), kOspServerTypeCount);
    for (int i = 0; i < kOspServerTypeCount; ++i) {
        const OspServerTypeRow &row = ospServerTypes()[i];
        QCOMPARE(int(row.type), i);
        QCOMPARE(&ospServerTypeRow(row.type), &row);
        QCOMPARE(QLatin1String(row.caption), captions.at(i));
        QVERIFY(QLatin1String(row.mapListLine).startsWith(QLatin1String("set map_file cfg-maps/")));
        QVERIFY(QLatin1String(row.startMapLine).startsWith(QLatin1String("map q3")));
    }
    QCOMPARE(QLatin1String(ospServerTypeRow(OspServerType::FreeForAll).serverName),
             QLatin1String("OSP FFA Server"));
}

QTEST_APPLESS_MAIN(TestOspServerConfig)
#include "tst_ospserverconfig.moc"
