// The frame window as the user meets it: caption, menus, toolbars and their show and hide,
// and the Window menu's arrange commands and window list.
#include "FrameFixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

using document::frmChild;

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void startsEmptyWithItsOwnMenus();
    void startShowsOnlyNewOpenAndGaps();
    void toolbarTooltips_data();
    void toolbarTooltips();
    void newDocumentBringsItsMenusAndButtons();
    void closingLastDocumentRestoresTheFrame();
    void shortcutsReachTheShownMenus();
    void frameExitCloses();
    void frameShowToolbarsTogglesTheMainToolbarOnly();
    void documentShowToolbarsTogglesBothToolbars();
    void lastCloseSyncsFrameCheckWithMainToolbar();
    void windowMenuListsDocuments();
    void windowMenuPickActivates();
    void tileHorizontallyStacks();
    void tileVerticallySetsSideBySide();
    void tilingRestoresMaximisedAndSkipsMinimised();
    void cascade();
    void arrangeLinesUpMinimisedWindows();

private:
    static QStringList menuBarNames(const QMainWindow *window);
    static QStringList visibleButtons(const QToolBar *toolbar);
    static QAction *frameItem(const FrameFixture &f, const char *name);
    static QList<QMdiSubWindow *> windows(const FrameFixture &f);
};

QStringList TestFrame::menuBarNames(const QMainWindow *window)
{
    QStringList names;
    for (QAction *action : window->menuBar()->actions())
        if (action->isVisible() && action->menu())
            names << action->menu()->objectName();
    return names;
}

// The buttons (and gaps) of a toolbar the user can see, left to right.
QStringList TestFrame::visibleButtons(const QToolBar *toolbar)
{
    QStringList keys;
    if (!toolbar->isVisible())
        return keys;
    for (QAction *action : toolbar->actions())
        if (QWidget *widget = toolbar->widgetForAction(action); widget && widget->isVisible())
            keys << action->objectName();
    return keys;
}

QAction *TestFrame::frameItem(const FrameFixture &f, const char *name)
{
    auto *item = f.frame->findChild<QAction *>(QLatin1String(name));
    if (!item)
        qFatal("no frame item %s", name);
    return item;
}

QList<QMdiSubWindow *> TestFrame::windows(const FrameFixture &f)
{
    return f.frame->mdiArea()->subWindowList();
}

