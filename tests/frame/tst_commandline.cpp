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
    void generateOptions_data();
    void generateOptions();
    void errors_data();
    void errors();
    void versionNeedsNoDisplay();
    void helpNeedsNoDisplay_data();
    void helpNeedsNoDisplay();
    void unknownOptionIsRefused();

private:
    static QProcess *runHeadless(const QStringList &arguments);
};

namespace {

const QString kFolder = QStringLiteral("/home/player/q3");

} // namespace

void TestCommandLine::files_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("relative") << QStringList{"autoexec.cfg"}
                              << QStringList{kFolder + "/autoexec.cfg"};
    QTest::newRow("relative in a subfolder") << QStringList{"osp/server.cfg"}
                                             << QStringList{kFolder + "/osp/server.cfg"};
    QTest::newRow("parent folder") << QStringList{"../q2/a.cfg"}
                                   << QStringList{"/home/player/q2/a.cfg"};
    QTest::newRow("absolute kept") << QStringList{"/etc/q3/b.cfg"} << QStringList{"/etc/q3/b.cfg"};
    QTest::newRow("several in order")
        << QStringList{"b.cfg", "/x/a.cfg", "c.txt"}
        << QStringList{kFolder + "/b.cfg", "/x/a.cfg", kFolder + "/c.txt"};
    QTest::newRow("same name twice") << QStringList{"a.cfg", "a.cfg"}
                                     << QStringList{kFolder + "/a.cfg", kFolder + "/a.cfg"};
    QTest::newRow("spaces") << QStringList{"my config.cfg", " lead.cfg"}
                            << QStringList{kFolder + "/my config.cfg", kFolder + "/ lead.cfg"};
    QTest::newRow("quotes") << QStringList{"\"best\" cfg.cfg", "it's.cfg"}
                            << QStringList{kFolder + "/\"best\" cfg.cfg", kFolder + "/it's.cfg"};
    QTest::newRow("non-ASCII") << QStringList{QStringLiteral("\u00e9t\u00e9 \u4e2d\u6587.cfg")}
                               << QStringList{kFolder + QStringLiteral("/\u00e9t\u00e9 \u4e2d\u6587.cfg")};
    QTest::newRow("single dash is a name") << QStringList{"-"} << QStringList{kFolder + "/-"};
    QTest::newRow("after --, options are names")
        << QStringList{"--", "--help", "-h", "--version", "--instance"}
        << QStringList{kFolder + "/--help", kFolder + "/-h", kFolder + "/--version",
                       kFolder + "/--instance"};
    QTest::newRow("a second -- is a name") << QStringList{"--", "--"} << QStringList{kFolder + "/--"};
    QTest::newRow("after --, -o is a name") << QStringList{"--", "-o", "x"}
                                            << QStringList{kFolder + "/-o", kFolder + "/x"};
    QTest::newRow("files around options")
        << QStringList{"a.cfg", "--instance", "x", "b.cfg"}
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
    QTest::newRow("-h") << QStringList{"-h"} << true << false << "";
    QTest::newRow("--version") << QStringList{"--version"} << false << true << "";
    QTest::newRow("--instance") << QStringList{"--instance", "tessel-x"} << false << false
                                << "tessel-x";
    QTest::newRow("help among files") << QStringList{"a.cfg", "-h"} << true << false << "";
    QTest::newRow("no options") << QStringList{"a.cfg"} << false << false << "";
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

void TestCommandLine::generateOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QString>("serverType");
    QTest::addColumn<QString>("outputFile");
    QTest::newRow("template only") << QStringList{"--generate", "maplist"} << "maplist" << ""
                                   << "";
    QTest::newRow("with a type") << QStringList{"--generate", "server", "--type", "CTF"}
                                 << "server" << "CTF" << "";
    QTest::newRow("type with blanks, relative output")
        << QStringList{"--generate", "server", "--type", "Free for All", "-o", "osp/server.cfg"}
        << "server" << "Free for All" << kFolder + "/osp/server.cfg";
    QTest::newRow("options in any order")
        << QStringList{"--output", "../x.cfg", "--type", "team", "--generate", "SERVER"}
        << "SERVER" << "team" << "/home/player/x.cfg";
    QTest::newRow("absolute output") << QStringList{"--generate", "custommod", "-o", "/tmp/c.txt"}
                                     << "custommod" << "" << "/tmp/c.txt";
    QTest::newRow("names are passed on as given") << QStringList{"--generate", "motd"} << "motd"
                                                  << "" << "";
}

