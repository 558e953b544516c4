// The Insert menu and the write contract every writer shares.
#include "EditorProbe.h"
#include "FrameFixture.h"
#include "document/KeywordScan.h"
#include "lists/ListSearch.h"

#include <QLineEdit>
#include <QtTest>

using document::frmChild;

namespace {
const QColor kBlack(0, 0, 0);

void pressInSearch(ListSearch *list, Qt::Key key)
{
    QTest::keyClick(list->findChild<QLineEdit *>(QStringLiteral("txtSearch")), key);
}
} // namespace

class TestInsertCommands : public QObject {
    Q_OBJECT
private slots:
    void bindOnAnEmptyDocumentAsksForAKeyThenAnAction();
    void bindWrapsTheSelectedKey();
    void bindWrapsAMultiLineSelection();
    void setIsRedAndCtrlSInsertsIt();
    void endMarkerIsBlackAndBold();
    void commentTakesTheFormatBeforeTheCaret();
    void highlightWithLengthZeroChangesNothing();
    void pendingBindEndsWhenTheWindowCloses();
};

void TestInsertCommands::bindOnAnEmptyDocumentAsksForAKeyThenAnAction()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.frame->documents().slot(child->Tag()).Game = 1;
    bool keysShown = false;
    bool bindsShown = false;
    QTimer::singleShot(0, child, [&] {
        keysShown = child->lsKeys()->isVisible();
        // Pick a key as a user would: type its first letters and accept with Tab.
        QTest::keyClicks(child->lsKeys()->findChild<QLineEdit *>(QStringLiteral("txtSearch")),
                         QStringLiteral("mouse"));
        QTest::keyClick(child->lsKeys()->findChild<QLineEdit *>(QStringLiteral("txtSearch")), Qt::Key_Tab);
        QTest::keyClick(child->editor(), Qt::Key_Space);
    });
    f.trigger(child, "mnuInsertCommandBind");
    bindsShown = child->lsBinds()->isVisible();
    QVERIFY(keysShown);
    QVERIFY(bindsShown);
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind mouse1 "));
    QVERIFY(looksLike(child->editor(), 0, 4, document::bindColor(), true));
    QVERIFY(looksLike(child->editor(), 4, 8, kBlack, false));
    pressInSearch(child->lsBinds(), Qt::Key_Escape);
    QVERIFY(!child->lsBinds()->isVisible());
}

void TestInsertCommands::bindWrapsTheSelectedKey()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("mouse1"));
    child->editor()->Select(0, 6);
    f.trigger(child, "mnuInsertCommandBind");
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind mouse1 "));
    QCOMPARE(child->editor()->SelStart(), 12);
    QVERIFY(looksLike(child->editor(), 0, 4, document::bindColor(), true));
    QVERIFY(looksLike(child->editor(), 4, 8, kBlack, false));
    QVERIFY(child->lsBinds()->isVisible());
}

void TestInsertCommands::bindWrapsAMultiLineSelection()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    child->editor()->LoadPlainText(QStringLiteral("a\r\nb"));
    child->editor()->Select(0, 4);
    f.trigger(child, "mnuInsertCommandBind");
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind a\r\nb "));
}

void TestInsertCommands::setIsRedAndCtrlSInsertsIt()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.trigger(child, "mnuInsertCommandsSet");
    QCOMPARE(child->editor()->Text(), QStringLiteral("set"));
    QCOMPARE(child->editor()->SelStart(), 3);
    QVERIFY(looksLike(child->editor(), 0, 3, document::setColor(), true));
    // Ctrl+S is a menu shortcut, so it goes through the window's menu bar.
    f.frame->activateWindow();
    child->focusEditor();
    QTest::keyClick(child->editor(), Qt::Key_Space);
    QTest::keySequence(f.frame.get(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(child->editor()->Text(), QStringLiteral("set set"));
    QVERIFY(f.dialogs.saveRequests.isEmpty());
}

void TestInsertCommands::endMarkerIsBlackAndBold()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.trigger(child, "mnuInsertEOF");
    QCOMPARE(child->editor()->Text(), QStringLiteral("//EOF"));
    QVERIFY(looksLike(child->editor(), 0, 5, kBlack, true));
}

void TestInsertCommands::commentTakesTheFormatBeforeTheCaret()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.trigger(child, "mnuInsertCommandsSet");
    f.trigger(child, "mnuInsertComment");
    QCOMPARE(child->editor()->Text(), QStringLiteral("set//"));
    QVERIFY(looksLike(child->editor(), 3, 2, document::setColor(), true));
}

void TestInsertCommands::highlightWithLengthZeroChangesNothing()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("abc"));
    child->HighlightBeforeCaret(3, 0, document::bindColor());
    QCOMPARE(child->editor()->SelStart(), 3);
    QCOMPARE(child->editor()->SelLength(), 0);
    QVERIFY(looksLike(child->editor(), 0, 3, kBlack, false));
}

void TestInsertCommands::pendingBindEndsWhenTheWindowCloses()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    QPointer<frmChild> guard(child);
    QTimer::singleShot(0, child, [child] { child->closeWithoutQuestion(); });
    f.trigger(child, "mnuInsertCommandBind");
    f.settle();
    QVERIFY(guard.isNull());
}

QTEST_MAIN(TestInsertCommands)
#include "tst_insertcommands.moc"
