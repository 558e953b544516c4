// The text of the OSP server configurations: what each type's lines say, how they are laid out,
// and which settings a type has or lacks. What OK writes and colours is tst_osptype's.
#include "generators/OspServerConfig.h"

#include <QtTest>

using namespace generators;

Q_DECLARE_METATYPE(generators::OspServerType)

namespace {

QStringList texts(const QList<OspLine> &lines)
{
    QStringList result;
    for (const OspLine &line : lines)
        result << line.text;
    return result;
}

QStringList lines(OspServerType type) { return texts(ospServerConfigLines(type)); }

QString padded(const char *head, int pad, const char *comment)
{
    return QLatin1String(head) + QString(pad, QLatin1Char(' ')) + QLatin1String(comment);
}

} // namespace

class TestOspServerConfig : public QObject {
    Q_OBJECT

private slots:
    void everyTypeStartsWithTheHeader();
    void blockOrder_data();
    void blockOrder();
    void exactLines_data();
    void exactLines();
    void lineCounts_data();
    void lineCounts();
    void oneVsOneRunsGameIntoArms();
};

void TestOspServerConfig::everyTypeStartsWithTheHeader()
{
    const QStringList header = {
        QString(90, QLatin1Char('/')),
        QStringLiteral("//"),
        QStringLiteral("//              OSP Server Template"),
        QStringLiteral("//"),
        QStringLiteral("//   Do not use this config without editing it first"),
        QStringLiteral("//"),
        QStringLiteral("//"),
    };
    // Also what is written when no type is selected.
    QCOMPARE(texts(ospHeaderLines()), header);
    for (const OspServerTypeRow &row : ospServerTypes())
        QCOMPARE(lines(row.type).mid(0, header.size()), header);
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
    const QList<OspLine> config = ospServerConfigLines(type);
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

    // The comments line up whatever the length of the type's name.
    QTest::newRow("1v1 hostname, pad 12")
        << T::OneVsOne << padded("set sv_hostname \"OSP 1v1 Server\"", 12, host);
    QTest::newRow("CTF hostname, pad 6")
        << T::Ctf << padded("set sv_hostname \"OSP CTF Server\"", 6, host);
    QTest::newRow("1v1 motd, pad 16")
        << T::OneVsOne << padded("set g_motd \"OSP 1v1 Server Message of the Day\"", 16, motd);
    QTest::newRow("1v1 motd1, pad 35")
        << T::OneVsOne << padded("set server_motd1 \"OSP 1v1 Server\"", 35, motd1);
    QTest::newRow("override comment")
        << T::ClanArena
        << padded("", 68,
                  "//This will override any of the following server_motdX variables if used.");
    QTest::newRow("CA warmup")
        << T::ClanArena
        << padded("set g_warmup 0", 43, "//Warmup will last until all players are ready");
    // The same setting, padded differently in two types.
    QTest::newRow("1v1 items, pad 45") << T::OneVsOne << padded("set item_disable 4", 45, bfg);
    QTest::newRow("Team items, pad 40") << T::Team << padded("set item_disable 4", 40, bfg);
    QTest::newRow("Instagib items")
        << T::Instagib << padded("set item_disable 1023", 34, "//All weapons disabled");
    QTest::newRow("Instagib weapons")
        << T::Instagib << padded("set weapon_start 32", 32, "//Spawn with Railgun");
    QTest::newRow("CA vote items")
        << T::ClanArena
        << padded("set vote_allow_items 1020", 20,
                  "//Clients can vote on everything except armor and health");

    // Quoted values
    QTest::newRow("motd2 is one space") << T::Team << "set server_motd2 \" \"";
    QTest::newRow("motd4 ends in a space") << T::Ctf << "set server_motd4 \"Server Admin: \"";
    QTest::newRow("motd7 empty") << T::OneVsOne << "set server_motd7 \"\"";
    QTest::newRow("rcon") << T::FreeForAll << "set rconPassword \"rcon_setitnow\"";

    // Bare values, no comment
    QTest::newRow("map list is bare") << T::Instagib << "set map_file cfg-maps/instagibmaps.txt";
    QTest::newRow("CTF items, no comment") << T::Ctf << "set item_disable 0";
    QTest::newRow("g_Inactivity keeps its case") << T::FreeForAll << "set g_Inactivity 120";
}

void TestOspServerConfig::exactLines()
{
    QFETCH(OspServerType, type);
    QFETCH(QString, line);

    QVERIFY2(lines(type).contains(line), qPrintable(line));
}

void TestOspServerConfig::lineCounts_data()
{
    QTest::addColumn<OspServerType>("type");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("count");

    using T = OspServerType;
    QTest::newRow("CTF has no bot_enable") << T::Ctf << "set bot_enable " << 0;
    QTest::newRow("Instagib has no match block") << T::Instagib << "set match_" << 0;
    QTest::newRow("Instagib has no start_bullets") << T::Instagib << "set start_bullets " << 0;
    QTest::newRow("Instagib arms extras") << T::Instagib << "set weapon_have 32" << 1;
    QTest::newRow("1v1 match block") << T::OneVsOne << "set match_" << 5;
    QTest::newRow("CA match block") << T::ClanArena << "set match_" << 8;
    QTest::newRow("CTF hook block") << T::Ctf << "set hook_" << 6;
    QTest::newRow("CTF hook_enable only in hook block") << T::Ctf << "set hook_enable " << 1;
    QTest::newRow("CTF hook enabled") << T::Ctf << "set hook_enable 1" << 1;
    QTest::newRow("CA hook off in arms") << T::ClanArena << "set hook_enable 0" << 1;
    QTest::newRow("CA has no hook block") << T::ClanArena << "set hook_delaytime " << 0;
    QTest::newRow("Instagib hook_disable") << T::Instagib << "set hook_disable 0" << 1;
    QTest::newRow("Instagib no hook_enable") << T::Instagib << "set hook_enable " << 0;
    QTest::newRow("CA team block") << T::ClanArena << "set team_" << 3;
    QTest::newRow("FFA roundlimit") << T::FreeForAll << "set roundlimit 0" << 1;
    QTest::newRow("CA vote block") << T::ClanArena << "set vote_" << 26;
    QTest::newRow("Instagib vote block") << T::Instagib << "set vote_" << 19;
    QTest::newRow("motd lines") << T::FreeForAll << "set server_motd" << 9;
    QTest::newRow("one start map") << T::ClanArena << "map " << 1;
}

void TestOspServerConfig::lineCounts()
{
    QFETCH(OspServerType, type);
    QFETCH(QString, prefix);
    QFETCH(int, count);

    const QStringList config = lines(type);
    QCOMPARE(std::count_if(config.cbegin(), config.cend(),
                           [&](const QString &line) { return line.startsWith(prefix); }),
             count);
}

void TestOspServerConfig::oneVsOneRunsGameIntoArms()
{
    // Elsewhere a gap separates the game settings from the arms block.
    for (const OspServerTypeRow &row : ospServerTypes()) {
        const QStringList config = lines(row.type);
        const auto firstArms =
            std::find_if(config.cbegin(), config.cend(), [](const QString &line) {
                return line.startsWith(QLatin1String("set gauntlet_"));
            });
        QVERIFY(firstArms != config.cbegin() && firstArms != config.cend());
        QCOMPARE(*(firstArms - 1), row.type == OspServerType::OneVsOne
                                       ? QStringLiteral("set g_weaponrespawn 5")
                                       : QString());
    }
}

QTEST_APPLESS_MAIN(TestOspServerConfig)
#include "tst_ospserverconfig.moc"
