// The frame window as the user meets it: caption, menus, toolbars and their show and hide,
// what the toolbar buttons do, and the Window menu's arrange commands and window list.
#include "FrameFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>
#include <QtTest>

using document::frmChild;

namespace {

QStringList captions(const QList<QAction *> &items)
{
    QStringList texts;
    for (QAction *item : items)
        if (item->isVisible())
            texts << item->text();
    return texts;
}

/** The tooltips of the buttons the user can see, left to right; "-" for a gap. */
QStringList visibleButtons(const QToolBar *toolbar)
{
    QStringList tips;
    if (!toolbar->isVisible())
        return tips;
    for (QAction *action : toolbar->actions()) {
        const QWidget *widget = toolbar->widgetForAction(action);
        if (!widget || !widget->isVisible())
            continue;
        tips << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
        if (!action->isSeparator() && action->icon().pixmap(16, 16).isNull())
            tips << QStringLiteral("<no icon>");
    }
    return tips;
}

const QStringList kFrameButtons{"New (Ctrl-N)", "Open (Ctrl-O)", "-", "-"};

/** Which toolbars show: "1" the main one, "2" the document one, "-" hidden. */
QString toolbars(const FrameFixture &f)
{
    return QString(f.frame->tbr1()->isVisible() ? '1' : '-') +
           (f.frame->tbr2()->isVisible() ? '2' : '-');
}

/** The text with each change of colour or boldness marked, as "[#0000ff b]bind[#000000] x". */
QString looks(platform::RichEdit *editor, bool bold = true)
{
    QString result, last;
    for (int i = 0; i < editor->TextLength(); ++i) {
        editor->Select(i, 1);
        const QString look = editor->SelColor().name() + (bold && editor->SelBold() ? " b" : "");
        if (!editor->SelText().isEmpty() && look != last)
            result += '[' + (last = look) + ']';
        result += editor->Text().at(i);
    }
    return result;
}

QList<QFont> fonts(platform::RichEdit *editor)
{
    QList<QFont> result;
    for (int i = 0; i < editor->TextLength(); ++i) {
        editor->Select(i, 1);
        result << editor->SelFont();
    }
    return result;
}

// The window list the Window menu shows below its commands, as it is about to open.
QList<QAction *> windowList(frmChild *child)
{
    QMenu *menu = child->menuItem(QStringLiteral("mnuWindow"))->menu();
    Q_EMIT menu->aboutToShow();
    QList<QAction *> items;
    for (QAction *item : menu->actions())
        if (!item->isSeparator() && item->objectName().isEmpty())
            items << item;
    return items;
}

QStringList windowListTexts(frmChild *child)
{
    QStringList result;
    for (QAction *item : windowList(child))
        result << item->text() + (item->isChecked() ? QStringLiteral(" [x]") : QString());
    return result;
}

/** Also keeps the font each font dialog was preset with. */
struct FontPresetDialogs : RecordingDialogs {
    QList<QFont> presets;
    std::optional<QFont> chooseFont(const QFont &initial) override
    {
        presets << initial;
        return RecordingDialogs::chooseFont(initial);
    }
};

/** An item of the frame's menus or a button of its toolbars. */
QAction *frameItem(const FrameFixture &f, const char *name)
{
    auto *item = f.frame->findChild<QAction *>(QLatin1String(name));
    if (!item)
        qFatal("no frame item %s", name);
    return item;
}

void press(const FrameFixture &f, const char *button)
{
    QAction *item = frameItem(f, button);
    QVERIFY2(item->isVisible() && item->isEnabled(), button);
    item->trigger();
}

/** A document holding "bind x +attack" / "set a 1" with bind blue and set red, both bold. */
frmChild *colouredDocument(FrameFixture &f)
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

QList<QMdiSubWindow *> threeWindows(FrameFixture &f)
{
    for (int i = 0; i < 3; ++i)
        f.newDocument();
    return f.frame->mdiArea()->subWindowList();
}

} // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void startsEmptyWithItsOwnMenusAndButtons();
    void documentsBringTheirMenusAndButtonsUntilTheLastCloses();
    void shortcutsReachTheShownMenus();
    void showToolbars();
    void newOpenAndSaveAllButtons();
    void saveButtonAlwaysAsksForAName();
    void clipboardButtonsCarryPlainText();
    void fontButton();
    void alignmentButtonsMoveTheSelectionsParagraph();
    void windowMenuListsAndActivatesDocuments();
    void tile_data();
    void tile();
    void cascade();
    void arrangeLinesUpMinimisedWindows();
};

