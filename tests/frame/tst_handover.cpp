// A second start of Tessel with file names hands them to the running one: the real program
// against a frame in this process, under a server name of the test's own.
#include "EditorProbe.h"
#include "FrameFixture.h"
#include "platform/SingleInstance.h"

#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QThread>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using platform::SingleInstance;
using HandOver = platform::SingleInstance::HandOver;

namespace {

QString uniqueName()
{
    return QStringLiteral("tessel-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

QString program() { return QCoreApplication::applicationDirPath() + QStringLiteral("/tessel"); }

/** Runs @p work on a thread of its own while this one keeps serving its event loop. */
template <typename Work>
bool runAside(Work work)
{
    std::unique_ptr<QThread> thread(QThread::create(work));
    thread->start();
    const bool finished = QTest::qWaitFor([&] { return thread->isFinished(); }, 10000);
    thread->wait();
    return finished;
}

/** The number of bytes a hand-over of @p names takes, as the wire carries it. */
qsizetype messageBytes(const QStringList &names)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_0);
    stream << names;
    return bytes.size();
}

/** One name making a hand-over of exactly @p bytes. */
QStringList namesOfSize(qsizetype bytes)
{
    const QStringList empty{QString()};
    const qsizetype characters = (bytes - messageBytes(empty)) / 2;
    QStringList names{QString(characters, QLatin1Char('n'))};
    if (messageBytes(names) != bytes)
        qFatal("cannot build a hand-over of %lld bytes", qlonglong(bytes));
    return names;
}

} // namespace

class TestHandOver : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void secondStartOpensItsFilesInTheRunningOne();
    void sameNameHandedOverTwiceOpensTwice();
    void unreadableHandedOverFileIsReported();
    void messageAtTheLimitArrivesWhole();
    void messageOverTheLimitIsRefusedWhole();
    void nobodyListening();
    void malformedMessagesAreRefused();
    void runningInstanceIsNotTakenOver();
    void staleSocketIsReplaced();
    void secondStartWithoutFilesLeavesTheRunningOneListening();
    void withNobodyListeningTheProgramBecomesTheFirstInstance();
    void manyFilesWithNobodyListeningStartAFirstInstance();

private:
    /** Starts the program with @p arguments in @p folder and waits until it has ended. */
    static int runSecondStart(const QStringList &arguments, const QString &folder);
    static void startHeadless(QProcess &process, const QStringList &arguments);
};

void TestHandOver::initTestCase() { QVERIFY2(QFileInfo(program()).isExecutable(), qPrintable(program())); }

void TestHandOver::startHeadless(QProcess &process, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program(), arguments);
}

int TestHandOver::runSecondStart(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    startHeadless(process, arguments);
    if (!process.waitForStarted(10000))
        return -1;
    // The hand-over needs this process's event loop, so no blocking wait here.
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 15000)) {
        process.kill();
        process.waitForFinished();
        return -2;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -3;
}

void TestHandOver::secondStartOpensItsFilesInTheRunningOne()
{
    FrameFixture f;
    const QString name = uniqueName();
    SingleInstance instance(name);
    QVERIFY(instance.listen());
    connect(&instance, &SingleInstance::filesHandedOver, f.frame.get(),
            &frame::frmParent::openCommandLineFiles);
    // The sender's own folder, not this process's, resolves its relative names.
    QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("sender")));
    const QString a = f.writeFile("sender/a.cfg", "bind a +attack\r\n");
    const QString bc = f.writeFile("sender/b c.cfg", "set b 1\r\n");

    QCOMPARE(runSecondStart({"--instance", name, "a.cfg", "b c.cfg"}, f.folder.filePath("sender")), 0);
    QTRY_COMPARE(f.frame->documentWindows().size(), 2);
    QCOMPARE(f.frame->documentWindows().at(0)->Caption(), a);
    QCOMPARE(f.frame->documentWindows().at(1)->Caption(), bc);
    QCOMPARE(f.active()->editor()->Text(), QStringLiteral("set b 1\r\n"));
    // Opened as start-up opens them: not recoloured.
    QVERIFY(looksLike(f.frame->documentWindows().at(0)->editor(), 0, 4, platform::RichEdit::black(), false));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestHandOver::sameNameHandedOverTwiceOpensTwice()
{
    FrameFixture f;
    const QString name = uniqueName();
    SingleInstance instance(name);
    QVERIFY(instance.listen());
    connect(&instance, &SingleInstance::filesHandedOver, f.frame.get(),
            &frame::frmParent::openCommandLineFiles);
    const QString path = f.writeFile(QStringLiteral("\"q3\" \u00e9t\u00e9.cfg"), "x\r\n");
    for (int time = 1; time <= 2; ++time) {
        QCOMPARE(runSecondStart({"--instance", name, "--", path}, QDir::tempPath()), 0);
        QTRY_COMPARE(f.frame->documentWindows().size(), time);
    }
    for (document::frmChild *child : f.frame->documentWindows())
        QCOMPARE(child->Caption(), path);
}

