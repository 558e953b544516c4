// The commands of the toolbar buttons: Save (always Save As), Save All, the plain-text
// clipboard buttons, the font button and the alignment buttons.
#include "FrameFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QToolBar>
#include <QtTest>

using document::frmChild;

namespace {

/** Also keeps the font each font dialog was preset with. */
struct FontPresetDialogs : RecordingDialogs {
    QList<QFont> presets;
    std::optional<QFont> chooseFont(const QFont &initial) override
    {
        presets << initial;
        return RecordingDialogs::chooseFont(initial);
    }
};

struct CharLook {
    QColor color;
    bool bold;
    bool operator==(const CharLook &other) const = default;
};

QList<CharLook> looks(platform::RichEdit *editor)
{
    QList<CharLook> result;
    for (int i = 0; i < editor->TextLength(); ++i) {
        editor->Select(i, 1);
        result << CharLook{editor->SelColor(), editor->SelBold()};
    }
    return result;
}

QList<QFont> fonts(platform::RichEdit *editor, int start, int length)
{
    QList<QFont> result;
    for (int i = start; i < start + length; ++i) {
        editor->Select(i, 1);
        result << editor->SelFont();
    }
    return result;
}

} // namespace

class TestFrameButtons : public QObject {
    Q_OBJECT
private slots:
    void newAndOpenButtons();
    void saveButtonAlwaysAsksForAName();
    void saveButtonActsOnTheActiveDocument();
    void saveButtonCancelledWritesNothing();
    void saveAllButton();
    void cutButtonTakesPlainText();
    void copyButtonLeavesTheText();
    void pasteButtonDoesNotRecolour();
    void pasteButtonReplacesTheSelection();
    void fontButtonCancelChangesNothing();
    void fontButtonAppliesToTheSelection();
    void alignmentButtons_data();
    void alignmentButtons();

private:
    static void press(const FrameFixture &f, const char *key);
    /** A document holding "bind x +attack" / "set a 1" with bind blue and set red, both bold. */
    static frmChild *colouredDocument(FrameFixture &f);
};

void TestFrameButtons::press(const FrameFixture &f, const char *key)
{
    for (QToolBar *toolbar : {f.frame->tbr1(), f.frame->tbr2()})
        for (QAction *button : toolbar->actions())
            if (button->objectName() == QLatin1String(key)) {
                QVERIFY2(button->isVisible() && button->isEnabled(), key);
                button->trigger();
                return;
            }
    QFAIL(key);
}

frmChild *TestFrameButtons::colouredDocument(FrameFixture &f)
{
    frmChild *child = f.newDocument();
    platform::RichEdit *editor = child->editor();
    editor->LoadPlainText(QStringLiteral("bind x +attack\r\nset a 1"));
    editor->Select(0, 4);
    editor->setSelColor(QColor(0, 0, 255));
    editor->setSelBold(true);
    editor->Select(16, 3);
    editor->setSelColor(QColor(255, 0, 0));
    editor->setSelBold(true);
    return child;
}

void TestFrameButtons::newAndOpenButtons()
{
    FrameFixture f;
    press(f, "new");
    QVERIFY(f.pickBlankConfig());
    QCOMPARE(f.frame->documentWindows().size(), 1);
    QCOMPARE(f.active()->Caption(), QStringLiteral("Config1"));
    const QString path = f.writeFile("a.cfg", "set a 1\r\n");
    f.dialogs.openAnswers.enqueue({path});
    press(f, "open");
    QCOMPARE(f.dialogs.openFilters.size(), 1);
    // The untouched new document takes the file.
    QCOMPARE(f.frame->documentWindows().size(), 1);
    QCOMPARE(f.active()->Caption(), path);
}

void TestFrameButtons::saveButtonAlwaysAsksForAName()
{
    FrameFixture f;
    const QString path = f.writeFile("a.cfg", "bind a b\r\n");
    f.frame->openCommandLineFiles({path});
    frmChild *child = f.active();
    f.type(child, QStringLiteral("x"));
    const QString copy = f.folder.filePath(QStringLiteral("copy.cfg"));
    f.dialogs.saveAnswers.enqueue(copy);
    press(f, "SaveAs");
    QCOMPARE(f.dialogs.saveRequests.size(), 1);
    QCOMPARE(f.dialogs.saveRequests.first().proposedName, path);
    QCOMPARE(f.readFile(copy), QByteArray("xbind a b\r\n"));
    QCOMPARE(f.readFile(path), QByteArray("bind a b\r\n"));
    QCOMPARE(child->Caption(), copy);
    QVERIFY(!f.slotOf(child).Dirty);

    // Saved and unchanged, it still asks.
    press(f, "SaveAs");
    QCOMPARE(f.dialogs.saveRequests.size(), 2);
    QCOMPARE(f.dialogs.saveRequests.last().proposedName, copy);
}

