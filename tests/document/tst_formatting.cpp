// Whole-file colouring after Open, with its progress window; paste colouring; the About box.
#include "EditorProbe.h"
#include "FrameFixture.h"
#include "document/KeywordScan.h"

#include <QClipboard>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using document::frmChild;

namespace {
const QColor kBlack(0, 0, 0);

QWidget *topLevel(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    return nullptr;
}
} // namespace

class TestFormatting : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void openColoursOnlyTheLastDocument();
    void progressWindowEndsComplete();
    void longDocumentsAreColouredToTheTop();
    void pasteKeepsCaseAndColoursWholeWords();
    void pasteAfterAKeywordIsPlain();
    void aboutBox();
};

void TestFormatting::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("frmProgress") ||
            widget->objectName() == QLatin1String("frmAbout"))
            widget->close();
    FrameFixture::settle();
}

void TestFormatting::openColoursOnlyTheLastDocument()
{
    FrameFixture f;
    const QString a = f.writeFile("a.cfg", "bind x +attack\r\n");
    const QString b = f.writeFile("b.cfg", "bind y +jump\r\nx seta name p\r\n");
    f.dialogs.openAnswers.enqueue({a, b});
    f.frame->openCommand();
    QCOMPARE(f.frame->documentWindows().size(), 2);
    frmChild *first = f.frame->documentWindows().first();
    frmChild *last = f.active();
    QCOMPARE(last->Caption(), b);
    QVERIFY(looksLike(first->editor(), 0, 4, document::bindColor(), true));
    QVERIFY(looksLike(last->editor(), 0, 4, document::bindColor(), true));
    QVERIFY(looksLike(last->editor(), 16, 4, document::setColor(), true));
    QVERIFY(looksLike(last->editor(), 4, 10, kBlack, false));
    QVERIFY(!f.slotOf(last).Dirty);
    QCOMPARE(last->editor()->SelStart(), 0);
}

void TestFormatting::progressWindowEndsComplete()
{
    FrameFixture f;
    const QString path = f.writeFile("a.cfg", "set a 1\r\nset b 2\r\nset c 3\r\n");
    f.dialogs.openAnswers.enqueue({path});
    f.frame->openCommand();
    QWidget *window = topLevel("frmProgress");
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Formatting Complete"));
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(window->pos(), QPoint(150, 150));
    QCOMPARE(window->width(), 325);
    auto *bar = window->findChild<QProgressBar *>(QStringLiteral("pbr1"));
    QCOMPARE(bar->value(), bar->maximum());
    auto *ok = window->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok->isEnabled());
    ok->click();
    f.settle();
    QVERIFY(!topLevel("frmProgress"));
}

void TestFormatting::longDocumentsAreColouredToTheTop()
{
    FrameFixture f;
    QByteArray text;
    for (int i = 0; i < 300; ++i)
        text += "// player " + QByteArray::number(i) + "\r\nx set a" + QByteArray::number(i) + " 1\r\n";
    const QString path = f.writeFile("long.cfg", "unbind x\r\n" + text);
    f.dialogs.openAnswers.enqueue({path});
    f.frame->openCommand();
    platform::RichEdit *editor = f.active()->editor();
    QVERIFY(looksLike(editor, 0, 8, kBlack, false)); // the bind inside unbind stays black
    const int firstSet = int(editor->Text().indexOf(QLatin1String("x set"))) + 2;
    QVERIFY(looksLike(editor, firstSet, 3, document::setColor(), true));
}

void TestFormatting::pasteKeepsCaseAndColoursWholeWords()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    QGuiApplication::clipboard()->setText(QStringLiteral("BIND x y\r\nset a vstr\nbind;"));
    f.trigger(child, "mnuEditPaste");
    platform::RichEdit *editor = child->editor();
    QCOMPARE(editor->Text(), QStringLiteral("BIND x y\r\nset a vstr\r\nbind;"));
    QVERIFY(looksLike(editor, 0, 4, document::bindColor(), true));
    QVERIFY(looksLike(editor, 10, 3, document::setColor(), true));
    QVERIFY(looksLike(editor, 16, 4, document::vstrColor(), true));
    QVERIFY(looksLike(editor, 22, 5, kBlack, false));
    QCOMPARE(editor->SelStart(), editor->TextLength());
}

void TestFormatting::pasteAfterAKeywordIsPlain()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("bind"));
    child->editor()->Select(0, 4);
    child->editor()->setSelColor(document::bindColor());
    child->editor()->setSelBold(true);
    child->editor()->setSelStart(4);
    QGuiApplication::clipboard()->setText(QStringLiteral(" mouse1 x"));
    QTest::keyClick(child->editor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind mouse1 x"));
    QVERIFY(looksLike(child->editor(), 4, 9, kBlack, false));
}

void TestFormatting::aboutBox()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.trigger(child, "mnuHelpAbout");
    QWidget *about = topLevel("frmAbout");
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Tessel"));
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Tessel"));
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 0.3.0"));
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblDescription"))->text(),
             QStringLiteral("Config Generator/Editor for Quake 2 and Quake 3.  "));
    f.trigger(child, "mnuHelpAbout");
    int open = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        open += widget->objectName() == QLatin1String("frmAbout") && widget->isVisible();
    QCOMPARE(open, 1);
    about->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    f.settle();
    QVERIFY(!topLevel("frmAbout"));
}

QTEST_MAIN(TestFormatting)
#include "tst_formatting.moc"
