// Starting Tessel: the arguments it understands, its answers without a display, and a second
// start handing its files to the running one (the real program against a frame in this process,
// under a server name of the test's own).
#include "FrameFixture.h"
#include "Program.h"
#include "frame/CommandLine.h"
#include "platform/SingleInstance.h"

#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QThread>
#include <QtTest>

using platform::SingleInstance;
using HandOver = platform::SingleInstance::HandOver;

namespace {

QString uniqueName()
{
    return QStringLiteral("tessel-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate(), 0, 16);
}

/** Runs @p work on a thread of its own while this one keeps serving its event loop. */
template <typename Work> bool runAside(Work work)
{
    std::unique_ptr<QThread> thread(QThread::create(work));
    thread->start();
    const bool finished = QTest::qWaitFor([&] { return thread->isFinished(); }, 10000);
    thread->wait();
    return finished;
}

HandOver handOverAside(const QString &name, const QStringList &names)
{
    HandOver result = HandOver::NoInstance;
    runAside([&] { result = SingleInstance(name).handOver(names); });
    return result;
}

/** One name making a hand-over of exactly @p bytes as the wire carries it. */
QStringList namesOfSize(qsizetype bytes)
{
    const auto size = [](const QStringList &names) {
        QByteArray data;
        QDataStream stream(&data, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_6_0);
        stream << names;
        return data.size();
    };
    const QStringList names{QString((bytes - size({QString()})) / 2, 'n')};
    if (size(names) != bytes)
        qFatal("cannot build a hand-over of %lld bytes", qlonglong(bytes));
    return names;
}

/** Starts the program in @p folder and waits, serving this event loop, until it has ended. */
int secondStart(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    startProgram(process, arguments);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 15000)) {
        process.kill();
        process.waitForFinished();
        return -2;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -3;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void arguments_data()
    {
        // clang-format off
        QTest::addColumn<QString>("arguments"); // separated by "|"
        QTest::addColumn<QString>("result");    // what was understood, or "error: <what it names>"
        // clang-format off
        QTest::newRow("none") << "" << "";
        QTest::newRow("relative names") << "osp/server.cfg|../q2/a.cfg|/x/a.cfg" << "/p/q3/osp/server.cfg /p/q2/a.cfg /x/a.cfg";
        QTest::newRow("blanks, quotes, non-ASCII") << " \"best\" \u00e9t\u00e9 \u4e2d.cfg" << "/p/q3/ \"best\" \u00e9t\u00e9 \u4e2d.cfg";
        QTest::newRow("single dash is a name") << "-" << "/p/q3/-";
        QTest::newRow("after --, options are names") << "--|--help|-o|--" << "/p/q3/--help /p/q3/-o /p/q3/--";
        QTest::newRow("files around options") << "a.cfg|--instance|x|b.cfg" << "instance=x /p/q3/a.cfg /p/q3/b.cfg";
        QTest::newRow("--help") << "--help" << "help";
        QTest::newRow("-h among files") << "a.cfg|-h" << "help /p/q3/a.cfg";
        QTest::newRow("--version") << "--version" << "version";
        QTest::newRow("generate") << "--output|../x.cfg|--type|Free for All|--generate|SERVER" << "generate=SERVER type=Free for All out=/p/x.cfg";
        QTest::newRow("unknown option") << "a.cfg|--verbose" << "error: --verbose";
        QTest::newRow("value glued on") << "--instance=a" << "error: --instance=a";
        QTest::newRow("missing instance name") << "a.cfg|--instance" << "error: --instance";
        QTest::newRow("missing output name") << "--generate|maplist|--output" << "error: --output";
        QTest::newRow("type without --generate") << "--type|CTF" << "error: --type";
        QTest::newRow("output without --generate") << "a.cfg|-o|b.cfg" << "error: -o";
        QTest::newRow("files with --generate") << "--generate|maplist|a.cfg" << "error: a.cfg";
        // clang-format on
        // clang-format on
    }

    void arguments()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, result);
        const frame::CommandLine line =
            frame::parseCommandLine(arguments.split('|', Qt::SkipEmptyParts), "/p/q3");
        if (result.startsWith("error: ")) {
            QVERIFY2(line.error.contains(result.mid(7)), qPrintable(line.error));
            return;
        }
        QStringList understood;
        if (line.help)
            understood << QStringLiteral("help");
        if (line.version)
            understood << QStringLiteral("version");
        if (!line.instanceName.isEmpty())
            understood << "instance=" + line.instanceName;
        if (line.generate)
            understood << "generate=" + line.templateName << "type=" + line.serverType
                       << "out=" + line.outputFile;
        QCOMPARE((understood + line.files).join(' ') + line.error, result);
    }

    void answersWithoutADisplay_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("output"); // the first is how standard output begins
        QTest::addColumn<QString>("error");
        QTest::newRow("version") << QStringList{"--version"} << 0 << QStringList{"Tessel 0.3.0\n"} << "";
        QTest::newRow("help") << QStringList{"-h"} << 0
                              << QStringList{"Usage: tessel", "--help", "--version", "--instance NAME", "--",
                                             "--generate TEMPLATE", "--type TYPE", "-o, --output FILE"} << "";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << QStringList{""} << "--frobnicate";
        // clang-format on
    }

    void answersWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, output);
        QFETCH(QString, error);
        QProcess process;
        startProgram(process, arguments, true);
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

    // The sender's own folder, not this process's, resolves its relative names; the same name
    // handed over twice opens twice.
    void secondStartOpensItsFilesInTheRunningOne()
    {
        FrameFixture f;
        const QString name = uniqueName();
        SingleInstance instance(name);
        QVERIFY(instance.listen());
        connect(&instance, &SingleInstance::filesHandedOver, f.frame.get(),
                &frame::frmParent::openCommandLineFiles);
        QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("sender")));
        const QString a = f.writeFile("sender/a.cfg", "bind a +attack\r\n");
        const QString bc = f.writeFile(QStringLiteral("sender/\"b\" c\u00e9.cfg"), "set b 1\r\n");
        QCOMPARE(secondStart({"--instance", name, "a.cfg", "missing.cfg", "\"b\" c\u00e9.cfg"},
                             f.folder.filePath("sender")),
                 0);
        QTRY_COMPARE(f.frame->documentWindows().size(), 2);
        QCOMPARE(secondStart({"--instance", name, "--", bc}, QDir::tempPath()), 0);
        QTRY_COMPARE(f.frame->documentWindows().size(), 3);
        QStringList captions;
        for (document::frmChild *child : f.frame->documentWindows())
            captions << child->Caption();
        QCOMPARE(captions, (QStringList{a, bc, bc}));
        QCOMPARE(f.active()->editor()->Text(), QStringLiteral("set b 1\r\n"));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages.first().text.startsWith(
            "Can't open file: " + f.folder.filePath("sender/missing.cfg")));
    }

    void oversizedAndMalformedMessagesAreRefused()
    {
        const QString name = uniqueName();
        SingleInstance instance(name);
        QVERIFY(instance.listen());
        QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
        const QStringList atTheLimit = namesOfSize(SingleInstance::kMaxMessageBytes);
        QCOMPARE(handOverAside(name, atTheLimit), HandOver::Delivered);
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received.takeFirst().first().toStringList(), atTheLimit);
        QStringList many;
        for (int i = 0; i < 2000; ++i)
            many << QStringLiteral("/home/player/quake3/baseq3/config%1.cfg").arg(i);
        QCOMPARE(SingleInstance(name).handOver(namesOfSize(SingleInstance::kMaxMessageBytes + 2)),
                 HandOver::TooLong);
        QCOMPARE(SingleInstance(name).handOver(many), HandOver::TooLong);
        // With nobody to hand them to, the names are not too long: this start opens them itself.
        SingleInstance alone(uniqueName());
        QCOMPARE(alone.handOver(many), HandOver::NoInstance);
        QVERIFY(!alone.isListening());

        // One claiming 1 MiB, one that is no list of names: no answer, and the next still arrives.
        for (const QByteArray &message : {QByteArray::fromHex("00100000") + QByteArray(16, 'x'),
                                          QByteArray::fromHex("00000003") + "abc"}) {
            bool answered = true;
            QVERIFY(runAside([&] {
                QLocalSocket socket;
                socket.connectToServer(SingleInstance(name).socketPath());
                if (!socket.waitForConnected(3000))
                    return;
                socket.write(message);
                socket.waitForBytesWritten(3000);
                socket.waitForReadyRead(3000);
                answered = socket.bytesAvailable() > 0;
            }));
            QVERIFY(!answered);
        }
        QCOMPARE(handOverAside(name, {QStringLiteral("/a.cfg")}), HandOver::Delivered);
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received.first().first().toStringList(), QStringList{"/a.cfg"});
    }

    void secondStartWithoutFilesLeavesTheRunningOneListening()
    {
        const QString name = uniqueName();
        SingleInstance instance(name);
        QVERIFY(instance.listen());
        QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
        QProcess second;
        startProgram(second, {QStringLiteral("--instance"), name});
        QVERIFY(second.waitForStarted(10000));
        // It runs a frame of its own, but does not take the name over...
        QVERIFY(!second.waitForFinished(1000));
        QVERIFY(!SingleInstance(name).listen());
        // ...and later starts still hand over to the first one, also after it is gone.
        for (int time = 1; time <= 2; ++time) {
            QCOMPARE(handOverAside(name, {QStringLiteral("/d.cfg")}), HandOver::Delivered);
            QTRY_COMPARE(received.size(), time);
            second.kill();
            second.waitForFinished(5000);
        }
    }

    // More names than one hand-over could carry: with nobody to refuse them, it still starts and
    // listens; killed, it leaves a name that the next first instance takes over.
    void withNobodyListeningTheProgramBecomesTheFirstInstance()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("first.cfg"));
        const QString name = uniqueName();
        QStringList arguments{QStringLiteral("--instance"), name, path};
        for (int i = 0; i < 2000; ++i)
            arguments << QStringLiteral("/no/such/folder/config%1.cfg").arg(i);
        QProcess process;
        const auto cleanUp = qScopeGuard([&] {
            process.kill();
            process.waitForFinished(5000);
            QLocalServer::removeServer(SingleInstance(name).socketPath());
        });
        startProgram(process, arguments);
        QVERIFY(process.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(process.state() != QProcess::Running ||
                                     SingleInstance(name).handOver({path}) == HandOver::Delivered,
                                 10000);
        QVERIFY(!process.waitForFinished(1000));
        process.kill();
        process.waitForFinished(5000);
        QCOMPARE(SingleInstance(name).handOver({path}), HandOver::NoInstance);
        SingleInstance next(name);
        QVERIFY(next.listen());
        QSignalSpy received(&next, &SingleInstance::filesHandedOver);
        QCOMPARE(handOverAside(name, {path}), HandOver::Delivered);
        QTRY_COMPARE(received.size(), 1);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