void TestCommandLine::generateOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, templateName);
    QFETCH(QString, serverType);
    QFETCH(QString, outputFile);
    const CommandLine line = parseCommandLine(arguments, kFolder);
    QCOMPARE(line.error, QString());
    QVERIFY(line.generate);
    QCOMPARE(line.templateName, templateName);
    QCOMPARE(line.serverType, serverType);
    QCOMPARE(line.outputFile, outputFile);
    QVERIFY(line.files.isEmpty());
}

void TestCommandLine::errors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("unknown option") << QStringList{"--verbose"} << "--verbose";
    QTest::newRow("unknown option after files") << QStringList{"a.cfg", "--x"} << "--x";
    QTest::newRow("option with a value glued on") << QStringList{"--instance=a"} << "--instance=a";
    QTest::newRow("missing instance name") << QStringList{"--instance"} << "--instance";
    QTest::newRow("missing instance name after files") << QStringList{"a.cfg", "--instance"}
                                                       << "--instance";
    QTest::newRow("missing template name") << QStringList{"--generate"} << "--generate";
    QTest::newRow("missing type") << QStringList{"--generate", "server", "--type"} << "--type";
    QTest::newRow("missing output name") << QStringList{"--generate", "maplist", "-o"} << "-o";
    QTest::newRow("missing --output name") << QStringList{"--generate", "maplist", "--output"}
                                           << "--output";
    QTest::newRow("type without --generate") << QStringList{"--type", "CTF"} << "--type";
    QTest::newRow("output without --generate") << QStringList{"a.cfg", "-o", "b.cfg"} << "-o";
    QTest::newRow("--output without --generate") << QStringList{"--output", "b.cfg"} << "--output";
    QTest::newRow("files with --generate") << QStringList{"--generate", "maplist", "a.cfg"}
                                           << "a.cfg";
}

void TestCommandLine::errors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentions);
    const CommandLine line = parseCommandLine(arguments, kFolder);
    QVERIFY(!line.error.isEmpty());
    QVERIFY2(line.error.contains(mentions), qPrintable(line.error));
}

// The program next to this test, with no way to reach a display.
QProcess *TestCommandLine::runHeadless(const QStringList &arguments)
{
    auto *process = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    process->setProcessEnvironment(environment);
    process->start(QCoreApplication::applicationDirPath() + QStringLiteral("/tessel"), arguments);
    if (!process->waitForFinished(10000))
        process->kill();
    return process;
}

void TestCommandLine::versionNeedsNoDisplay()
{
    std::unique_ptr<QProcess> process(runHeadless({QStringLiteral("--version")}));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 0);
    QCOMPARE(process->readAllStandardOutput(), QByteArray("Tessel 0.3.0\n"));
}

void TestCommandLine::helpNeedsNoDisplay_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("--help") << "--help";
    QTest::newRow("-h") << "-h";
}

void TestCommandLine::helpNeedsNoDisplay()
{
    QFETCH(QString, option);
    std::unique_ptr<QProcess> process(runHeadless({option}));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 0);
    const QString help = QString::fromLocal8Bit(process->readAllStandardOutput());
    QVERIFY2(help.startsWith(QLatin1String("Usage: tessel")), qPrintable(help));
    for (const char *mentioned : {"--help", "--version", "--instance NAME", "--",
                                  "--generate TEMPLATE", "--type TYPE", "-o, --output FILE"})
        QVERIFY2(help.contains(QLatin1String(mentioned)), mentioned);
}

void TestCommandLine::unknownOptionIsRefused()
{
    std::unique_ptr<QProcess> process(runHeadless({QStringLiteral("--frobnicate")}));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 2);
    QVERIFY(process->readAllStandardOutput().isEmpty());
    const QString error = QString::fromLocal8Bit(process->readAllStandardError());
    QVERIFY2(error.contains(QLatin1String("--frobnicate")), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