void TestFrame::startsEmptyWithItsOwnMenusAndButtons()
{
    FrameFixture f;
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("Tessel"));
    QVERIFY(f.frame->documentWindows().isEmpty());
    const QList<QAction *> bar = f.frame->menuBar()->actions();
    QCOMPARE(captions(bar), (QStringList{"&File", "&View"}));
    QCOMPARE(captions(bar.at(0)->menu()->actions()), (QStringList{"&New", "&Open", "Recent &Files", "", "E&xit"}));
    QCOMPARE(captions(bar.at(1)->menu()->actions()), QStringList{"Show Toolbars"});
    QVERIFY(frameItem(f, "mnuViewToolbars")->isChecked());
    QTRY_COMPARE(visibleButtons(f.frame->tbr1()), kFrameButtons);
    QCOMPARE(toolbars(f), QStringLiteral("1-"));

    frameItem(f, "mnuFileExit")->trigger();
    f.settle();
    QVERIFY(!f.frame->isVisible());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestFrame::documentsBringTheirMenusAndButtonsUntilTheLastCloses()
{
    FrameFixture f;
    frameItem(f, "mnuFileNew")->trigger();
    QVERIFY(f.pickBlankConfig());
    frmChild *child = f.active();
    QVERIFY(child);
    QCOMPARE(captions(f.frame->menuBar()->actions()),
             (QStringList{"&File", "&Edit", "&View", "F&ormat", "&Insert", "&Tools", "&Window",
                          "&Help"}));
    // The document's own menus, not the frame's that share names with them.
    QCOMPARE(f.frame->menuBar()->actions().at(2)->menu()->actions().first(),
             child->menuItem(QStringLiteral("mnuShowToolbars")));
    QTRY_COMPARE(visibleButtons(f.frame->tbr1()),
                 (QStringList{"New (Ctrl-N)", "Open (Ctrl-O)", "Save", "Save All", "-",
                              "Cut (Ctrl-X)", "Copy (Ctrl-C)", "Paste (Ctrl-V)", "-",
                              "Change Font"}));
    QTRY_COMPARE(visibleButtons(f.frame->tbr2()),
                 (QStringList{"Comment Block (Ctrl-I)", "Uncomment Block (Ctrl-U)", "-",
                              "Align Text Left (Ctrl-L)", "Center Text (Ctrl-E)",
                              "Align Text Right (Ctrl-R)", "-", "Undo (Ctrl-Z)", "Redo (Ctrl-Y)"}));

    frmChild *second = f.newDocument();
    f.trigger(second, "mnuChildFileClose");
    f.settle();
    QCOMPARE(f.active(), child);
    QCOMPARE(captions(f.frame->menuBar()->actions()).size(), 8);
    QCOMPARE(toolbars(f), QStringLiteral("12"));

    // The last close brings back the frame's own menus and buttons.
    f.trigger(child, "mnuChildFileClose");
    f.settle();
    QCOMPARE(captions(f.frame->menuBar()->actions()), (QStringList{"&File", "&View"}));
    QTRY_COMPARE(visibleButtons(f.frame->tbr1()), kFrameButtons);
    QCOMPARE(toolbars(f), QStringLiteral("1-"));
    QVERIFY(frameItem(f, "mnuViewToolbars")->isChecked());
}

