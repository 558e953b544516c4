// Recovery copies: their file format, and a real Tessel killed with unsaved text.
#include "EditorProbe.h"
#include "FrameFixture.h"
#include "core/Keywords.h"
#include "document/Recovery.h"
#include "document/RecoveryFile.h"

#include <QDirIterator>
#include <QProcess>
#include <QtTest>

using document::RecoveryRecord;

namespace {

const RecoveryRecord kRecord{QStringLiteral("C:/q3/ü [*].cfg"), QStringLiteral("C:/q3/ü [*].cfg"), core::Game::Quake3, 7,
                             QStringLiteral("OSP"), QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 6), Qt::UTC),
                             QByteArrayLiteral("{\\rtf1 bind\\par x}"), document::LineEnds::Lf};

QStringList filesBelow(const QString &folder, const QString &pattern)
{
    QStringList files;
    for (QDirIterator it(folder, {pattern}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next();
    return files;
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void fileRoundTrips();
    void damagedFileIsRefused_data();
    void damagedFileIsRefused();
    void killedTesselIsRecovered_data();
    void killedTesselIsRecovered();
    void unwritableFolderIsToldOnce();
};

void TestRecovery::fileRoundTrips()
{
    QCOMPARE(document::decodeRecovery(document::encodeRecovery(kRecord)), kRecord);
}

void TestRecovery::damagedFileIsRefused_data()
{
    const QByteArray good = document::encodeRecovery(kRecord);
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << "incomplete";
    QTest::newRow("truncated") << good.chopped(3) << "truncated";
    QTest::newRow("text changed") << good.left(good.size() - 2) + "yy" << "checksum";
    QTest::newRow("other file") << "{\\rtf1 x}\n\nx" + good << "not a Tessel recovery file";
    QTest::newRow("header line") << QByteArray(good).replace("game: 1", "game 1") << "damaged";
    QTest::newRow("field missing") << QByteArray(good).replace("path: ", "paths: ") << "lacks \"path\"";
    QTest::newRow("bad number") << QByteArray(good).replace("mod: 7", "mod: x") << "damaged";
}

void TestRecovery::damagedFileIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QString why;
    QVERIFY(!document::decodeRecovery(bytes, &why));
    QVERIFY2(why.contains(reason), qPrintable(why));
}

void TestRecovery::killedTesselIsRecovered_data()
{
    QTest::addColumn<bool>("recover");
    QTest::newRow("recover") << true;
    QTest::newRow("discard") << false;
}

// The file of an open document is coloured by a reload, then deleted by another program:
// the document holds unsaved text only Tessel has. Tessel is killed; a new run offers it.
void TestRecovery::killedTesselIsRecovered()
{
    QFETCH(bool, recover);
    FrameFixture f;
    const QString cfg = f.writeFile(QStringLiteral("autoexec.cfg"), "// start\r\n");
    const QString data = f.folder.filePath(QStringLiteral("data"));
    QProcess tessel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), f.folder.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), data);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), f.folder.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    tessel.setProcessEnvironment(env);
    tessel.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tessel"),
                 {QStringLiteral("--instance"), QStringLiteral("tst_recovery-%1").arg(QCoreApplication::applicationPid()), cfg});
    QVERIFY(tessel.waitForStarted());
    const auto stop = qScopeGuard([&tessel] { tessel.kill(); tessel.waitForFinished(); });
    QTRY_VERIFY_WITH_TIMEOUT(!filesBelow(data, QStringLiteral("lock")).isEmpty(), 10000);
    QTest::qWait(500); // the file is open and watched
    f.writeFile(QStringLiteral("autoexec.cfg"), "bind x \"+attack\"\nseta name Slim\n");
    QTest::qWait(1500); // reloaded and coloured
    QFile::remove(cfg);
    QTRY_VERIFY_WITH_TIMEOUT(!filesBelow(data, QStringLiteral("*.recovery")).isEmpty(), 15000);
    tessel.kill(); // SIGKILL: nothing of Tessel's runs after it
    QVERIFY(tessel.waitForFinished());

    const QString folder = QFileInfo(QFileInfo(filesBelow(data, QStringLiteral("lock")).first()).path()).path();
    f.dialogs.answers.enqueue(recover ? platform::Answer::Yes : platform::Answer::No);
    f.frame->documents().enableRecovery(folder);
    f.frame->documents().recovery()->offerRecovery();
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages.first().text.contains(QStringLiteral("autoexec.cfg  in ") + f.folder.path()));
    QCOMPARE(f.frame->documentWindows().size(), recover ? 1 : 0);
    f.frame->documents().recovery()->flush();
    if (recover) {
        document::frmChild *child = f.active();
        QCOMPARE(child->Caption(), cfg);
        QVERIFY(f.slotOf(child).Dirty);
        QCOMPARE(child->editor()->Text(), QStringLiteral("bind x \"+attack\"\r\nseta name Slim\r\n"));
        QVERIFY(looksLike(child->editor(), 0, 4, core::keywordRow(core::Keyword::Bind).color, true));
        QVERIFY(looksLike(child->editor(), 4, 3, Qt::black, false));
        QVERIFY(!child->menuItem(QStringLiteral("mnuEditUndo"))->isEnabled()); // Undo can't take it away
        FrameFixture::trigger(child, "mnuChildFileSave");
        QCOMPARE(f.readFile(cfg), QByteArray("bind x \"+attack\"\nseta name Slim\n")); // its own LF
    }
    f.frame->documents().recovery()->endSession();
    QTRY_COMPARE(filesBelow(folder, QStringLiteral("*")), QStringList());
}

void TestRecovery::unwritableFolderIsToldOnce()
{
    FrameFixture f;
    const QString blocker = f.writeFile(QStringLiteral("not-a-folder"), "x");
    f.frame->documents().enableRecovery(blocker + QStringLiteral("/recovery"));
    f.frame->documents().recovery()->offerRecovery();
    FrameFixture::type(f.newDocument(), QStringLiteral("bind"));
    f.frame->documents().recovery()->flush();
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages.first().text.contains(QStringLiteral("cannot keep recovery copies")));
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
