// Colouring while the user types, the editor's shortcut keys and the prompt after "bind ".
#include "EditorProbe.h"
#include "FrameFixture.h"
#include "document/KeywordScan.h"

#include <QtTest>

using document::frmChild;

namespace {
const QColor kBlack(0, 0, 0);
}

class TestTyping : public QObject {
    Q_OBJECT
private slots:
    void bindIsRewrittenAndColoured();
    void unknownWordsStayBlack_data();
    void unknownWordsStayBlack();
    void setFamilyIsRed_data();
    void setFamilyIsRed();
    void enterExaminesTheLastWordOnly();
    void enterColoursVstrAtTheLineEnd();
    void rightArrowColoursAndStoppingInsideUncolours();
    void backspaceRecoloursTheWordBehindTheCaret();
    void endMarkerIsRewritten();
    void ctrlZDoesNothing();
    void ctrlSDoesNotSave();
    void bindPromptWaitsForTheNextSpace();
    void bindPromptEndsWhenTheWindowCloses();
    void keywordTableIgnoresCase();
};

void TestTyping::bindIsRewrittenAndColoured()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    QTimer::singleShot(0, child, [child] { QTest::keyClicks(child->editor(), QStringLiteral("x ")); });
    f.type(child, QStringLiteral("Bind "));
    platform::RichEdit *editor = child->editor();
    QVERIFY(editor->Text().startsWith(QLatin1String("bind x ")));
    QVERIFY(looksLike(editor, 0, 4, document::bindColor(), true));
    QVERIFY(looksLike(editor, 4, 3, kBlack, false));
}

void TestTyping::unknownWordsStayBlack_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("bindx") << "bindx ";
    QTest::newRow("sets") << "sets ";
    QTest::newRow("quoted") << "\"set\" ";
}

void TestTyping::unknownWordsStayBlack()
{
    QFETCH(QString, typed);
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, typed);
    QCOMPARE(child->editor()->Text(), typed);
    QVERIFY(looksLike(child->editor(), 0, int(typed.size()), kBlack, false));
}

void TestTyping::setFamilyIsRed_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("set") << "set" << "set";
    QTest::newRow("SETA") << "SETA" << "seta";
    QTest::newRow("SetU") << "SetU" << "setu";
}

void TestTyping::setFamilyIsRed()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("  ") + typed + QStringLiteral(" name"));
    QCOMPARE(child->editor()->Text(), QStringLiteral("  ") + stored + QStringLiteral(" name"));
    QVERIFY(looksLike(child->editor(), 2, int(stored.size()), document::setColor(), true));
    QVERIFY(looksLike(child->editor(), 2 + int(stored.size()), 5, kBlack, false));
}

void TestTyping::enterExaminesTheLastWordOnly()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    child->editor()->LoadPlainText(QStringLiteral("set name x"));
    child->editor()->setSelStart(10);
    QTest::keyClick(child->editor(), Qt::Key_Return);
    QCOMPARE(child->editor()->Text(), QStringLiteral("set name x\r\n"));
    QVERIFY(looksLike(child->editor(), 0, 10, kBlack, false));
}

void TestTyping::enterColoursVstrAtTheLineEnd()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    child->editor()->LoadPlainText(QStringLiteral("bind x vstr"));
    child->editor()->setSelStart(11);
    QTest::keyClick(child->editor(), Qt::Key_Return);
    QVERIFY(looksLike(child->editor(), 7, 4, document::vstrColor(), true));
    QVERIFY(looksLike(child->editor(), 0, 7, kBlack, false));
    QCOMPARE(child->editor()->SelStart(), 13);
}

void TestTyping::rightArrowColoursAndStoppingInsideUncolours()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    platform::RichEdit *editor = child->editor();
    editor->LoadPlainText(QStringLiteral("seta x"));
    editor->setSelStart(3);
    QTest::keyClick(editor, Qt::Key_Right);
    QCOMPARE(editor->SelStart(), 4);
    QVERIFY(looksLike(editor, 0, 4, document::setColor(), true));
    editor->setSelStart(1);
    QTest::keyClick(editor, Qt::Key_Right);
    QVERIFY(looksLike(editor, 0, 2, kBlack, false));
}

void TestTyping::backspaceRecoloursTheWordBehindTheCaret()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("vstrx"));
    QTest::keyClick(child->editor(), Qt::Key_Backspace);
    QVERIFY(looksLike(child->editor(), 0, 4, document::vstrColor(), true));
    QTest::keyClick(child->editor(), Qt::Key_Backspace);
    QVERIFY(looksLike(child->editor(), 0, 3, kBlack, false));
}

void TestTyping::endMarkerIsRewritten()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("//eof "));
    QCOMPARE(child->editor()->Text(), QStringLiteral("//EOF "));
    QVERIFY(looksLike(child->editor(), 0, 5, kBlack, true));
}

void TestTyping::ctrlZDoesNothing()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("abc"));
    QTest::keyClick(child->editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(child->editor()->Text(), QString()); // Undo takes the typed word back
}

void TestTyping::ctrlSDoesNotSave()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("abc"));
    QTest::keyClick(child->editor(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(f.dialogs.saveRequests.isEmpty());
    QVERIFY(f.slotOf(child).Dirty);
}

void TestTyping::bindPromptWaitsForTheNextSpace()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    bool waiting = false;
    // Runs inside the prompt's wait: the typed "bind " has not returned yet.
    QTimer::singleShot(0, child, [&] {
        waiting = true;
        QTest::keyClicks(child->editor(), QStringLiteral("mouse1 "));
    });
    f.type(child, QStringLiteral("bind "));
    QVERIFY(waiting);
    QVERIFY(!child->SpaceTyped());
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind mouse1 "));
    // A second space does not prompt again.
    f.type(child, QStringLiteral(" x"));
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind mouse1  x"));
}

void TestTyping::bindPromptEndsWhenTheWindowCloses()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    QPointer<frmChild> guard(child);
    QTimer::singleShot(0, child, [child] { child->closeWithoutQuestion(); });
    f.type(child, QStringLiteral("bind "));
    f.settle();
    QVERIFY(guard.isNull());
    QVERIFY(f.frame->documentWindows().isEmpty());
}

void TestTyping::keywordTableIgnoresCase()
{
    document::VBKeyWord table;
    QCOMPARE(table.Count(), 7);
    QVERIFY(table.IfKeyIsThere(QStringLiteral("BiNd")));
    QCOMPARE(table.Item(QStringLiteral("//eof")).toString(), QStringLiteral("//EOF"));
    QVERIFY(!table.Item(QStringLiteral("unbind")).isValid());
    table.Add(QStringLiteral("dup"), QStringLiteral("SET"));
    QCOMPARE(table.Count(), 7);
    table.RemoveKey(QStringLiteral("SETA"));
    QVERIFY(!table.IfKeyIsThere(QStringLiteral("seta")));
    QCOMPARE(table.Item(5).toString(), QStringLiteral("setu"));
    table.RemoveAll();
    QCOMPARE(table.Count(), 0);
}

QTEST_MAIN(TestTyping)
#include "tst_typing.moc"
