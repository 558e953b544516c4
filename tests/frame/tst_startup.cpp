// Starting Tessel: the arguments it understands, its answers without a display, and a second
// start handing its files to the running one (the real program against a frame in this process,
// under a server name of the test's own); the hand-over socket against what other local
// processes may do to it: hostile or idle connections, other users, running out of descriptors.
#include "OutputProbe.h"
#include "Program.h"
#include "frame/CommandLine.h"
#include "platform/SingleInstance.h"

#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

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
    const bool finished = QTest::qWaitFor([&] { return thread->isFinished(); }, 15000);
    thread->wait();
    return finished;
}

HandOver handOverAside(const QString &name, const QStringList &names)
{
    HandOver result = HandOver::NoInstance;
    runAside([&] { result = SingleInstance(name).handOver(names); });
    return result;
}

/** @p names framed as the wire carries them: a big-endian length, then the stream. */
QByteArray wire(const QStringList &names)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_0);
    stream << names;
    QByteArray bytes(4, '\0');
    qToBigEndian<quint32>(quint32(payload.size()), bytes.data());
    return bytes + payload;
}

/** One name making a hand-over of exactly @p bytes, not counting the length before it. */
QStringList namesOfSize(qsizetype bytes)
{
    const QStringList names{QString((bytes - wire({QString()}).size() + 4) / 2, 'n')};
    if (wire(names).size() - 4 != bytes)
        qFatal("cannot build a hand-over of %lld bytes", qlonglong(bytes));
    return names;
}

/** Forks a process that runs @p child as the user "nobody" (system calls only: this process has
 * threads) and returns its pid. */
template <typename Child> pid_t startAsNobody(Child child)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(setgid(65534) != 0 || setuid(65534) != 0 ? 99 : child());
    return pid;
}

int exitCodeOf(pid_t pid)
{
    int status = -1;
    if (!QTest::qWaitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, 15000))
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

