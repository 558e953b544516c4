// The program's arguments: which files to open and which options it understands, and the
// answers the program gives without a display.
#include "frame/CommandLine.h"

#include <QProcess>
#include <QtTest>

using frame::CommandLine;
using frame::parseCommandLine;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void files_data();
    void files();
    void options_data();
    void options();
    void generateOptions();
    void errors_data();
    void errors();
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
};

namespace {

const QString kFolder = QStringLiteral("/home/player/q3");

} // namespace

void TestCommandLine::files_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("relative") << QStringList{"osp/server.cfg"}
                              << QStringList{kFolder + "/osp/server.cfg"};
    QTest::newRow("parent folder") << QStringList{"../q2/a.cfg"}
                                   << QStringList{"/home/player/q2/a.cfg"};
    QTest::newRow("several in order")
        << QStringList{"b.cfg", "/x/a.cfg", "c.txt"}
        << QStringList{kFolder + "/b.cfg", "/x/a.cfg", kFolder + "/c.txt"};
    QTest::newRow("blanks, quotes and non-ASCII kept")
        << QStringList{QStringLiteral(" \"best\" \u00e9t\u00e9 \u4e2d.cfg")}
        << QStringList{kFolder + QStringLiteral("/ \"best\" \u00e9t\u00e9 \u4e2d.cfg")};
    QTest::newRow("single dash is a name") << QStringList{"-"} << QStringList{kFolder + "/-"};
    QTest::newRow("after --, options are names")
        << QStringList{"--", "--help", "-o", "--instance", "--"}
        << QStringList{kFolder + "/--help", kFolder + "/-o", kFolder + "/--instance",
                       kFolder + "/--"};
    QTest::newRow("files around options") << QStringList{"a.cfg", "--instance", "x", "b.cfg"}
                                          << QStringList{kFolder + "/a.cfg", kFolder + "/b.cfg"};
}

void TestCommandLine::files()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);
    const CommandLine line = parseCommandLine(arguments, kFolder);
    QCOMPARE(line.error, QString());
    QCOMPARE(line.files, files);
    QVERIFY(!line.help);
    QVERIFY(!line.version);
}

void TestCommandLine::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("version");
    QTest::addColumn<QString>("instance");
    QTest::newRow("--help") << QStringList{"--help"} << true << false << "";
    QTest::newRow("-h among files") << QStringList{"a.cfg", "-h"} << true << false << "";
    QTest::newRow("--version") << QStringList{"--version"} << false << true << "";
    QTest::newRow("--instance") << QStringList{"--instance", "tessel-x"} << false << false
                                << "tessel-x";
}

void TestCommandLine::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, help);
    QFETCH(bool, version);
    QFETCH(QString, instance);
    const CommandLine line = parseCommandLine(arguments, kFolder);
    QCOMPARE(line.error, QString());
    QCOMPARE(line.help, help);
    QCOMPARE(line.version, version);
    QCOMPARE(line.instanceName, instance);
}

// What --generate does with these is tst_generatecommand's.
void TestCommandLine::generateOptions()
{
    const CommandLine line = parseCommandLine(
        {"--output", "../x.cfg", "--type", "Free for All", "--generate", "SERVER"}, kFolder);
    QCOMPARE(line.error, QString());
    QVERIFY(line.generate);
    QCOMPARE(line.templateName, QStringLiteral("SERVER"));
    QCOMPARE(line.serverType, QStringLiteral("Free for All"));
    QCOMPARE(line.outputFile, QStringLiteral("/home/player/x.cfg"));
    QVERIFY(line.files.isEmpty());
}

void TestCommandLine::errors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("unknown option after files") << QStringList{"a.cfg", "--verbose"} << "--verbose";
    QTest::newRow("option with a value glued on") << QStringList{"--instance=a"} << "--instance=a";
    QTest::newRow("missing instance name") << QStringList{"a.cfg", "--instance"} << "--instance";
    QTest::newRow("missing output name") << QStringList{"--generate", "maplist", "--output"}
                                         << "--output";
    QTest::newRow("type without --generate") << QStringList{"--type", "CTF"} << "--type";
    QTest::newRow("output without --generate") << QStringList{"a.cfg", "-o", "b.cfg"} << "-o";
    QTest::newRow("files with --generate") << QStringList{"--generate", "maplist", "a.cfg"}
                                           << "a.cfg";
}

void TestCommandLine::errors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentions);
    const CommandLine line = parseCommandLine(arguments, kFolder);
    QVERIFY2(line.error.contains(mentions), qPrintable(line.error));
}

void TestCommandLine::answersWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("output"); // the first is how standard output begins
    QTest::addColumn<QString>("error");
    QTest::newRow("version") << QStringList{"--version"} << 0 << QStringList{"Tessel 0.3.0\n"}
                             << "";
    QTest::newRow("help") << QStringList{"-h"} << 0
                          << QStringList{"Usage: tessel", "--help", "--version", "--instance NAME",
                                         "--", "--generate TEMPLATE", "--type TYPE",
                                         "-o, --output FILE"}
                          << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << QStringList{""}
                                    << "--frobnicate";
}

// The program next to this test, with no way to reach a display.
void TestCommandLine::answersWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, output);
    QFETCH(QString, error);

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tessel"), arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    QVERIFY2(output.first().isEmpty() ? out.isEmpty() : out.startsWith(output.first()),
             qPrintable(out));
    for (const QString &mentioned : output)
        QVERIFY2(out.contains(mentioned), qPrintable(mentioned));
    QVERIFY(QString::fromLocal8Bit(process.readAllStandardError()).contains(error));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
