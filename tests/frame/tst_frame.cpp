// The frame window as the user meets it: menus and toolbars with and without documents, what
// the buttons do, the Window menu, recent files, and files dragged in from a file manager.
// Run under a sanitizer build, closing windows also checks that nothing touches a window that
// is being destroyed.
#include "FrameFixture.h"
#include "core/Keywords.h"

#include <QApplication>
#include <QClipboard>
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

/** The menu bar's captions, then the tooltips of the buttons shown ("-" a gap), per toolbar. */
QString chrome(const FrameFixture &f)
{
    QStringList parts{captions(f.frame->menuBar()->actions()).join(' ')};
    for (QToolBar *toolbar : {f.frame->tbr1(), f.frame->tbr2()}) {
        QStringList tips;
        for (QAction *action : toolbar->actions()) {
            const QWidget *widget = toolbar->widgetForAction(action);
            if (toolbar->isVisible() && widget && widget->isVisible())
                tips << (action->isSeparator() ? QStringLiteral("-") : action->toolTip()) +
                            (!action->isSeparator() && action->icon().pixmap(16, 16).isNull()
                                 ? "<no icon>"
                                 : "");
        }
        parts << tips.join(", ");
    }
    return parts.join(" | ");
}

/** Which toolbars show: "1" the main one, "2" the document one, "-" hidden. */
QString toolbars(const FrameFixture &f)
{
    return QString(f.frame->tbr1()->isVisible() ? '1' : '-') +
           (f.frame->tbr2()->isVisible() ? '2' : '-');
}

QAction *frameItem(const FrameFixture &f, const char *name)
{
    return f.frame->findChild<QAction *>(QLatin1String(name));
}

void press(const FrameFixture &f, const char *button)
{
    QAction *item = frameItem(f, button);
    QVERIFY2(item && item->isVisible() && item->isEnabled(), button);
    item->trigger();
}

/** The Window menu's list of documents as it is about to open; checked ones marked "[x]". */
QStringList windowList(frmChild *child, QList<QAction *> *items = nullptr)
{
    QMenu *menu = child->menuItem(QStringLiteral("mnuWindow"))->menu();
    Q_EMIT menu->aboutToShow();
    QStringList texts;
    for (QAction *item : menu->actions())
        if (!item->isSeparator() && item->objectName().isEmpty()) {
            texts << item->text() + (item->isChecked() ? " [x]" : "");
            if (items)
                *items << item;
        }
    return texts;
}

/** Drags @p data onto @p target, letting go when @p release: the action taken, IgnoreAction if
 * refused. */