void TestHandOver::unreadableHandedOverFileIsReported()
{
    FrameFixture f;
    const QString name = uniqueName();
    SingleInstance instance(name);
    QVERIFY(instance.listen());
    connect(&instance, &SingleInstance::filesHandedOver, f.frame.get(),
            &frame::frmParent::openCommandLineFiles);
    const QString good = f.writeFile("good.cfg", "x\r\n");
    QCOMPARE(runSecondStart({"--instance", name, "missing.cfg", "good.cfg"}, f.folder.path()), 0);
    QTRY_COMPARE(f.frame->documentWindows().size(), 1);
    QCOMPARE(f.active()->Caption(), good);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages.first().text.startsWith(
        QStringLiteral("Can't open file: ") + f.folder.filePath(QStringLiteral("missing.cfg"))));
}

void TestHandOver::messageAtTheLimitArrivesWhole()
{
    const QString name = uniqueName();
    SingleInstance instance(name);
    QVERIFY(instance.listen());
    QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
    const QStringList names = namesOfSize(SingleInstance::kMaxMessageBytes);
    HandOver result = HandOver::NoInstance;
    QVERIFY(runAside([&] { result = SingleInstance(name).handOver(names); }));
    QCOMPARE(result, HandOver::Delivered);
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.first().first().toStringList(), names);
}

void TestHandOver::messageOverTheLimitIsRefusedWhole()
{
    const QString name = uniqueName();
    SingleInstance instance(name);
    QVERIFY(instance.listen());
    QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
    SingleInstance sender(name);
    QCOMPARE(sender.handOver(namesOfSize(SingleInstance::kMaxMessageBytes + 2)), HandOver::TooLong);
    QStringList many;
    for (int i = 0; i < 2000; ++i)
        many << QStringLiteral("/home/player/quake3/baseq3/config%1.cfg").arg(i);
    QCOMPARE(sender.handOver(many), HandOver::TooLong);
    QCoreApplication::processEvents();
    QCOMPARE(received.size(), 0);

    // With nobody to hand them to, the names are not too long: this start opens them itself.
    QCOMPARE(SingleInstance(uniqueName()).handOver(many), HandOver::NoInstance);
}

void TestHandOver::nobodyListening()
{
    SingleInstance sender(uniqueName());
    QCOMPARE(sender.handOver({QStringLiteral("/tmp/a.cfg")}), HandOver::NoInstance);
    QVERIFY(!sender.isListening());
}

void TestHandOver::malformedMessagesAreRefused()
{
    const QString name = uniqueName();
    SingleInstance instance(name);
    QVERIFY(instance.listen());
    QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
    const QList<QByteArray> messages = {
        QByteArray::fromHex("00100000") + QByteArray(16, 'x'), // claims 1 MiB
        QByteArray::fromHex("00000003") + "abc",                // not a list of names
    };
    for (const QByteArray &message : messages) {
        bool answered = true;
        QVERIFY(runAside([&] {
            QLocalSocket socket;
            socket.connectToServer(name);
            if (!socket.waitForConnected(3000))
                return;
            socket.write(message);
            socket.waitForBytesWritten(3000);
            socket.waitForReadyRead(3000);
            answered = socket.bytesAvailable() > 0;
        }));
        QVERIFY(!answered);
    }
    // Still listening, and still taking well-formed hand-overs.
    HandOver result = HandOver::NoInstance;
    QVERIFY(runAside([&] { result = SingleInstance(name).handOver({QStringLiteral("/a.cfg")}); }));
    QCOMPARE(result, HandOver::Delivered);
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.first().first().toStringList(), QStringList{"/a.cfg"});
}