void TestFrame::shortcutsReachTheShownMenus()
{
    FrameFixture f;
    f.frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.frame.get()));
    QTest::keyClick(f.frame.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(f.pickBlankConfig());
    QCOMPARE(f.frame->documentWindows().size(), 1);
    // Now the document's menus answer Ctrl+N, once, whichever of several is active.
    QTest::keyClick(f.active()->editor(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(f.pickBlankConfig());
    QCOMPARE(f.frame->documentWindows().size(), 2);
    f.frame->activateDocument(f.frame->documentWindows().first());
    QTest::keyClick(f.active()->editor(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(f.pickBlankConfig());
    QCOMPARE(f.frame->documentWindows().size(), 3);

    for (frmChild *child : f.frame->documentWindows())
        child->close();
    f.settle();
    QTest::keyClick(f.frame.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.dialogs.openFilters.size(), 1);
}

void TestFrame::showToolbars()
{
    FrameFixture f;
    // Without documents the frame's item shows and hides the main toolbar only.
    QAction *frameShow = frameItem(f, "mnuViewToolbars");
    frameShow->trigger();
    QCOMPARE(toolbars(f), QStringLiteral("--"));
    QVERIFY(!frameShow->isChecked());
    frameShow->trigger();
    QCOMPARE(toolbars(f), QStringLiteral("1-"));
    QVERIFY(frameShow->isChecked());

    // A document's item shows and hides both.
    frmChild *child = f.newDocument();
    QAction *show = child->menuItem(QStringLiteral("mnuShowToolbars"));
    QVERIFY(show->isChecked());
    show->trigger();
    QCOMPARE(toolbars(f), QStringLiteral("--"));
    QVERIFY(!show->isChecked());
    show->trigger();
    QCOMPARE(toolbars(f), QStringLiteral("12"));
    QVERIFY(show->isChecked());

    // Each toolbar is inverted on its own: with the main one hidden from the frame's menu
    // before the document came, the two swap.
    f.trigger(child, "mnuChildFileClose");
    f.settle();
    frameShow->trigger();
    child = f.newDocument();
    QCOMPARE(toolbars(f), QStringLiteral("-2"));
    f.trigger(child, "mnuShowToolbars");
    QCOMPARE(toolbars(f), QStringLiteral("1-"));

    // Hidden by a document, the main toolbar stays hidden after the last close, and the
    // frame's check says so.
    f.trigger(child, "mnuChildFileClose");
    f.settle();
    child = f.newDocument();
    QCOMPARE(toolbars(f), QStringLiteral("12"));
    f.trigger(child, "mnuShowToolbars");
    f.trigger(child, "mnuChildFileClose");
    f.settle();
    QCOMPARE(toolbars(f), QStringLiteral("--"));
    QVERIFY(!frameShow->isChecked());
    frameShow->trigger();
    QCOMPARE(toolbars(f), QStringLiteral("1-"));
    QVERIFY(frameShow->isChecked());
}

void TestFrame::newOpenAndSaveAllButtons()
{
    FrameFixture f;
    press(f, "new");
    QVERIFY(f.pickBlankConfig());
    QCOMPARE(f.active()->Caption(), QStringLiteral("Config1"));
    const QString path = f.writeFile("a.cfg", "set a 1");
    f.dialogs.openAnswers.enqueue({path});
    press(f, "open");
    QCOMPARE(f.active()->Caption(), path);

    f.type(f.active(), QStringLiteral("x"));
    f.type(f.newDocument(), QStringLiteral("new"));
    const QString named = f.folder.filePath(QStringLiteral("named.cfg"));
    f.dialogs.saveAnswers.enqueue(named);
    press(f, "SaveAll");
    QCOMPARE(f.readFile(path), QByteArray("xset a 1\r\n"));
    QCOMPARE(f.readFile(named), QByteArray("new\r\n"));
    QCOMPARE(f.dialogs.saveRequests.size(), 1);
}

void TestFrame::saveButtonAlwaysAsksForAName()
{
    FrameFixture f;
    const QString path = f.writeFile("a.cfg", "bind a b\r\n");
    f.frame->openCommandLineFiles({path});
    frmChild *child = f.active();
    f.type(child, QStringLiteral("x"));
    frmChild *other = f.newDocument();
    f.type(other, QStringLiteral("other"));

    // It saves the active document under the name the user gives.
    f.frame->activateDocument(child);
    const QString copy = f.folder.filePath(QStringLiteral("copy.cfg"));
    f.dialogs.saveAnswers.enqueue(copy);
    press(f, "SaveAs");
    QCOMPARE(f.dialogs.saveRequests.size(), 1);
    QCOMPARE(f.dialogs.saveRequests.first().proposedName, path);
    QCOMPARE(f.readFile(copy), QByteArray("xbind a b\r\n"));
    QCOMPARE(f.readFile(path), QByteArray("bind a b\r\n"));
    QCOMPARE(child->Caption(), copy);
    QVERIFY(!f.slotOf(child).Dirty);
    QVERIFY(f.slotOf(other).Dirty);

    // Saved and unchanged, it still asks.
    press(f, "SaveAs");
    QCOMPARE(f.dialogs.saveRequests.size(), 2);
    QCOMPARE(f.dialogs.saveRequests.last().proposedName, copy);
    // Cancelled, it writes nothing and the change stays unsaved.
    f.type(child, QStringLiteral("y"));
    press(f, "SaveAs");
    QCOMPARE(f.readFile(copy), QByteArray("xbind a b\r\n"));
    QVERIFY(f.slotOf(child).Dirty);
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestFrame::clipboardButtonsCarryPlainText()
{
    FrameFixture f;
    platform::RichEdit *editor = colouredDocument(f)->editor();
    QClipboard *clipboard = QGuiApplication::clipboard();

    // Other programs get the platform's line ends, and no formatting.
    editor->Select(7, 12);
    press(f, "Copy");
    QCOMPARE(clipboard->text(), QStringLiteral("+attack\nset"));
    QCOMPARE(clipboard->mimeData()->formats(), QStringList{"text/plain"});
    QCOMPARE(looks(editor),
             QStringLiteral("[#0000ff b]bind[#000000] x +attack\r\n[#ff0000 b]set[#000000] a 1"));

    editor->Select(0, 7);
    press(f, "Cut");
    QCOMPARE(clipboard->text(), QStringLiteral("bind x "));
    QCOMPARE(clipboard->mimeData()->formats(), QStringList{"text/plain"});
    QCOMPARE(looks(editor), QStringLiteral("[#000000]+attack\r\n[#ff0000 b]set[#000000] a 1"));

    // Pasted text replaces the selection, in the plain look, with the document's line ends;
    // the clipboard keeps it for the next paste.
    clipboard->setText(QStringLiteral("+zoom\nbind"));
    editor->Select(0, 7);
    press(f, "Paste");
    QCOMPARE(editor->SelStart(), 11);
    press(f, "Paste");
    QCOMPARE(looks(editor),
             QStringLiteral("[#000000]+zoom\r\nbind+zoom\r\nbind\r\n[#ff0000 b]set[#000000] a 1"));
}

void TestFrame::fontButton()
{
    FrameFixture f;
    FontPresetDialogs dialogs;
    platform::RichEdit *editor = colouredDocument(f)->editor();
    editor->Select(5, 9);
    editor->setSelFont(QFont(QStringLiteral("Courier New"), 15, QFont::Normal, true));
    const QList<QFont> before = fonts(editor);
    const QString colours = looks(editor);

    // Cancelled, the dialog (opened on the selection's font) changes nothing.
    editor->Select(5, 9);
    press(f, "Font");
    QCOMPARE(dialogs.fontRequests, 1);
    QCOMPARE(dialogs.presets.first().family(), QStringLiteral("Courier New"));
    QCOMPARE(dialogs.presets.first().pointSize(), 15);
    QVERIFY(dialogs.presets.first().italic());
    QCOMPARE(fonts(editor), before);
    QCOMPARE(looks(editor), colours);

    // A chosen font goes to the selection only, and never changes the keyword colours.
    const QFont chosen(QStringLiteral("Courier New"), 18, QFont::Bold, true);
    dialogs.fontAnswers.enqueue(chosen);
    editor->Select(2, 6);
    press(f, "Font");
    const QList<QFont> after = fonts(editor);
    // Family, size, weight and slant; the style hint is the editor's business.
    const auto face = [](const QFont &font) {
        const QString text = font.toString();
        return text.section(QLatin1Char(','), 0, 2) + text.section(QLatin1Char(','), 4, 5);
    };
    for (int i = 0; i < after.size(); ++i) {
        if (i >= 2 && i < 8)
            QCOMPARE(face(after.at(i)), face(chosen));
        else
            QCOMPARE(after.at(i), before.at(i));
    }
    QCOMPARE(looks(editor, false),
             QStringLiteral("[#0000ff]bind[#000000] x +attack\r\n[#ff0000]set[#000000] a 1"));
}

void TestFrame::alignmentButtonsMoveTheSelectionsParagraph()
{
    FrameFixture f;
    platform::RichEdit *editor = f.newDocument()->editor();
    editor->LoadPlainText(QStringLiteral("one\r\ntwo\r\nthree"));
    const struct {
        const char *key;
        Qt::Alignment alignment;
    } steps[] = {{"center", Qt::AlignHCenter},
                 {"rightalign", Qt::AlignRight},
                 {"leftalign", Qt::AlignLeft}};
    for (const auto &step : steps) {
        editor->Select(6, 1);
        press(f, step.key);
        QCOMPARE(editor->SelAlignment(), step.alignment);
        editor->Select(0, 0);
        QCOMPARE(editor->SelAlignment(), Qt::AlignLeft);
    }
}

void TestFrame::windowMenuListsAndActivatesDocuments()
{
    FrameFixture f;
    const QString path = f.writeFile("a.cfg", "a\r\n");
    // Edited, so that the file opens in a window of its own.
    frmChild *first = f.newDocument();
    f.type(first, QStringLiteral("x"));
    f.type(f.newDocument(), QStringLiteral("y"));
    f.frame->openCommandLineFiles({path});
    QCOMPARE(windowListTexts(f.active()),
             (QStringList{"&1 Config1", "&2 Config2", "&3 " + path + " [x]"}));
    // Shown again, the list is rebuilt, not repeated.
    QCOMPARE(windowList(f.active()).size(), 3);

    f.dialogs.answers.enqueue(platform::Answer::No);
    f.trigger(f.frame->documentWindows().at(1), "mnuChildFileClose");
    f.settle();
    QCOMPARE(windowListTexts(f.active()), (QStringList{"&1 Config1", "&2 " + path + " [x]"}));

    windowList(f.active()).first()->trigger();
    QCOMPARE(f.active(), first);
    QCOMPARE(f.frame->mdiArea()->currentSubWindow()->widget(), first);
    QCOMPARE(windowListTexts(first), (QStringList{"&1 Config1 [x]", "&2 " + path}));
}

void TestFrame::tile_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("stacked");
    QTest::newRow("horizontally: stacked") << "mnuWindowTileHorizontally" << true;
    QTest::newRow("vertically: side by side") << "mnuWindowTileVertically" << false;
}

// A minimised window stays minimised and out of the way; a maximised one is restored.
void TestFrame::tile()
{
    QFETCH(QString, item);
    QFETCH(bool, stacked);
    FrameFixture f;
    const QList<QMdiSubWindow *> all = threeWindows(f);
    all.at(0)->showMinimized();
    f.frame->mdiArea()->setActiveSubWindow(all.at(2));
    all.at(2)->showMaximized();
    f.trigger(f.active(), item.toLatin1().constData());
    const int w = f.frame->mdiArea()->viewport()->width();
    const int h = f.frame->mdiArea()->viewport()->height();
    QVERIFY(all.at(0)->isMinimized());
    QVERIFY(!all.at(2)->isMaximized());
    if (stacked) {
        QCOMPARE(all.at(1)->geometry(), QRect(0, 0, w, h / 2));
        QCOMPARE(all.at(2)->geometry(), QRect(0, h / 2, w, h / 2));
    } else {
        QCOMPARE(all.at(1)->geometry(), QRect(0, 0, w / 2, h));
        QCOMPARE(all.at(2)->geometry(), QRect(w / 2, 0, w / 2, h));
    }
}

void TestFrame::cascade()
{
    FrameFixture f;
    QList<QMdiSubWindow *> cascaded = threeWindows(f);
    f.trigger(f.active(), "mnuWindowCascade");
    std::sort(cascaded.begin(), cascaded.end(),
              [](QMdiSubWindow *a, QMdiSubWindow *b) { return a->x() < b->x(); });
    for (int i = 1; i < cascaded.size(); ++i) {
        QVERIFY(cascaded.at(i)->x() > cascaded.at(i - 1)->x());
        QVERIFY(cascaded.at(i)->y() > cascaded.at(i - 1)->y());
    }
    // With no documents left nothing is arranged, and nothing breaks.
    for (frmChild *child : f.frame->documentWindows())
        child->close();
    f.settle();
    for (int how = 0; how < 4; ++how)
        f.frame->arrange(how);
}

void TestFrame::arrangeLinesUpMinimisedWindows()
{
    FrameFixture f;
    const QList<QMdiSubWindow *> all = threeWindows(f);
    all.at(1)->showMinimized();
    all.at(2)->showMinimized();
    f.frame->mdiArea()->setActiveSubWindow(all.at(0));
    f.trigger(f.active(), "mnuWindowTileVertically");
    const QRect normal = all.at(0)->geometry();
    // The user drags the minimised windows away from the bottom.
    all.at(1)->move(150, 40);
    all.at(2)->move(20, 90);
    f.trigger(f.active(), "mnuWindowArrange");
    const QRect area = f.frame->mdiArea()->viewport()->rect();
    QCOMPARE(all.at(0)->geometry(), normal);
    QVERIFY(all.at(1)->isMinimized() && all.at(2)->isMinimized());
    QCOMPARE(all.at(1)->geometry().bottomLeft(), QPoint(0, area.bottom()));
    QCOMPARE(all.at(2)->geometry().bottomLeft(), QPoint(all.at(1)->width(), area.bottom()));
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
