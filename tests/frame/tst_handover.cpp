// A second start of Tessel with file names hands them to the running one: the real program
// against a frame in this process, under a server name of the test's own.
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

void startHeadless(QProcess &process, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program(), arguments);
}

/** Starts the program with @p arguments in @p folder and waits until it has ended. */
int runSecondStart(const QStringList &arguments, const QString &folder)
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

/** A hand-over from a thread of its own, so that this one can receive it. */
HandOver handOverAside(const QString &name, const QStringList &names)
{
    HandOver result = HandOver::NoInstance;
    if (!runAside([&] { result = SingleInstance(name).handOver(names); }))
        qWarning("the hand-over did not end");
    return result;
}

/** A frame in this process that opens what is handed over to it. */
struct RunningFrame : FrameFixture {
    RunningFrame()
    {
        if (!instance.listen())
            qFatal("cannot listen as %s", qPrintable(name));
        QObject::connect(&instance, &SingleInstance::filesHandedOver, frame.get(),
                         &frame::frmParent::openCommandLineFiles);
    }
    const QString name = uniqueName();
    SingleInstance instance{name};
};

} // namespace

class TestHandOver : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void secondStartOpensItsFilesInTheRunningOne();
    void sameNameHandedOverTwiceOpensTwice();
    void messageOverTheLimitIsRefusedWhole();
    void malformedMessagesAreRefused();
    void secondStartWithoutFilesLeavesTheRunningOneListening();
    void withNobodyListeningTheProgramBecomesTheFirstInstance();
};

void TestHandOver::initTestCase()
{
    QVERIFY2(QFileInfo(program()).isExecutable(), qPrintable(program()));
}

void TestHandOver::secondStartOpensItsFilesInTheRunningOne()
{
    RunningFrame f;
    // The sender's own folder, not this process's, resolves its relative names.
    QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("sender")));
    const QString a = f.writeFile("sender/a.cfg", "bind a +attack\r\n");
    const QString bc = f.writeFile("sender/b c.cfg", "set b 1\r\n");

    QCOMPARE(runSecondStart({"--instance", f.name, "a.cfg", "missing.cfg", "b c.cfg"},
                            f.folder.filePath("sender")),
             0);
    QTRY_COMPARE(f.frame->documentWindows().size(), 2);
    QCOMPARE(f.frame->documentWindows().at(0)->Caption(), a);
    QCOMPARE(f.frame->documentWindows().at(1)->Caption(), bc);
    QCOMPARE(f.active()->editor()->Text(), QStringLiteral("set b 1\r\n"));
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages.first().text.startsWith(
        "Can't open file: " + f.folder.filePath(QStringLiteral("sender/missing.cfg"))));
}

void TestHandOver::sameNameHandedOverTwiceOpensTwice()
{
    RunningFrame f;
    const QString path = f.writeFile(QStringLiteral("\"q3\" \u00e9t\u00e9.cfg"), "x\r\n");
    for (int time = 1; time <= 2; ++time) {
        QCOMPARE(runSecondStart({"--instance", f.name, "--", path}, QDir::tempPath()), 0);
        QTRY_COMPARE(f.frame->documentWindows().size(), time);
    }
    for (document::frmChild *child : f.frame->documentWindows())
        QCOMPARE(child->Caption(), path);
}

void TestHandOver::messageOverTheLimitIsRefusedWhole()
{
    const QString name = uniqueName();
    SingleInstance instance(name);
    QVERIFY(instance.listen());
    QSignalSpy received(&instance, &SingleInstance::filesHandedOver);
    const QStringList atTheLimit = namesOfSize(SingleInstance::kMaxMessageBytes);
    QCOMPARE(handOverAside(name, atTheLimit), HandOver::Delivered);
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.first().first().toStringList(), atTheLimit);

    SingleInstance sender(name);
    QCOMPARE(sender.handOver(namesOfSize(SingleInstance::kMaxMessageBytes + 2)), HandOver::TooLong);
    QStringList many;
    for (int i = 0; i < 2000; ++i)
        many << QStringLiteral("/home/player/quake3/baseq3/config%1.cfg").arg(i);
    QCOMPARE(sender.handOver(many), HandOver::TooLong);
    QCoreApplication::processEvents();
    QCOMPARE(received.size(), 1);

    // With nobody to hand them to, the names are not too long: this start opens them itself.
    SingleInstance alone(uniqueName());
    QCOMPARE(alone.handOver(many), HandOver::NoInstance);
    QVERIFY(!alone.isListening());
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
    // Still listening, and still taking well-formed hand-overs.
    QCOMPARE(handOverAside(name, {QStringLiteral("/a.cfg")}), HandOver::Delivered);
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.first().first().toStringList(), QStringList{"/a.cfg"});
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
    // It runs a frame of its own, but does not take the name over...
    QVERIFY(!second.waitForFinished(1000));
    QVERIFY(!SingleInstance(name).listen());
    // ...but later starts still hand over to the first one, also after it is gone.
    for (int time = 1; time <= 2; ++time) {
        QCOMPARE(handOverAside(name, {QStringLiteral("/d.cfg")}), HandOver::Delivered);
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

    // More names than one hand-over could carry: with nobody to refuse them, it still starts.
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
    startHeadless(process, arguments);
    QVERIFY(process.waitForStarted(10000));
    // It listens as the first instance: a later start can hand it files.
    QTRY_VERIFY_WITH_TIMEOUT(process.state() != QProcess::Running ||
                                 SingleInstance(name).handOver({path}) == HandOver::Delivered,
                             10000);
    QVERIFY(!process.waitForFinished(1000));
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished(5000);

    // Killed, it left its socket behind: nobody takes hand-overs there, and the next first
    // instance takes the name over.
    QVERIFY(QFileInfo::exists(SingleInstance(name).socketPath()));
    QCOMPARE(SingleInstance(name).handOver({path}), HandOver::NoInstance);
    SingleInstance next(name);
    QVERIFY(next.listen());
    QSignalSpy received(&next, &SingleInstance::filesHandedOver);
    QCOMPARE(handOverAside(name, {path}), HandOver::Delivered);
    QTRY_COMPARE(received.size(), 1);
}

QTEST_MAIN(TestHandOver)
#include "tst_handover.moc"