Qt::DropAction drag(QWidget *target, const QMimeData &data, bool release)
{
    const QPoint centre = target->rect().center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(centre, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QDragMoveEvent move(centre, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QDragLeaveEvent leave;
    QDropEvent dropped(QPointF(centre), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    const bool moved =
        enter.isAccepted() && (QCoreApplication::sendEvent(target, &move), move.isAccepted());
    QCoreApplication::sendEvent(target, release ? static_cast<QEvent *>(&dropped) : &leave);
    return moved && (!release || dropped.isAccepted()) ? move.dropAction() : Qt::IgnoreAction;
}

const QString kFrameChrome = "&File &View | New (Ctrl-N), Open (Ctrl-O), -, - | ";

} // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void menusAndButtonsFollowTheDocuments()
    {
        FrameFixture f;
        QCOMPARE(f.frame->windowTitle(), QStringLiteral("Tessel"));
        QTRY_COMPARE(chrome(f), kFrameChrome);
        const QList<QAction *> bar = f.frame->menuBar()->actions();
        QCOMPARE(captions(bar.at(0)->menu()->actions()),
                 (QStringList{"&New", "&Open", "Recent &Files", "", "E&xit"}));
        QCOMPARE(captions(bar.at(1)->menu()->actions()), QStringList{"Show Toolbars"});
        press(f, "mnuFileNew");
        QVERIFY(f.pickBlankConfig());
        const QString documentChrome =
            "&File &Edit &View F&ormat &Insert &Tools &Window &Help | "
            "New (Ctrl-N), Open (Ctrl-O), Save, Save All, -, Cut (Ctrl-X), Copy (Ctrl-C), "
            "Paste (Ctrl-V), -, Change Font | Comment Block (Ctrl-I), Uncomment Block (Ctrl-U), "
            "-, Align Text Left (Ctrl-L), Center Text (Ctrl-E), Align Text Right (Ctrl-R), -, "
            "Undo (Ctrl-Z), Redo (Ctrl-Y)";
        QTRY_COMPARE(chrome(f), documentChrome);
        // The document's own menus, not the frame's that share names with them.
        QCOMPARE(f.frame->menuBar()->actions().at(2)->menu()->actions().first(),
                 f.active()->menuItem("mnuShowToolbars"));
        // Closed one by one while another program has the focus (the area then falls back on its
        // last active window): the bar shows the menus of the document left active.
        f.newDocument();
        f.newDocument();
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        f.settle();
        while (frmChild *closing = f.active()) {
            qobject_cast<QMdiSubWindow *>(closing->parentWidget())->close();
            f.settle();
            QVERIFY(f.active() != closing && !f.frame->menuBar()->actions().isEmpty());
            if (f.active())
                QCOMPARE(f.frame->menuBar()->actions().first()->menu(),
                         f.active()->menus().first());
            QTRY_COMPARE(chrome(f), f.active() ? documentChrome : kFrameChrome);
        }
        press(f, "mnuFileExit");
        f.settle();
        QVERIFY(!f.frame->isVisible());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void shortcutsReachTheShownMenus()
    {
        FrameFixture f;
        f.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.frame.get()));
        QTest::keyClick(f.frame.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(f.pickBlankConfig());
        // Now the document's menus answer Ctrl+N, once, whichever of several is active.
        QTest::keyClick(f.active()->editor(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(f.pickBlankConfig());
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

    // Steps: F the frame's Show Toolbars, D the document's, N a new document, C closing it; then
    // the toolbars shown. Without documents the frame's item is checked when the main one shows.
    void showToolbars()
    {
        FrameFixture f;
        frmChild *child = nullptr;
        const QString steps = "F-- F1- N12 D-- D12 C1- F-- N-2 D1- C1- N12 D-- C-- F1-";
        for (const QString &step : steps.split(' ')) {
            if (step[0] == 'F')
                frameItem(f, "mnuViewToolbars")->trigger();
            else if (step[0] == 'N')
                child = f.newDocument();
            else
                f.trigger(child, step[0] == 'D' ? "mnuShowToolbars" : "mnuChildFileClose");
            f.settle();
            QVERIFY2(toolbars(f) == step.mid(1), qPrintable(step + " gave " + toolbars(f)));
            if (step == "D--" || step == "D12")
                QCOMPARE(child->menuItem("mnuShowToolbars")->isChecked(), step == "D12");
            if (f.frame->documentWindows().isEmpty())
                QCOMPARE(frameItem(f, "mnuViewToolbars")->isChecked(),
                         f.frame->tbr1()->isVisible());
        }
    }

    // Save and Save All ask for a name (with the extension it had) only for a new document; Save
    // As always asks, even for a saved, unchanged file.
    void fileButtons()
    {
        FrameFixture f;
        press(f, "new");
        QVERIFY(f.pickBlankConfig());
        QCOMPARE(f.active()->Caption(), QStringLiteral("Config1"));
        const QString path = f.writeFile("a.txt", "set a 1");
        f.dialogs.openAnswers.enqueue({path});
        press(f, "open");
        frmChild *opened = f.active();
        QCOMPARE(opened->Caption(), path);
        f.type(opened, QStringLiteral("x"));
        frmChild *other = f.newDocument();
        f.type(other, QStringLiteral("new"));
        const QString named = f.folder.filePath(QStringLiteral("named.cfg"));
        f.dialogs.saveAnswers.enqueue(named);
        f.trigger(other, "mnuChildFileSave");
        f.trigger(opened, "mnuChildFileSave");
        QCOMPARE(f.readFile(path), QByteArray("xset a 1\r\n"));
        QCOMPARE(f.readFile(named), QByteArray("new\r\n"));
        QCOMPARE(other->Caption(), named);
        f.type(opened, QStringLiteral("y"));
        f.type(other, QStringLiteral("z"));
        f.type(f.newDocument(), QStringLiteral("w"));
        press(f, "SaveAll");
        QCOMPARE(f.readFile(path), QByteArray("xyset a 1\r\n"));
        QCOMPARE(f.readFile(named), QByteArray("newz\r\n"));

        f.type(opened, QStringLiteral("v"));
        f.frame->activateDocument(opened);
        const QString copy = f.folder.filePath(QStringLiteral("copy.cfg"));
        f.dialogs.saveAnswers.enqueue(copy);
        press(f, "SaveAs");
        QCOMPARE(f.readFile(copy), QByteArray("xyvset a 1\r\n"));
        QCOMPARE(f.readFile(path), QByteArray("xyset a 1\r\n"));
        QCOMPARE(opened->Caption(), copy);
        QVERIFY(!f.slotOf(opened).Dirty && f.slotOf(f.frame->documentWindows().last()).Dirty);
        press(f, "SaveAs"); // cancelled
        QStringList asked;
        for (const RecordingDialogs::SaveRequest &request : f.dialogs.saveRequests)
            asked << request.proposedName + ' ' + request.defaultSuffix;
        QCOMPARE(asked, (QStringList{"Config2 cfg", "Config3 cfg", path + " txt", copy + " cfg"}));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void clipboardButtonsCarryPlainText()
    {
        FrameFixture f;
        platform::RichEdit *editor = f.newDocument()->editor();
        editor->LoadPlainText(QStringLiteral("bind x +attack\r\nset a 1"));
        editor->Select(0, 4);
        editor->setSelColor(core::keywordRow(core::Keyword::Bind).color);
        editor->setSelBold(true);
        QClipboard *clipboard = QGuiApplication::clipboard();
        // Other programs get the platform's line ends, and no formatting.
        editor->Select(7, 12);
        press(f, "Copy");
        QCOMPARE(clipboard->text(), QStringLiteral("+attack\nset"));
        QCOMPARE(clipboard->mimeData()->formats(), QStringList{"text/plain"});
        editor->Select(0, 7);
        press(f, "Cut");
        QCOMPARE(clipboard->text(), QStringLiteral("bind x "));
        QCOMPARE(clipboard->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(colourRuns(editor), QStringLiteral("[#000000]+attack\r\nset a 1"));
        // Pasted text replaces the selection, plain, with the document's line ends, and stays.
        clipboard->setText(QStringLiteral("+zoom\nbind"));
        editor->Select(0, 7);
        press(f, "Paste");
        QCOMPARE(editor->SelStart(), 11);
        press(f, "Paste");
        QCOMPARE(colourRuns(editor),
                 QStringLiteral("[#000000]+zoom\r\nbind+zoom\r\nbind\r\nset a 1"));
    }

    void fontAndAlignmentButtons()
    {
        struct FontDialogs : RecordingDialogs {
            QList<QFont> presets;
            std::optional<QFont> chooseFont(const QFont &initial) override
            {
                presets << initial;
                return RecordingDialogs::chooseFont(initial);
            }
        };
        FrameFixture f;
        FontDialogs dialogs;
        platform::RichEdit *editor = f.newDocument()->editor();
        editor->LoadPlainText(QStringLiteral("bind x +attack\r\none\r\nthree"));
        editor->Select(0, 4);
        editor->setSelColor(core::keywordRow(core::Keyword::Bind).color);
        editor->Select(5, 9);
        editor->setSelFont(QFont(QStringLiteral("Courier New"), 15, QFont::Normal, true));
        const auto face = [](const QFont &font) {
            return font.family() + QString::number(font.pointSize()) + (font.bold() ? "b" : "") +
                   (font.italic() ? "i" : "");
        };
        // Each character's face: n the editor's, c Courier New 15 italic, C Courier New 18 bold
        // italic.
        const auto faces = [&] {
            QString result;
            for (int i = 0; i < 14; ++i) {
                editor->Select(i, 1);
                const QString look = face(editor->SelFont());
                result += look == "Courier New15i" ? 'c' : look == "Courier New18bi" ? 'C' : 'n';
            }
            return result;
        };
        // Cancelled, the dialog (opened on the selection's font) changes nothing.
        editor->Select(5, 9);
        press(f, "Font");
        QCOMPARE(dialogs.presets.size(), 1);
        QCOMPARE(face(dialogs.presets.first()), QStringLiteral("Courier New15i"));
        QCOMPARE(faces(), QStringLiteral("nnnnnccccccccc"));
        // A chosen font goes to the selection only, and never changes the keyword colours.
        dialogs.fontAnswers.enqueue(QFont(QStringLiteral("Courier New"), 18, QFont::Bold, true));
        editor->Select(2, 6);
        press(f, "Font");
        QCOMPARE(faces(), QStringLiteral("nnCCCCCCcccccc"));
        QCOMPARE(colourRuns(editor).section('\n', 0, 0),
                 QStringLiteral("[#0000ff]bi[#0000ff b]nd[#000000 b] x +[#000000]attack\r"));
        // Alignment goes to the selection's line.
        for (const QString step : {"center {c}", "rightalign {r}", "leftalign "}) {
            editor->Select(22, 1);
            press(f, qPrintable(step.section(' ', 0, 0)));
            QCOMPARE(colourRuns(editor).section('\n', 1, 2),
                     "one\r\n" + step.section(' ', 1) + "three");
        }
    }

    void windowMenuListsAndActivatesDocuments()
    {
        FrameFixture f;
        const QString path = f.writeFile("a.cfg", "a\r\n");
        frmChild *first = f.newDocument();
        f.type(first, QStringLiteral("x")); // edited, so that the file opens in a window of its own
        f.type(f.newDocument(), QStringLiteral("y"));
        QStringList missing; // many make one message
        for (int i = 0; i < 1000; ++i)
            missing << f.folder.filePath(QStringLiteral("missing%1.cfg").arg(i));
        f.frame->openCommandLineFiles(missing + QStringList{path});
        QCOMPARE(windowList(f.active()),
                 (QStringList{"&1 Config1", "&2 Config2", "&3 " + path + " [x]"}));
        const QStringList lines = f.dialogs.messages.takeFirst().text.split('\n');
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines.first(), QStringLiteral("Can't open 1000 files:"));
        QCOMPARE(lines.at(2), missing.first() + ": The file does not exist.");
        QCOMPARE(lines.last(), QStringLiteral("and 995 more."));
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(windowList(f.active()).size(), 3); // rebuilt, not repeated
        f.dialogs.answers.enqueue(platform::Answer::No);
        f.trigger(f.frame->documentWindows().at(1), "mnuChildFileClose");
        f.settle();
        QList<QAction *> items;
        QCOMPARE(windowList(f.active(), &items),
                 (QStringList{"&1 Config1", "&2 " + path + " [x]"}));
        items.first()->trigger();
        QCOMPARE(f.frame->mdiArea()->currentSubWindow()->widget(), first);
        QCOMPARE(windowList(first), (QStringList{"&1 Config1 [x]", "&2 " + path}));
        QCOMPARE(f.newDocument()->Caption(), QStringLiteral("Config2")); // the lowest free number
    }

    // Tiling leaves minimised windows be and restores a maximised one; Arrange Icons lines the
    // minimised ones up along the bottom; Cascade steps down and right; nothing breaks without
    // windows.
    void arrange()
    {
        FrameFixture f;
        for (int i = 0; i < 3; ++i)
            f.newDocument();
        const QList<QMdiSubWindow *> all = f.frame->mdiArea()->subWindowList();
        const QRect area = f.frame->mdiArea()->viewport()->rect();
        const int w = area.width(), h = area.height();
        all.at(0)->showMinimized();
        f.frame->mdiArea()->setActiveSubWindow(all.at(2));
        all.at(2)->showMaximized();
        f.trigger(f.active(), "mnuWindowTileHorizontally");
        QVERIFY(all.at(0)->isMinimized() && !all.at(2)->isMaximized());
        QCOMPARE(all.at(1)->geometry(), QRect(0, 0, w, h / 2));
        QCOMPARE(all.at(2)->geometry(), QRect(0, h / 2, w, h / 2));
        all.at(1)->showMinimized();
        f.trigger(f.active(), "mnuWindowTileVertically");
        QCOMPARE(all.at(2)->geometry(), QRect(0, 0, w, h));
        all.at(0)->move(150, 40);
        all.at(1)->move(20, 90);
        f.trigger(f.active(), "mnuWindowArrange");
        QCOMPARE(all.at(2)->geometry(), QRect(0, 0, w, h));
        QCOMPARE(all.at(0)->geometry().bottomLeft(), QPoint(0, area.bottom()));
        QCOMPARE(all.at(1)->geometry().bottomLeft(), QPoint(all.at(0)->width(), area.bottom()));
        for (QMdiSubWindow *window : all)
            window->showNormal();
        f.trigger(f.active(), "mnuWindowCascade");
        QList<QMdiSubWindow *> cascaded = all;
        std::sort(cascaded.begin(), cascaded.end(),
                  [](auto *a, auto *b) { return a->x() < b->x(); });
        for (int i = 1; i < 3; ++i)
            QVERIFY(cascaded.at(i)->x() > cascaded.at(i - 1)->x() &&
                    cascaded.at(i)->y() > cascaded.at(i - 1)->y());
        for (frmChild *child : f.frame->documentWindows())
            child->close();
        f.settle();
        for (int how = 0; how < 4; ++how)
            f.frame->arrange(frame::Arrangement(how));
    }

    void windowsStayInsideASmallFrame()
    {
        FrameFixture f;
        f.frame->resize(500, 400);
        f.settle();
        const QRect area = f.frame->mdiArea()->viewport()->rect();
        for (int i = 0; i < 6; ++i) {
            f.newDocument();
            QVERIFY(area.contains(f.frame->mdiArea()->currentSubWindow()->geometry()));
        }
        for (int how : {0, 1, 2}) {
            f.frame->arrange(frame::Arrangement(how));
            for (QMdiSubWindow *window : f.frame->mdiArea()->subWindowList())
                QVERIFY2(area.contains(window->geometry()), qPrintable(QString::number(how)));
        }
    }

    // Kept in the settings, newest first, each once; a missing one is offered for removal.
    void recentFiles()
    {
        FrameFixture f;
        const QString settings = f.folder.filePath(QStringLiteral("Tessel.ini"));
        f.frame->useSettings(settings);
        QStringList opened;
        for (int i = 1; i <= 12; ++i) {
            opened.prepend(f.writeFile(QStringLiteral("%1.cfg").arg(i), "set a 1\r\n"));
            QVERIFY(f.frame->documents().OpenDocument(opened.first()));
        }
        QVERIFY(f.frame->documents().OpenDocument(opened.at(3)));
        const QStringList expected =
            QStringList{opened.at(3)} + opened.mid(0, 3) + opened.mid(4, 6);
        frame::frmParent next;
        next.useSettings(settings);
        QCOMPARE(next.recentFiles(), expected);
        QMenu menu;
        next.fillRecentFilesMenu(&menu);
        QCOMPARE(menu.actions().size(), 10);
        QVERIFY(menu.actions().at(0)->text().endsWith(opened.at(3)));
        QFile::remove(expected.at(1));
        f.dialogs.answers.enqueue(platform::Answer::No);
        next.openRecentFile(expected.at(1));
        QCOMPARE(next.recentFiles(), expected);
        next.openRecentFile(expected.at(1)); // Yes
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(f.dialogs.messages.at(1).text.contains(expected.at(1)));
        QVERIFY(next.documentWindows().isEmpty());
        frame::frmParent third;
        third.useSettings(settings);
        QCOMPARE(third.recentFiles(), QStringList{expected.at(0)} + expected.mid(2));
    }

    void droppedFiles()
    {
        FrameFixture f;
        QMimeData text, links, files;
        text.setText(QStringLiteral("bind x +attack"));
        links.setUrls({QUrl(QStringLiteral("https://example.org/autoexec.cfg"))});
        for (const QMimeData *data : {&text, &links}) {
            QCOMPARE(drag(f.frame.get(), *data, false), Qt::IgnoreAction);
            QCOMPARE(drag(f.frame.get(), *data, true), Qt::IgnoreAction);
        }
        QVERIFY(f.frame->documentWindows().isEmpty() && f.dialogs.messages.isEmpty());
        // Local files open in order and are coloured like opened ones.
        const QString b = f.writeFile("b.cfg", "bind b +back\r\n");
        const QString a = f.writeFile("a file.cfg", "set a 1\r\n");
        const QString missing = f.folder.filePath(QStringLiteral("missing.cfg"));
        files.setUrls({QUrl(QStringLiteral("https://example.org/x.cfg")), QUrl::fromLocalFile(b),
                       QUrl::fromLocalFile(missing), QUrl::fromLocalFile(a)});
        QCOMPARE(drag(f.frame.get(), files, false), Qt::CopyAction);
        QCOMPARE(drag(f.frame.get(), files, true), Qt::CopyAction);
        QCOMPARE(f.captions(), (QStringList{b, a}));
        QCOMPARE(f.active()->Caption(), a);
        QCOMPARE(colourRuns(f.frame->documentWindows().first()->editor()),
                 QStringLiteral("[#0000ff b]bind[#000000] b +back\r\n"));
        QVERIFY(f.frame->tbr2()->isVisible());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages.first().text.startsWith("Can't open file: " + missing));
        // On an editor, files go to the frame and text stays in the editor.
        frmChild *child = f.newDocument();
        f.type(child, QStringLiteral("say "));
        QWidget *surface = child->editor()->viewport();
        files.setUrls({QUrl::fromLocalFile(a)});
        QCOMPARE(drag(surface, files, false), Qt::CopyAction);
        QCOMPARE(drag(surface, files, true), Qt::CopyAction);
        QVERIFY(drag(surface, text, true) != Qt::IgnoreAction);
        QCOMPARE(child->editor()->Text(), QStringLiteral("say bind x +attack"));
        QCOMPARE(f.captions(), (QStringList{b, a, "Config3", a}));
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
