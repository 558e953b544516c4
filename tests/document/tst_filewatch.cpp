// Files changed or deleted by other programs while open in Tessel.
#include "FrameFixture.h"

#include <QSaveFile>
#include <QtTest>

using document::frmChild;
using platform::Answer;

namespace {

const QByteArray kOurs = "bind a \"+back\"\r\nbind b \"+fwd\"\r\nbind c \"+left\"\r\n";
const QByteArray kTheirs = "seta name Game\r\nseta rate 25000\r\nseta snaps 40\r\n";

/** Another program saves the careful way: a new file renamed over the old one. */
void replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    QVERIFY(file.commit());
}

} // namespace

class TestFileWatch : public QObject {
    Q_OBJECT
private slots:
    void cleanDocumentReloadsKeepingCaretLine();
    void changedDocumentAsks_data();
    void changedDocumentAsks();
    void saveOverChangedFileAsks_data();
    void saveOverChangedFileAsks();
    void deletedFileIsToldAndMarksChanged();
};

void TestFileWatch::cleanDocumentReloadsKeepingCaretLine()
{
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("q3config.cfg"), kOurs);
    frmChild *child = f.frame->documents().OpenDocument(path);
    child->editor()->Select(20, 0); // line 2
    replaceFile(path, kTheirs);
    QTRY_COMPARE(child->editor()->Text(), QString::fromLatin1(kTheirs));
    QCOMPARE(child->editor()->GetLineFromChar(child->editor()->SelStart()), 1);
    QCOMPARE(f.slotOf(child).Dirty, false);
    // Still watched after the rename, and after a write in place.
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("seta name Other\r\n");
    file.close();
    QTRY_COMPARE(child->editor()->Text(), QStringLiteral("seta name Other\r\n"));
    QCOMPARE(f.dialogs.messages.size(), 0);
}

void TestFileWatch::changedDocumentAsks_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("text");
    QTest::newRow("reload") << Answer::Yes << QString::fromLatin1(kTheirs);
    QTest::newRow("keep mine") << Answer::No << QString::fromLatin1("x" + kOurs);
}

void TestFileWatch::changedDocumentAsks()
{
    QFETCH(Answer, answer);
    QFETCH(QString, text);
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("q3config.cfg"), kOurs);
    frmChild *child = f.frame->documents().OpenDocument(path);
    FrameFixture::type(child, QStringLiteral("x"));
    f.dialogs.answers.enqueue(answer);
    replaceFile(path, kTheirs);
    QTRY_COMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.first().buttons, platform::Buttons::ReloadKeep);
    QVERIFY(f.dialogs.messages.first().text.contains(QStringLiteral("changed by another program")));
    QCOMPARE(child->editor()->Text(), text);
    QCOMPARE(f.slotOf(child).Dirty, answer == Answer::No);
    // Having chosen, the user is not asked again by Save.
    FrameFixture::trigger(child, "mnuChildFileSave");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.readFile(path), text.toLatin1());
}

void TestFileWatch::saveOverChangedFileAsks_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QByteArray>("onDisk");
    QTest::newRow("save over") << Answer::Yes << "x" + kOurs;
    QTest::newRow("keep the file") << Answer::No << kTheirs;
}

void TestFileWatch::saveOverChangedFileAsks()
{
    QFETCH(Answer, answer);
    QFETCH(QByteArray, onDisk);
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("q3config.cfg"), kOurs);
    frmChild *child = f.frame->documents().OpenDocument(path);
    FrameFixture::type(child, QStringLiteral("x"));
    replaceFile(path, kTheirs); // the game rewrites it; Save comes before Tessel looks
    f.dialogs.answers.enqueue(answer);
    FrameFixture::trigger(child, "mnuChildFileSave");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages.first().text.contains(QStringLiteral("since it was opened or saved")));
    QCOMPARE(f.readFile(path), onDisk);
    QCOMPARE(f.slotOf(child).Dirty, answer == Answer::No);
}

void TestFileWatch::deletedFileIsToldAndMarksChanged()
{
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("q3config.cfg"), kOurs);
    frmChild *child = f.frame->documents().OpenDocument(path);
    QVERIFY(QFile::remove(path));
    QTRY_COMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages.first().text.contains(QStringLiteral("deleted or moved")));
    QVERIFY(f.slotOf(child).Dirty);
    QCOMPARE(child->editor()->Text(), QString::fromLatin1(kOurs));
    FrameFixture::trigger(child, "mnuChildFileSave"); // one Save puts it back, unasked
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.readFile(path), kOurs);
}

QTEST_MAIN(TestFileWatch)
#include "tst_filewatch.moc"