void TestFrameButtons::saveButtonActsOnTheActiveDocument()
{
    FrameFixture f;
    frmChild *first = f.newDocument();
    f.type(first, QStringLiteral("first"));
    frmChild *second = f.newDocument();
    f.type(second, QStringLiteral("second"));
    f.frame->activateDocument(first);
    const QString path = f.folder.filePath(QStringLiteral("out.cfg"));
    f.dialogs.saveAnswers.enqueue(path);
    press(f, "SaveAs");
    QCOMPARE(f.dialogs.saveRequests.first().proposedName, QStringLiteral("Config1"));
    QCOMPARE(f.readFile(path), QByteArray("first\r\n"));
    QCOMPARE(second->Caption(), QStringLiteral("Config2"));
    QVERIFY(f.slotOf(second).Dirty);
}

void TestFrameButtons::saveButtonCancelledWritesNothing()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("text"));
    press(f, "SaveAs");
    QCOMPARE(f.dialogs.saveRequests.size(), 1);
    QCOMPARE(child->Caption(), QStringLiteral("Config1"));
    QVERIFY(f.slotOf(child).Dirty);
    QVERIFY(QDir(f.folder.path()).isEmpty());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestFrameButtons::saveAllButton()
{
    FrameFixture f;
    const QString a = f.writeFile("a.cfg", "a");
    const QString b = f.writeFile("b.cfg", "b");
    f.frame->openCommandLineFiles({a, b});
    f.frame->documentWindows().first()->editor()->setSelStart(1);
    f.type(f.frame->documentWindows().first(), QStringLiteral("1"));
    frmChild *untitled = f.newDocument();
    f.type(untitled, QStringLiteral("new"));
    const QString named = f.folder.filePath(QStringLiteral("named.cfg"));
    f.dialogs.saveAnswers.enqueue(named);
    press(f, "SaveAll");
    QCOMPARE(f.readFile(a), QByteArray("a1\r\n"));
    QCOMPARE(f.readFile(b), QByteArray("b\r\n"));
    QCOMPARE(f.readFile(named), QByteArray("new\r\n"));
    QCOMPARE(f.dialogs.saveRequests.size(), 1);
    for (frmChild *child : f.frame->documentWindows())
        QVERIFY(!f.slotOf(child).Dirty);
}

void TestFrameButtons::cutButtonTakesPlainText()
{
    FrameFixture f;
    frmChild *child = colouredDocument(f);
    platform::RichEdit *editor = child->editor();
    QList<CharLook> expected = looks(editor);
    editor->Select(0, 7);
    press(f, "Cut");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("bind x "));
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
    QCOMPARE(editor->Text(), QStringLiteral("+attack\r\nset a 1"));
    QCOMPARE(editor->SelLength(), 0);
    expected.remove(0, 7);
    QCOMPARE(looks(editor), expected);
}

void TestFrameButtons::copyButtonLeavesTheText()
{
    FrameFixture f;
    frmChild *child = colouredDocument(f);
    platform::RichEdit *editor = child->editor();
    const QList<CharLook> before = looks(editor);
    editor->Select(7, 12);
    press(f, "Copy");
    // Other programs get the platform's line ends.
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("+attack\nset"));
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
    QCOMPARE(editor->Text(), QStringLiteral("bind x +attack\r\nset a 1"));
    QCOMPARE(looks(editor), before);
}

void TestFrameButtons::pasteButtonDoesNotRecolour()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    platform::RichEdit *editor = child->editor();
    QGuiApplication::clipboard()->setText(QStringLiteral("bind q +zoom\nseta r 1\nalias z \"vstr y\""));
    press(f, "Paste");
    QCOMPARE(editor->Text(), QStringLiteral("bind q +zoom\r\nseta r 1\r\nalias z \"vstr y\""));
    QCOMPARE(editor->SelStart(), editor->TextLength());
    for (const CharLook &look : looks(editor)) {
        QCOMPARE(look.color, platform::RichEdit::black());
        QVERIFY(!look.bold);
    }
}