void TestHandOver::runningInstanceIsNotTakenOver()
{
    const QString name = uniqueName();
    SingleInstance first(name);
    QVERIFY(first.listen());
    QSignalSpy received(&first, &SingleInstance::filesHandedOver);
    SingleInstance second(name);
    QVERIFY(!second.listen());
    HandOver result = HandOver::NoInstance;
    QVERIFY(runAside([&] { result = SingleInstance(name).handOver({QStringLiteral("/b.cfg")}); }));
    QCOMPARE(result, HandOver::Delivered);
    QTRY_COMPARE(received.size(), 1);
}

void TestHandOver::staleSocketIsReplaced()
{
    // What a crashed instance leaves behind: a socket file that nobody listens on.
    const QString name = uniqueName();
    const QByteArray path = QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    QVERIFY(size_t(path.size()) < sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
    QVERIFY(QFileInfo::exists(QFile::decodeName(path)));

    QCOMPARE(SingleInstance(name).handOver({QStringLiteral("/a.cfg")}), HandOver::NoInstance);
    SingleInstance instance(name);
    QVERIFY(instance.listen());
    QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
    HandOver result = HandOver::NoInstance;
    QVERIFY(runAside([&] { result = SingleInstance(name).handOver({QStringLiteral("/c.cfg")}); }));
    QCOMPARE(result, HandOver::Delivered);
    QTRY_COMPARE(received.size(), 1);
}

void TestHandOver::secondStartWithoutFilesLeavesTheRunningOneListening()
{
    const QString name = uniqueName();
    SingleInstance instance(name);
    QVERIFY(instance.listen());
    QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
    QProcess second;
    startHeadless(second, {QStringLiteral("--instance"), name});
    QVERIFY(second.waitForStarted(10000));
    // It runs a frame of its own...
    QVERIFY(!second.waitForFinished(1000));
    // ...but later starts still hand over to the first one, also after it is gone.
    for (int time = 1; time <= 2; ++time) {
        HandOver result = HandOver::NoInstance;
        QVERIFY(runAside([&] { result = SingleInstance(name).handOver({QStringLiteral("/d.cfg")}); }));
        QCOMPARE(result, HandOver::Delivered);
        QTRY_COMPARE(received.size(), time);
        second.kill();
        second.waitForFinished(5000);
    }
}

void TestHandOver::withNobodyListeningTheProgramBecomesTheFirstInstance()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("first.cfg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("set a 1\r\n");
    file.close();

    const QString name = uniqueName();
    QProcess process;
    const auto cleanUp = qScopeGuard([&] {
        process.kill();
        process.waitForFinished(5000);
        QLocalServer::removeServer(name);
    });
    startHeadless(process, {QStringLiteral("--instance"), name, path});
    QVERIFY(process.waitForStarted(10000));
    // It listens as the first instance: a later start can hand it files.
    QTRY_VERIFY_WITH_TIMEOUT(process.state() != QProcess::Running ||
                                 SingleInstance(name).handOver({path}) == HandOver::Delivered,
                             10000);
    QVERIFY(!process.waitForFinished(1000));
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished(5000);

    // Killed, it left its socket behind; the next first instance takes the name over.
    QVERIFY(QFileInfo::exists(QDir::tempPath() + QLatin1Char('/') + name));
    SingleInstance next(name);
    QVERIFY(next.listen());
}

void TestHandOver::manyFilesWithNobodyListeningStartAFirstInstance()
{
    const QString name = uniqueName();
    QStringList arguments{QStringLiteral("--instance"), name};
    for (int i = 0; i < 2000; ++i)
        arguments << QStringLiteral("/no/such/folder/config%1.cfg").arg(i);
    QProcess process;
    const auto cleanUp = qScopeGuard([&] {
        process.kill();
        process.waitForFinished(5000);
        QLocalServer::removeServer(name);
    });
    startHeadless(process, arguments);
    QVERIFY(process.waitForStarted(10000));
    // It listens: no refusal stopped it before it got that far.
    QTRY_VERIFY_WITH_TIMEOUT(process.state() != QProcess::Running ||
                                 SingleInstance(name).handOver({}) == HandOver::Delivered,
                             10000);
    QCOMPARE(process.state(), QProcess::Running);
}

QTEST_MAIN(TestHandOver)
#include "tst_handover.moc"
