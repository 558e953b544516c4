// A document counts as changed only when its characters change: not when the caret moves,
// a keyword is recoloured, or a key pressed in a dialog is released over the editor.
#include "FrameFixture.h"
#include "document/Formatting.h"
#include "lists/ListSearch.h"

#include <QCheckBox>
#include <QDialog>
#include <QtTest>

using document::frmChild;

class TestChangedMark : public QObject {
    Q_OBJECT
private slots:
    void keyInTheEditor_data();
    void keyInTheEditor();
    void newDocumentChosenWithEnterIsReusedByOpen();
};

void TestChangedMark::keyInTheEditor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("coloured");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("pressedHere"); // false: only its release reaches the editor
    QTest::addColumn<bool>("changes");

    const QString lines = QStringLiteral("set a 1\r\nbind x y");
    QTest::newRow("Right after a keyword") << lines << true << 3 << int(Qt::Key_Right) << true << false;
    QTest::newRow("Left") << lines << true << 5 << int(Qt::Key_Left) << true << false;
    QTest::newRow("Down") << lines << true << 0 << int(Qt::Key_Down) << true << false;
    QTest::newRow("End") << lines << true << 0 << int(Qt::Key_End) << true << false;
    QTest::newRow("Enter of a dialog") << lines << true << 9 << int(Qt::Key_Return) << false << false;
    QTest::newRow("Escape of a dialog") << lines << true << 9 << int(Qt::Key_Escape) << false << false;
    QTest::newRow("Space of a dialog after bind")
        << QStringLiteral("bind ") << true << 5 << int(Qt::Key_Space) << false << false;
    QTest::newRow("typed letter") << lines << true << 7 << int(Qt::Key_X) << true << true;
    QTest::newRow("typed Enter") << lines << true << 7 << int(Qt::Key_Return) << true << true;
    QTest::newRow("Backspace") << lines << true << 7 << int(Qt::Key_Backspace) << true << true;
}

void TestChangedMark::keyInTheEditor()
{
    QFETCH(QString, text);
    QFETCH(bool, coloured);
    QFETCH(int, caret);
    QFETCH(int, key);
    QFETCH(bool, pressedHere);
    QFETCH(bool, changes);

    bool listShown = false;
    FrameFixture f;
    frmChild *child = f.newDocument();
    platform::RichEdit *editor = child->editor();
    // Should the keys list pop up, its wait for a Space ends here rather than never.
    QTimer::singleShot(0, child, [&] {
        listShown = child->lsKeys()->isVisible();
        child->setSpaceTyped(true);
    });
    editor->LoadPlainText(text, [&] {
        if (coloured)
            document::FormatWholeFile(editor, nullptr);
    });
    editor->setSelStart(caret);
    f.slotOf(child).Dirty = false;

    if (pressedHere)
        QTest::keyClick(editor, Qt::Key(key));
    else
        QTest::keyRelease(editor, Qt::Key(key));
    QCOMPARE(f.slotOf(child).Dirty, changes);
    QCOMPARE(editor->Text() != text, changes);
    QVERIFY(!child->lsKeys()->isVisible() && !listShown);
}

void TestChangedMark::newDocumentChosenWithEnterIsReusedByOpen()
{
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("a.cfg"), "set a 1\r\n");
    f.frame->newDocumentCommand();
    QDialog *dialog = FrameFixture::selectModDialog();
    QVERIFY(dialog);
    dialog->findChild<QCheckBox *>(QStringLiteral("chkBlank"))->setChecked(true);
    // Enter goes down in the dialog, which closes; it comes up in the new document.
    QTest::keyPress(dialog, Qt::Key_Return);
    f.settle();
    QVERIFY(!FrameFixture::selectModDialog());
    QTest::keyRelease(f.active()->editor(), Qt::Key_Return);

    f.dialogs.openAnswers.enqueue({path});
    f.frame->openCommand();
    QCOMPARE(f.frame->documentWindows().size(), 1);
    QCOMPARE(f.active()->Caption(), path);
}

QTEST_MAIN(TestChangedMark)
#include "tst_changedmark.moc"
