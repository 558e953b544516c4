// The hand-over socket against what other local processes may do to it: hostile or idle
// connections, other users, running out of descriptors; and a flood of missing files.
#include "FrameFixture.h"
#include "platform/SingleInstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::SingleInstance;
using HandOver = platform::SingleInstance::HandOver;

namespace {

QString uniqueName()
{
    return QStringLiteral("tessel-safety-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

/** Runs @p work on a thread of its own while this one keeps serving its event loop. */
template <typename Work>
void runAside(Work work)
{
    std::unique_ptr<QThread> thread(QThread::create(work));
    thread->start();
    if (!QTest::qWaitFor([&] { return thread->isFinished(); }, 15000))
        qFatal("work aside did not end");
    thread->wait();
}

HandOver handOverAside(const QString &name, const QStringList &names)
{
    HandOver result = HandOver::NoInstance;
    runAside([&] { result = SingleInstance(name).handOver(names); });
    return result;
}

/**
 * Starts @p child in a forked process as the user "nobody" (it may only make system calls:
 * this process has threads); its exit code once it has ended, this one serving events meanwhile.
 */
template <typename Child>
pid_t startAsNobody(Child child)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(99);
        _exit(child());
    }
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

QByteArray message(const QStringList &names)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_0);
    stream << names;
    QByteArray bytes(4, '\0');
    qToBigEndian<quint32>(quint32(payload.size()), bytes.data());
    return bytes + payload;
}

} // namespace

class TestHandOverSafety : public QObject {
    Q_OBJECT
private slots:
    void hostileConnectionsAreClosedUnanswered_data();
    void hostileConnectionsAreClosedUnanswered();
    void socketLivesInThePrivateRuntimeFolder();
    void otherUsersGetNoAnswerAndNoNames();
    void failedListenIsReported();
    void keepsListeningAfterRunningOutOfDescriptors();
    void manyMissingFilesMakeOneMessage();
};

void TestHandOverSafety::hostileConnectionsAreClosedUnanswered_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("list of 4294967295 names") << QByteArray::fromHex("00000004ffffffff");
    QTest::newRow("more names than bytes") << QByteArray::fromHex("00000008000003e8ffffffff");
    QTest::newRow("name beyond the message") << QByteArray::fromHex("0000000c0000000100100000") + "abcd";
    QTest::newRow("odd name length") << QByteArray::fromHex("0000000a000000010000000100ff");
    QTest::newRow("bytes after the list") << QByteArray::fromHex("00000006000000006162");
    QTest::newRow("half a header, then silence") << QByteArray::fromHex("0000");
    QTest::newRow("nothing at all") << QByteArray();
}

void TestHandOverSafety::hostileConnectionsAreClosedUnanswered()
{
    QFETCH(QByteArray, bytes);
    const QString name = uniqueName();
    SingleInstance instance(name);
    instance.setConnectionTimeout(300);
    QVERIFY(instance.listen());
    QSignalSpy received(&instance, &SingleInstance::filesHandedOver);

    bool closed = false;
    bool answered = true;
    runAside([&] {
        QLocalSocket socket;
        socket.connectToServer(instance.socketPath());
        if (!socket.waitForConnected(3000))
            return;
        socket.write(bytes);
        socket.waitForBytesWritten(3000);
        closed = socket.waitForDisconnected(5000) || socket.state() == QLocalSocket::UnconnectedState;
        answered = socket.bytesAvailable() > 0;
    });
    QVERIFY(closed);
    QVERIFY(!answered);
    QCOMPARE(handOverAside(name, {QStringLiteral("/a.cfg")}), HandOver::Delivered);
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.first().first().toStringList(), QStringList{"/a.cfg"});
}

void TestHandOverSafety::socketLivesInThePrivateRuntimeFolder()
{
    const QString name = uniqueName();
    SingleInstance instance(name);
    QVERIFY(instance.listen());
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QVERIFY(!runtime.isEmpty());
    QCOMPARE(QFileInfo(runtime).permissions() & ~QFile::Permissions(0x7700), QFile::Permissions());
    QVERIFY(QFileInfo::exists(runtime + QLatin1Char('/') + name));
    QVERIFY(!QFileInfo::exists(QDir::tempPath() + QLatin1Char('/') + name));
}

void TestHandOverSafety::otherUsersGetNoAnswerAndNoNames()
{
    if (geteuid() != 0)
        QSKIP("needs root to act as another user");
    // A folder everybody may use, as /tmp was.
    QTemporaryDir folder;
    QVERIFY(QFile::setPermissions(folder.path(), QFile::Permissions(0x7777)));
    const QString path = folder.filePath(QStringLiteral("s"));

    // Another user talks to this user's instance.
    SingleInstance instance(path);
    QVERIFY(instance.listen());
    QVERIFY(QFile::setPermissions(path, QFile::Permissions(0x7777)));
    QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
    const QByteArray bytes = message({QStringLiteral("/x.cfg")});
    const sockaddr_un ours = addressOf(path);
    const int answered = exitCodeOf(startAsNobody([&] {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&ours), sizeof ours) != 0)
            return 2;
        if (write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
            return 3;
        char answer = 0;
        return read(fd, &answer, 1) == 1 ? 1 : 0;
    }));
    QCOMPARE(answered, 0);
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
    QCOMPARE(SingleInstance(rogue).handOver({QStringLiteral("/secret.cfg")}), HandOver::NoInstance);
    QCOMPARE(exitCodeOf(pid), 0);
}

void TestHandOverSafety::failedListenIsReported()
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tessel"),
                  {QStringLiteral("--instance"), QStringLiteral("/no/such/folder/tessel")});
    QVERIFY(process.waitForStarted(10000));
    const QByteArray report = "tessel: later starts cannot hand their files to this one: "
                              "/no/such/folder/tessel";
    QByteArray errors;
    const bool reported = QTest::qWaitFor([&] {
        errors += process.readAllStandardError();
        return errors.contains(report) || process.state() == QProcess::NotRunning;
    }, 15000);
    process.kill();
    process.waitForFinished(5000);
    QVERIFY2(reported && errors.contains(report), errors.constData());
}

void TestHandOverSafety::keepsListeningAfterRunningOutOfDescriptors()
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

void TestHandOverSafety::manyMissingFilesMakeOneMessage()
{
    FrameFixture f;
    QStringList paths;
    for (int i = 0; i < 1000; ++i)
        paths << f.folder.filePath(QStringLiteral("missing%1.cfg").arg(i));
    paths << f.writeFile(QStringLiteral("there.cfg"), "set a 1\r\n");
    f.frame->openCommandLineFiles(paths);

    QCOMPARE(f.frame->documentWindows().size(), 1);
    QCOMPARE(f.dialogs.messages.size(), 1);
    const QStringList lines = f.dialogs.messages.first().text.split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("Can't open 1000 files:"));
    QCOMPARE(lines.at(2), paths.first() + QStringLiteral(": The file does not exist."));
    QCOMPARE(lines.last(), QStringLiteral("and 995 more."));
    QCOMPARE(lines.size(), 9);
}

QTEST_MAIN(TestHandOverSafety)
#include "tst_handoversafety.moc"