void TestFrameButtons::pasteButtonReplacesTheSelection()
{
    FrameFixture f;
    frmChild *child = colouredDocument(f);
    platform::RichEdit *editor = child->editor();
    const QList<CharLook> before = looks(editor);
    QGuiApplication::clipboard()->setText(QStringLiteral("+zoom"));
    editor->Select(7, 7);
    press(f, "Paste");
    QCOMPARE(editor->Text(), QStringLiteral("bind x +zoom\r\nset a 1"));
    QCOMPARE(editor->SelStart(), 12);
    QList<CharLook> expected = before;
    expected.remove(7, 2);
    QCOMPARE(looks(editor), expected);
    // The clipboard keeps its text: pasting again inserts it again.
    editor->Select(12, 0);
    press(f, "Paste");
    QCOMPARE(editor->Text(), QStringLiteral("bind x +zoom+zoom\r\nset a 1"));
}

void TestFrameButtons::fontButtonCancelChangesNothing()
{
    FrameFixture f;
    FontPresetDialogs dialogs;
    frmChild *child = colouredDocument(f);
    platform::RichEdit *editor = child->editor();
    QFont chosen(QStringLiteral("Courier New"), 15);
    chosen.setItalic(true);
    editor->Select(5, 9);
    editor->setSelFont(chosen);
    const QList<QFont> before = fonts(editor, 0, editor->TextLength());
    const QList<CharLook> colours = looks(editor);

    editor->Select(5, 9);
    dialogs.fontAnswers.enqueue(std::nullopt);
    press(f, "Font");
    QCOMPARE(dialogs.fontRequests, 1);
    // The dialog opens on the selection's font.
    const QFont preset = dialogs.presets.first();
    QCOMPARE(preset.family(), QStringLiteral("Courier New"));
    QCOMPARE(preset.pointSize(), 15);
    QVERIFY(preset.italic());
    QVERIFY(!preset.bold());
    QCOMPARE(fonts(editor, 0, editor->TextLength()), before);
    QCOMPARE(looks(editor), colours);
    QCOMPARE(editor->Text(), QStringLiteral("bind x +attack\r\nset a 1"));
}

void TestFrameButtons::fontButtonAppliesToTheSelection()
{
    FrameFixture f;
    frmChild *child = colouredDocument(f);
    platform::RichEdit *editor = child->editor();
    const QList<QFont> before = fonts(editor, 0, editor->TextLength());
    const QList<CharLook> colours = looks(editor);
    QFont chosen(QStringLiteral("Courier New"), 18, QFont::Bold, true);
    f.dialogs.fontAnswers.enqueue(chosen);
    editor->Select(2, 6);
    press(f, "Font");
    QCOMPARE(f.dialogs.fontRequests, 1);
    const QList<QFont> after = fonts(editor, 0, editor->TextLength());
    for (int i = 0; i < after.size(); ++i) {
        if (i >= 2 && i < 8) {
            QCOMPARE(after.at(i).family(), QStringLiteral("Courier New"));
            QCOMPARE(after.at(i).pointSize(), 18);
            QVERIFY(after.at(i).bold());
            QVERIFY(after.at(i).italic());
        } else {
            QCOMPARE(after.at(i), before.at(i));
        }
    }
    // Only the font changes, never the keyword colours.
    const QList<CharLook> colourAfter = looks(editor);
    for (int i = 0; i < colours.size(); ++i)
        QCOMPARE(colourAfter.at(i).color, colours.at(i).color);
}

void TestFrameButtons::alignmentButtons_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("alignment");
    QTest::newRow("center") << "center" << int(Qt::AlignHCenter);
    QTest::newRow("rightalign") << "rightalign" << int(Qt::AlignRight);
    QTest::newRow("leftalign") << "leftalign" << int(Qt::AlignLeft);
}

void TestFrameButtons::alignmentButtons()
{
    QFETCH(QString, key);
    QFETCH(int, alignment);
    FrameFixture f;
    frmChild *child = f.newDocument();
    platform::RichEdit *editor = child->editor();
    editor->LoadPlainText(QStringLiteral("one\r\ntwo\r\nthree"));
    if (key == QLatin1String("leftalign")) {
        editor->selectAll();
        editor->setSelAlignment(Qt::AlignRight);
    }
    editor->Select(6, 1);
    press(f, key.toLatin1().constData());
    QCOMPARE(int(editor->SelAlignment()), alignment);
    // Only the selection's paragraph moves.
    editor->Select(0, 0);
    QCOMPARE(editor->SelAlignment(),
             key == QLatin1String("leftalign") ? Qt::AlignRight : Qt::AlignLeft);
}

QTEST_MAIN(TestFrameButtons)
#include "tst_framebuttons.moc"