sockaddr_un addressOf(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    return address;
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
        const probe::Run run = probe::runHeadless(arguments);
        QCOMPARE(run.exitStatus, QProcess::NormalExit);
        QCOMPARE(run.exitCode, exitCode);
        const QString out = QString::fromLocal8Bit(run.out);
        QVERIFY2(output.first().isEmpty() ? out.isEmpty() : out.startsWith(output.first()),
                 qPrintable(out));
        for (const QString &mentioned : output)
            QVERIFY2(out.contains(mentioned), qPrintable(mentioned));
        QVERIFY(run.error.contains(error));
    }

    // The sender's own folder, not this process's, resolves its relative names; the same name
    // handed over twice opens twice. A start without files runs a frame of its own but leaves
    // the name to the first one, which later starts still reach, also after that one is gone.
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
        QCOMPARE(f.captions(), (QStringList{a, bc, bc}));
        QCOMPARE(f.active()->editor()->Text(), QStringLiteral("set b 1\r\n"));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages.first().text.startsWith(
            "Can't open file: " + f.folder.filePath("sender/missing.cfg")));
        QProcess second;
        startProgram(second, {QStringLiteral("--instance"), name});
        QVERIFY(second.waitForStarted(10000));
        QVERIFY(!second.waitForFinished(1000));
        QVERIFY(!SingleInstance(name).listen());
        for (int time = 1; time <= 2; ++time) {
            QCOMPARE(handOverAside(name, {a}), HandOver::Delivered);
            QTRY_COMPARE(f.frame->documentWindows().size(), 3 + time);
            second.kill();
            second.waitForFinished(5000);
        }
    }

    // The socket lives in the private runtime folder; names beyond the limit are not sent.
    void listensPrivatelyAndRefusesOversizedMessages()
    {
        const QString name = uniqueName();
        SingleInstance instance(name);
        QVERIFY(instance.listen());
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        QVERIFY(!runtime.isEmpty() && QFileInfo::exists(runtime + '/' + name));
        QVERIFY(!QFileInfo::exists(QDir::tempPath() + '/' + name));
        QCOMPARE(QFileInfo(runtime).permissions() & ~QFile::Permissions(0x7700),
                 QFile::Permissions());
        QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
        const QStringList atTheLimit = namesOfSize(SingleInstance::kMaxMessageBytes);
        QCOMPARE(handOverAside(name, atTheLimit), HandOver::Delivered);
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received.first().first().toStringList(), atTheLimit);
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
    }

    void hostileConnectionsAreClosedUnanswered_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("claims 1 MiB") << QByteArray::fromHex("00100000") + QByteArray(16, 'x');
        QTest::newRow("no list of names") << QByteArray::fromHex("00000003") + "abc";
        QTest::newRow("list of 4294967295 names") << QByteArray::fromHex("00000004ffffffff");
        QTest::newRow("more names than bytes") << QByteArray::fromHex("00000008000003e8ffffffff");
        QTest::newRow("name beyond the message")
            << QByteArray::fromHex("0000000c0000000100100000") + "abcd";
        QTest::newRow("odd name length") << QByteArray::fromHex("0000000a000000010000000100ff");
        QTest::newRow("bytes after the list") << QByteArray::fromHex("00000006000000006162");
        QTest::newRow("half a header, then silence") << QByteArray::fromHex("0000");
        QTest::newRow("nothing at all") << QByteArray();
    }

    // Closed without an answer, and the next hand-over still arrives.
    void hostileConnectionsAreClosedUnanswered()
    {
        QFETCH(QByteArray, bytes);
        const QString name = uniqueName();
        SingleInstance instance(name);
        instance.setConnectionTimeout(300);
        QVERIFY(instance.listen());
        QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
        bool closed = false, answered = true;
        QVERIFY(runAside([&] {
            QLocalSocket socket;
            socket.connectToServer(instance.socketPath());
            if (!socket.waitForConnected(3000))
                return;
            socket.write(bytes);
            socket.waitForBytesWritten(3000);
            closed = socket.waitForDisconnected(5000) ||
                     socket.state() == QLocalSocket::UnconnectedState;
            answered = socket.bytesAvailable() > 0;
        }));
        QVERIFY(closed && !answered);
        QCOMPARE(handOverAside(name, {QStringLiteral("/a.cfg")}), HandOver::Delivered);
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received.first().first().toStringList(), QStringList{"/a.cfg"});
    }

    void otherUsersGetNoAnswerAndNoNames()
    {
        if (geteuid() != 0)
            QSKIP("needs root to act as another user");
        QTemporaryDir folder; // one everybody may use, as /tmp was
        QVERIFY(QFile::setPermissions(folder.path(), QFile::Permissions(0x7777)));
        // Another user talks to this user's instance.
        const QString path = folder.filePath(QStringLiteral("s"));
        SingleInstance instance(path);
        QVERIFY(instance.listen());
        QVERIFY(QFile::setPermissions(path, QFile::Permissions(0x7777)));
        QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
        const QByteArray bytes = wire({QStringLiteral("/x.cfg")});
        const sockaddr_un ours = addressOf(path);
        QCOMPARE(exitCodeOf(startAsNobody([&] {
                     const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
                     if (::connect(fd, reinterpret_cast<const sockaddr *>(&ours), sizeof ours))
                         return 2;
                     if (write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
                         return 3;
                     char answer = 0;
                     return read(fd, &answer, 1) == 1 ? 1 : 0;
                 })),
                 0);
        QCoreApplication::processEvents();
        QCOMPARE(received.size(), 0);
        // Another user holds the name: the names are not handed to it.
        const QString rogue = folder.filePath(QStringLiteral("r"));
        const sockaddr_un theirs = addressOf(rogue);
        const pid_t pid = startAsNobody([&] {
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            if (bind(fd, reinterpret_cast<const sockaddr *>(&theirs), sizeof theirs) != 0 ||
                ::listen(fd, 1) != 0 || chmod(theirs.sun_path, 0777) != 0)
                return 2;
            const int peer = accept(fd, nullptr, nullptr);
            char buffer[256];
            return read(peer, buffer, sizeof buffer) > 0 ? 1 : 0;
        });
        QTRY_VERIFY(QFileInfo(rogue).permissions() & QFile::WriteOther);
        QCOMPARE(SingleInstance(rogue).handOver({QStringLiteral("/secret.cfg")}),
                 HandOver::NoInstance);
        QCOMPARE(exitCodeOf(pid), 0);
    }

    void keepsListeningAfterRunningOutOfDescriptors()
    {
        const QString name = uniqueName();
        SingleInstance instance(name);
        QVERIFY(instance.listen());
        QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
        // A connection arrives just when every descriptor is taken: Qt's server gives up.
        rlimit limits{};
        QCOMPARE(getrlimit(RLIMIT_NOFILE, &limits), 0);
        rlimit lowered = limits;
        lowered.rlim_cur = std::min<rlim_t>(limits.rlim_cur, 1024);
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &lowered), 0);
        QLocalSocket client;
        client.connectToServer(instance.socketPath());
        std::vector<int> taken;
        for (int fd = open("/dev/null", O_RDONLY); fd >= 0; fd = open("/dev/null", O_RDONLY))
            taken.push_back(fd);
        QTRY_VERIFY(!instance.isListening());
        for (int fd : taken)
            close(fd);
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &limits), 0);
        QTRY_VERIFY_WITH_TIMEOUT(instance.isListening(), 10000);
        QCOMPARE(handOverAside(name, {QStringLiteral("/b.cfg")}), HandOver::Delivered);
        QTRY_COMPARE(received.size(), 1);
    }

    void failedListenIsReported()
    {
        QProcess process;
        startProgram(process, {"--instance", "/no/such/folder/tessel"});
        QVERIFY(process.waitForStarted(10000));
        const QByteArray report = "tessel: later starts cannot hand their files to this one: "
                                  "/no/such/folder/tessel";
        QByteArray errors;
        const bool reported = QTest::qWaitFor(
            [&] {
                errors += process.readAllStandardError();
                return errors.contains(report) || process.state() == QProcess::NotRunning;
            },
            15000);
        process.kill();
        process.waitForFinished(5000);
        QVERIFY2(reported && errors.contains(report), errors.constData());
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