void TestFrame::startsEmptyWithItsOwnMenus()
{
    FrameFixture f;
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("Tessel"));
    QVERIFY(f.frame->documentWindows().isEmpty());
    QCOMPARE(menuBarNames(f.frame.get()), (QStringList{"mnuFile", "mnuView"}));

    const QList<QAction *> bar = f.frame->menuBar()->actions();
    QCOMPARE(bar.at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(bar.at(1)->text(), QStringLiteral("&View"));
    QStringList fileItems;
    for (QAction *item : bar.at(0)->menu()->actions())
        fileItems << item->objectName();
    QCOMPARE(fileItems, (QStringList{"mnuFileNew", "mnuFileOpen", "mnuSep1", "mnuFileExit"}));
    QCOMPARE(frameItem(f, "mnuFileNew")->text(), QStringLiteral("&New"));
    QCOMPARE(frameItem(f, "mnuFileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(frameItem(f, "mnuFileOpen")->text(), QStringLiteral("&Open"));
    QCOMPARE(frameItem(f, "mnuFileOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QVERIFY(frameItem(f, "mnuSep1")->isSeparator());
    QCOMPARE(frameItem(f, "mnuFileExit")->text(), QStringLiteral("E&xit"));

    const QList<QAction *> viewItems = bar.at(1)->menu()->actions();
    QCOMPARE(viewItems.size(), 1);
    QCOMPARE(viewItems.first()->objectName(), QStringLiteral("mnuViewToolbars"));
    QCOMPARE(viewItems.first()->text(), QStringLiteral("Show Toolbars"));
    QVERIFY(viewItems.first()->isCheckable());
    QVERIFY(viewItems.first()->isChecked());
}

void TestFrame::startShowsOnlyNewOpenAndGaps()
{
    FrameFixture f;
    QTRY_COMPARE(visibleButtons(f.frame->tbr1()), (QStringList{"new", "open", "ph1", "ph2"}));
    QVERIFY(f.frame->tbr1()->isVisible());
    QVERIFY(!f.frame->tbr2()->isVisible());
}

void TestFrame::toolbarTooltips_data()
{
    QTest::addColumn<QString>("toolbar");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("tooltip");
    const struct {
        const char *toolbar, *key, *tooltip;
    } rows[] = {
        {"tbr1", "new", "New (Ctrl-N)"},
        {"tbr1", "open", "Open (Ctrl-O)"},
        {"tbr1", "SaveAs", "Save"},
        {"tbr1", "SaveAll", "Save All"},
        {"tbr1", "ph1", nullptr},
        {"tbr1", "Cut", "Cut (Ctrl-X)"},
        {"tbr1", "Copy", "Copy (Ctrl-C)"},
        {"tbr1", "Paste", "Paste (Ctrl-V)"},
        {"tbr1", "ph2", nullptr},
        {"tbr1", "Font", "Change Font"},
        {"tbr2", "comment", "Comment Block (Ctrl-I)"},
        {"tbr2", "uncomment", "Uncomment Block (Ctrl-U)"},
        {"tbr2", "pSep3", nullptr},
        {"tbr2", "leftalign", "Align Text Left (Ctrl-L)"},
        {"tbr2", "center", "Center Text (Ctrl-E)"},
        {"tbr2", "rightalign", "Align Text Right (Ctrl-R)"},
    };
    int position = 0;
    QString previous;
    for (const auto &row : rows) {
        position = previous == QLatin1String(row.toolbar) ? position + 1 : 1;
        previous = QLatin1String(row.toolbar);
        QTest::addRow("%s %d %s", row.toolbar, position, row.key)
            << QString::fromLatin1(row.toolbar) << position << QString::fromLatin1(row.key)
            << (row.tooltip ? QString::fromLatin1(row.tooltip) : QString());
    }
}

void TestFrame::toolbarTooltips()
{
    QFETCH(QString, toolbar);
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(QString, tooltip);
    FrameFixture f;
    const QToolBar *bar = toolbar == QLatin1String("tbr1") ? f.frame->tbr1() : f.frame->tbr2();
    QCOMPARE(bar->objectName(), toolbar);
    QAction *button = bar->actions().value(position - 1);
    QVERIFY(button);
    QCOMPARE(button->objectName(), key);
    if (tooltip.isEmpty()) {
        QVERIFY(button->isSeparator());
    } else {
        QVERIFY(!button->isSeparator());
        QCOMPARE(button->toolTip(), tooltip);
        QVERIFY(!button->icon().isNull());
        QVERIFY(!button->icon().pixmap(16, 16).isNull());
    }
}

void TestFrame::newDocumentBringsItsMenusAndButtons()
{
    FrameFixture f;
    frameItem(f, "mnuFileNew")->trigger();
    QVERIFY(f.pickBlankConfig());
    frmChild *child = f.active();
    QVERIFY(child);
    QCOMPARE(child->Caption(), QStringLiteral("Config1"));
    QCOMPARE(menuBarNames(f.frame.get()),
             (QStringList{"mnuChildFile", "mnuEdit", "mnuView", "mnuFormat", "mnuInsert", "mnuTools",
                          "mnuWindow", "mnuChildHelp"}));
    QStringList captions;
    for (QAction *action : f.frame->menuBar()->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{"&File", "&Edit", "&View", "F&ormat", "&Insert", "&Tools",
                                    "&Window", "&Help"}));
    // The document's own menus, not the frame's that share names with them.
    QCOMPARE(f.frame->menuBar()->actions().at(2)->menu()->actions().first(),
             child->menuItem(QStringLiteral("mnuShowToolbars")));
    QTRY_COMPARE(visibleButtons(f.frame->tbr1()),
                 (QStringList{"new", "open", "SaveAs", "SaveAll", "ph1", "Cut", "Copy", "Paste",
                              "ph2", "Font"}));
    QTRY_COMPARE(visibleButtons(f.frame->tbr2()),
                 (QStringList{"comment", "uncomment", "pSep3", "leftalign", "center", "rightalign"}));
}

void TestFrame::closingLastDocumentRestoresTheFrame()
{
    FrameFixture f;
    frmChild *first = f.newDocument();
    frmChild *second = f.newDocument();
    f.trigger(second, "mnuChildFileClose");
    f.settle();
    QCOMPARE(f.active(), first);
    QCOMPARE(menuBarNames(f.frame.get()).size(), 8);
    QVERIFY(f.frame->tbr2()->isVisible());

    f.trigger(first, "mnuChildFileClose");
    f.settle();
    QVERIFY(f.frame->documentWindows().isEmpty());
    QCOMPARE(menuBarNames(f.frame.get()), (QStringList{"mnuFile", "mnuView"}));
    QTRY_COMPARE(visibleButtons(f.frame->tbr1()), (QStringList{"new", "open", "ph1", "ph2"}));
    QVERIFY(!f.frame->tbr2()->isVisible());
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

void TestFrame::frameExitCloses()
{
    FrameFixture f;
    QVERIFY(f.frame->isVisible());
    frameItem(f, "mnuFileExit")->trigger();
    f.settle();
    QVERIFY(!f.frame->isVisible());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestFrame::frameShowToolbarsTogglesTheMainToolbarOnly()
{
    FrameFixture f;
    QAction *show = frameItem(f, "mnuViewToolbars");
    show->trigger();
    QVERIFY(!f.frame->tbr1()->isVisible());
    QVERIFY(!f.frame->tbr2()->isVisible());
    QVERIFY(!show->isChecked());
    show->trigger();
    QVERIFY(f.frame->tbr1()->isVisible());
    QVERIFY(!f.frame->tbr2()->isVisible());
    QVERIFY(show->isChecked());
}

void TestFrame::documentShowToolbarsTogglesBothToolbars()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    QAction *show = child->menuItem(QStringLiteral("mnuShowToolbars"));
    QVERIFY(show->isChecked());
    show->trigger();
    QVERIFY(!f.frame->tbr1()->isVisible());
    QVERIFY(!f.frame->tbr2()->isVisible());
    QVERIFY(!show->isChecked());
    show->trigger();
    QVERIFY(f.frame->tbr1()->isVisible());
    QVERIFY(f.frame->tbr2()->isVisible());
    QVERIFY(show->isChecked());

    // Each toolbar is inverted on its own: with the main one hidden from the frame's menu
    // before the document came, the two swap.
    f.trigger(child, "mnuChildFileClose");
    f.settle();
    frameItem(f, "mnuViewToolbars")->trigger();
    child = f.newDocument();
    QVERIFY(!f.frame->tbr1()->isVisible());
    QVERIFY(f.frame->tbr2()->isVisible());
    child->menuItem(QStringLiteral("mnuShowToolbars"))->trigger();
    QVERIFY(f.frame->tbr1()->isVisible());
    QVERIFY(!f.frame->tbr2()->isVisible());
}

void TestFrame::lastCloseSyncsFrameCheckWithMainToolbar()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.trigger(child, "mnuShowToolbars");
    f.trigger(child, "mnuChildFileClose");
    f.settle();
    QAction *show = frameItem(f, "mnuViewToolbars");
    QVERIFY(!f.frame->tbr1()->isVisible());
    QVERIFY(!show->isChecked());
    show->trigger();
    QVERIFY(f.frame->tbr1()->isVisible());
    QVERIFY(show->isChecked());
    QVERIFY(!f.frame->tbr2()->isVisible());
}

namespace {

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

QStringList texts(const QList<QAction *> &items)
{
    QStringList result;
    for (QAction *item : items)
        result << item->text() + (item->isChecked() ? QStringLiteral(" [x]") : QString());
    return result;
}

} // namespace

void TestFrame::windowMenuListsDocuments()
{
    FrameFixture f;
    const QString path = f.writeFile("a.cfg", "a\r\n");
    // Edited, so that the file opens in a window of its own.
    f.type(f.newDocument(), QStringLiteral("x"));
    f.type(f.newDocument(), QStringLiteral("y"));
    f.frame->openCommandLineFiles({path});
    frmChild *active = f.active();
    QCOMPARE(texts(windowList(active)),
             (QStringList{"&1 Config1", "&2 Config2", "&3 " + path + " [x]"}));
    // Shown again, the list is rebuilt, not repeated.
    QCOMPARE(windowList(active).size(), 3);

    f.dialogs.answers.enqueue(platform::Answer::No);
    f.trigger(f.frame->documentWindows().at(1), "mnuChildFileClose");
    f.settle();
    QCOMPARE(texts(windowList(f.active())), (QStringList{"&1 Config1", "&2 " + path + " [x]"}));
}

void TestFrame::windowMenuPickActivates()
{
    FrameFixture f;
    frmChild *first = f.newDocument();
    frmChild *second = f.newDocument();
    QCOMPARE(f.active(), second);
    const QList<QAction *> items = windowList(second);
    QCOMPARE(items.size(), 2);
    items.first()->trigger();
    QCOMPARE(f.active(), first);
    QCOMPARE(f.frame->mdiArea()->currentSubWindow()->widget(), first);
    QCOMPARE(texts(windowList(first)), (QStringList{"&1 Config1 [x]", "&2 Config2"}));
}

void TestFrame::tileHorizontallyStacks()
{
    FrameFixture f;
    for (int i = 0; i < 3; ++i)
        f.newDocument();
    f.trigger(f.active(), "mnuWindowTileHorizontally");
    const QRect area = f.frame->mdiArea()->viewport()->rect();
    QList<QMdiSubWindow *> tiled = windows(f);
    std::sort(tiled.begin(), tiled.end(),
              [](QMdiSubWindow *a, QMdiSubWindow *b) { return a->y() < b->y(); });
    for (int i = 0; i < tiled.size(); ++i) {
        const QRect geometry = tiled.at(i)->geometry();
        QCOMPARE(geometry.left(), area.left());
        QCOMPARE(geometry.width(), area.width());
        QVERIFY(area.contains(geometry));
        QVERIFY(geometry.height() >= area.height() / 3 - 1);
        if (i > 0)
            QVERIFY(geometry.top() > tiled.at(i - 1)->geometry().bottom());
    }
}

void TestFrame::tileVerticallySetsSideBySide()
{
    FrameFixture f;
    for (int i = 0; i < 3; ++i)
        f.newDocument();
    f.trigger(f.active(), "mnuWindowTileVertically");
    const QRect area = f.frame->mdiArea()->viewport()->rect();
    QList<QMdiSubWindow *> tiled = windows(f);
    std::sort(tiled.begin(), tiled.end(),
              [](QMdiSubWindow *a, QMdiSubWindow *b) { return a->x() < b->x(); });
    for (int i = 0; i < tiled.size(); ++i) {
        const QRect geometry = tiled.at(i)->geometry();
        QCOMPARE(geometry.top(), area.top());
        QCOMPARE(geometry.height(), area.height());
        QVERIFY(area.contains(geometry));
        QVERIFY(geometry.width() >= area.width() / 3 - 1);
        if (i > 0)
            QVERIFY(geometry.left() > tiled.at(i - 1)->geometry().right());
    }
}

void TestFrame::tilingRestoresMaximisedAndSkipsMinimised()
{
    FrameFixture f;
    for (int i = 0; i < 3; ++i)
        f.newDocument();
    QMdiSubWindow *minimised = windows(f).at(0);
    minimised->showMinimized();
    f.frame->mdiArea()->setActiveSubWindow(windows(f).at(2));
    windows(f).at(2)->showMaximized();
    f.trigger(f.active(), "mnuWindowTileVertically");
    const QRect area = f.frame->mdiArea()->viewport()->rect();
    QVERIFY(minimised->isMinimized());
    QMdiSubWindow *left = windows(f).at(1);
    QMdiSubWindow *right = windows(f).at(2);
    QVERIFY(!left->isMaximized());
    QVERIFY(!right->isMaximized());
    QCOMPARE(left->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    QCOMPARE(right->geometry(), QRect(area.width() / 2, 0, area.width() / 2, area.height()));
}

void TestFrame::cascade()
{
    FrameFixture f;
    for (int i = 0; i < 3; ++i)
        f.newDocument();
    f.trigger(f.active(), "mnuWindowCascade");
    QList<QMdiSubWindow *> cascaded = windows(f);
    std::sort(cascaded.begin(), cascaded.end(),
              [](QMdiSubWindow *a, QMdiSubWindow *b) { return a->x() < b->x(); });
    for (int i = 1; i < cascaded.size(); ++i) {
        QVERIFY(cascaded.at(i)->x() > cascaded.at(i - 1)->x());
        QVERIFY(cascaded.at(i)->y() > cascaded.at(i - 1)->y());
    }
    // With no documents left nothing is arranged, and nothing breaks.
    f.frame->arrange(1);
    f.frame->arrange(2);
    for (frmChild *child : f.frame->documentWindows())
        child->close();
    f.settle();
    for (int how = 0; how < 4; ++how)
        f.frame->arrange(how);
}

void TestFrame::arrangeLinesUpMinimisedWindows()
{
    FrameFixture f;
    for (int i = 0; i < 3; ++i)
        f.newDocument();
    const QList<QMdiSubWindow *> all = windows(f);
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
    QVERIFY(!all.at(0)->isMinimized());
    QVERIFY(all.at(1)->isMinimized());
    QVERIFY(all.at(2)->isMinimized());
    QCOMPARE(all.at(1)->geometry().bottomLeft(), QPoint(0, area.bottom()));
    QCOMPARE(all.at(2)->geometry().bottomLeft(), QPoint(all.at(1)->width(), area.bottom()));
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
