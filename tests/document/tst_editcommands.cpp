// Comment and uncomment, the current line, and the clipboard commands of the Edit menu.
#include "EditorProbe.h"
#include "FrameFixture.h"
#include "document/KeywordScan.h"

#include <QClipboard>
#include <QMimeData>
#include <QtTest>

using document::frmChild;

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void comment_data();
    void comment();
    void uncomment_data();
    void uncomment();
    void selectCurrentLineAfterAnEmptyFirstLine();
    void copyThenPasteKeepsColours();
    void copyGivesOtherProgramsPlainText();
    void pasteOfRichTextLeftAsPlainText();
    void pasteOfAnEmptyClipboardChangesNothing();
    void selectAllAndAlignment();
};

void TestEditCommands::comment_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::newRow("caret mid-line") << "a\r\nbind x y\r\nz" << 7 << 0 << "a\r\n//bind x y\r\nz" << 9 << 0;
    QTest::newRow("three lines ending after a break")
        << "a\r\nb\r\nc\r\nd" << 0 << 9 << "//a\r\n//b\r\n//c\r\nd" << 0 << 15;
    QTest::newRow("inside one line") << "set a 1" << 4 << 3 << "set //a 1" << 9 << 0;
}

void TestEditCommands::comment()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, result);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    FrameFixture f;
    frmChild *child = f.newDocument();
    child->editor()->LoadPlainText(text);
    child->editor()->Select(start, length);
    f.trigger(child, "mnuFormatCommentBlock");
    QCOMPARE(child->editor()->Text(), result);
    QCOMPARE(child->editor()->SelStart(), selStart);
    QCOMPARE(child->editor()->SelLength(), selLength);
}

void TestEditCommands::uncomment_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caret");
    QTest::newRow("line without prefix") << "a\r\nbind x" << 5 << 0 << "a\r\nbind x" << 5;
    QTest::newRow("caret at the very start") << "//set a\r\nb" << 0 << 0 << "set a\r\nb" << 0;
    QTest::newRow("caret mid-line") << "x\r\n//set a" << 7 << 0 << "x\r\nset a" << 5;
    QTest::newRow("selected lines") << "//a\r\n//b\r\nc" << 0 << 10 << "a\r\nb\r\nc" << 0;
    QTest::newRow("addresses keep their slashes")
        << "//seta url http://x.org//y\r\n//b" << 0 << 31 << "seta url http://x.org//y\r\nb" << 0;
    QTest::newRow("slashes inside a line stay") << "a//b//c" << 0 << 7 << "a//b//c" << 0;
    QTest::newRow("selection starting mid-line") << "set //a 1" << 4 << 5 << "set a 1" << 4;
}

void TestEditCommands::uncomment()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, result);
    QFETCH(int, caret);
    FrameFixture f;
    frmChild *child = f.newDocument();
    child->editor()->LoadPlainText(text);
    child->editor()->Select(start, length);
    f.trigger(child, "mnuFormatUncommentBlock");
    QCOMPARE(child->editor()->Text(), result);
    QCOMPARE(child->editor()->SelStart(), caret);
    QCOMPARE(child->editor()->SelLength(), 0);
}

void TestEditCommands::selectCurrentLineAfterAnEmptyFirstLine()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    child->editor()->LoadPlainText(QStringLiteral("\r\nbind x"));
    child->editor()->Select(4, 0);
    f.trigger(child, "mnuFormatCommentBlock");
    QCOMPARE(child->editor()->Text(), QStringLiteral("\r\n//bind x"));
}

void TestEditCommands::copyThenPasteKeepsColours()
{
    FrameFixture f;
    frmChild *source = f.newDocument();
    source->editor()->LoadPlainText(QStringLiteral("bind x y\r\n"));
    source->editor()->Select(0, 4);
    source->editor()->setSelColor(document::bindColor());
    source->editor()->setSelBold(true);
    source->editor()->setSelStart(10);
    f.trigger(source, "mnuInsertCommandsSet");
    source->editor()->Select(0, source->editor()->TextLength());
    QTest::keyClick(source->editor(), Qt::Key_C, Qt::ControlModifier);

    frmChild *target = f.newDocument();
    f.type(target, QStringLiteral("> "));
    f.trigger(target, "mnuEditPaste");
    platform::RichEdit *editor = target->editor();
    QCOMPARE(editor->Text(), QStringLiteral("> bind x y\r\nset"));
    QVERIFY(looksLike(editor, 2, 4, document::bindColor(), true));
    QVERIFY(looksLike(editor, 12, 3, document::setColor(), true));
    QVERIFY(looksLike(editor, 6, 4, QColor(0, 0, 0), false));
}

void TestEditCommands::copyGivesOtherProgramsPlainText()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    child->editor()->LoadPlainText(QStringLiteral("set name \xe9\r\nbind"));
    child->editor()->Select(0, child->editor()->TextLength());
    f.trigger(child, "mnuEditCopy");
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->text(), QStringLiteral("set name \xe9\nbind"));
    QVERIFY(data->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));
    f.trigger(child, "mnuEditCut");
    QCOMPARE(child->editor()->Text(), QString());
}

void TestEditCommands::pasteOfRichTextLeftAsPlainText()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    QGuiApplication::clipboard()->setText(
        QStringLiteral("{\\rtf1\\ansi{\\colortbl;\\red0\\green0\\blue255;}\\cf1\\b bind\\b0\\cf0  x}"));
    f.trigger(child, "mnuEditPaste");
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind x"));
    QVERIFY(looksLike(child->editor(), 0, 4, document::bindColor(), true));
}

void TestEditCommands::pasteOfAnEmptyClipboardChangesNothing()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("abc"));
    QGuiApplication::clipboard()->clear();
    f.trigger(child, "mnuEditPaste");
    QCOMPARE(child->editor()->Text(), QStringLiteral("abc"));
}

void TestEditCommands::selectAllAndAlignment()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    child->editor()->LoadPlainText(QStringLiteral("a\r\nb"));
    QTest::keyClick(child->editor(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(child->editor()->SelLength(), 4);
    QTest::keyClick(child->editor(), Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(child->editor()->SelAlignment(), Qt::AlignHCenter);
    QTest::keyClick(child->editor(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(child->editor()->SelAlignment(), Qt::AlignRight);
    QTest::keyClick(child->editor(), Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(child->editor()->SelAlignment(), Qt::AlignLeft);
    QCOMPARE(child->editor()->Text(), QStringLiteral("a\r\nb"));
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
