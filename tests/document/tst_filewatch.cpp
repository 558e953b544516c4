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
    void changedFileAsks_data();
    void changedFileAsks();
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

void TestFileWatch::changedFileAsks_data()
{
    QTest::addColumn<bool>("saveFirst"); // Save comes before Tessel notices the change
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QByteArray>("text");   // in the editor after the answer
    QTest::addColumn<QByteArray>("onDisk"); // after Save
    // clang-format off
    QTest::newRow("reload") << false << Answer::Yes << "changed by another program" << kTheirs << kTheirs;
    QTest::newRow("keep mine") << false << Answer::No << "changed by another program" << "x" + kOurs << "x" + kOurs;
    QTest::newRow("save over") << true << Answer::Yes << "since it was opened or saved" << "x" + kOurs << "x" + kOurs;
    QTest::newRow("keep the file") << true << Answer::No << "since it was opened or saved" << "x" + kOurs << kTheirs;
    // clang-format on
}

void TestFileWatch::changedFileAsks()
{
    QFETCH(bool, saveFirst);
    QFETCH(Answer, answer);
    QFETCH(QString, question);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, onDisk);
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("q3config.cfg"), kOurs);
    frmChild *child = f.frame->documents().OpenDocument(path);
    FrameFixture::type(child, QStringLiteral("x"));
    f.dialogs.answers.enqueue(answer);
    replaceFile(path, kTheirs); // the game rewrites it
    if (saveFirst)
        FrameFixture::trigger(child, "mnuChildFileSave");
    QTRY_COMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages.first().text.contains(question));
    QCOMPARE(f.dialogs.messages.first().buttons == platform::Buttons::ReloadKeep, !saveFirst);
    QCOMPARE(child->editor()->Text(), QString::fromLatin1(text));
    QCOMPARE(f.slotOf(child).Dirty, answer == Answer::No);
    if (!saveFirst) { // having chosen, the user is not asked again by Save
        FrameFixture::trigger(child, "mnuChildFileSave");
        QCOMPARE(f.dialogs.messages.size(), 1);
    }
    QCOMPARE(f.readFile(path), onDisk);
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
