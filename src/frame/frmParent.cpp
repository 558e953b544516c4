#include "frame/frmParent.h"

#include "frame/ProblemsDock.h"

#include "document/frmChild.h"
#include "frame/RecentFiles.h"
#include "frame/ToolbarIcons.h"
#include "mods/DocumentMods.h"
#include "mods/ModMenus.h"
#include "mods/frmSelMod.h"
#include "frame/frmProgress.h"
#include "platform/Clipboard.h"
#include "platform/Design.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>
#include <algorithm>

namespace frame {

using document::frmChild;

frmParent::frmParent(QWidget *parent) : QMainWindow(parent), m_documents(this), m_mdiArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmParent"));
    setWindowTitle(platform::applicationTitle());
    setWindowIcon(applicationIcon());
    resize(platform::twipsToPixels(9735, 8160));
    setAcceptDrops(true);
    setContextMenuPolicy(Qt::PreventContextMenu);

    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
        updateMenus();
        if (window)
            if (auto *child = qobject_cast<frmChild *>(window->widget()))
                child->focusEditor();
    });

    createMenus();
    bindDocumentCommands();
    createToolbars();
    new ProblemsDock(this, m_mdiArea);
    ShowDocumentButtons(false);
    updateMenus();
}

frmParent::~frmParent()
{
    // The document windows go first, while the frame can still answer their signals' absence.
    m_mdiArea->disconnect(this);
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        window->disconnect(this);
        delete window;
    }
}

void frmParent::createMenus()
{
    QMenu *file = new QMenu(QStringLiteral("&File"), this);
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *fileNew = file->addAction(QStringLiteral("&New"), this, &frmParent::newDocumentCommand);
    fileNew->setObjectName(QStringLiteral("mnuFileNew"));
    fileNew->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    QAction *fileOpen = file->addAction(QStringLiteral("&Open"), this, &frmParent::openCommand);
    fileOpen->setObjectName(QStringLiteral("mnuFileOpen"));
    fileOpen->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    QMenu *recent = file->addMenu(QStringLiteral("Recent &Files"));
    recent->setObjectName(QStringLiteral("mnuFileRecent"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentFilesMenu(recent); });
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction *fileExit = file->addAction(QStringLiteral("E&xit"), this, [this] { close(); });
    fileExit->setObjectName(QStringLiteral("mnuFileExit"));

    QMenu *view = new QMenu(QStringLiteral("&View"), this);
    view->setObjectName(QStringLiteral("mnuView"));
    m_viewToolbars = view->addAction(QStringLiteral("Show Toolbars"));
    m_viewToolbars->setObjectName(QStringLiteral("mnuViewToolbars"));
    m_viewToolbars->setCheckable(true);
    m_viewToolbars->setChecked(true);
    // Only the first toolbar: the editing toolbar belongs to the documents.
    connect(m_viewToolbars, &QAction::triggered, this,
            [this] { m_tbr1->setVisible(!m_tbr1->isVisible()); });

    m_ownMenus = {file, view};
}

void frmParent::updateMenus()
{
    menuBar()->clear();
    frmChild *child = activeDocument();
    const QList<QMenu *> &menus = child ? child->menus() : m_ownMenus;
    for (QMenu *menu : menus)
        menuBar()->addMenu(menu);
    updateUndoButtons();
}

frmChild *frmParent::activeDocument() const
{
    // currentSubWindow, not activeSubWindow: the latter is empty while a tool window has the focus.
    QMdiSubWindow *window = m_mdiArea->currentSubWindow();
    auto *child = window ? qobject_cast<frmChild *>(window->widget()) : nullptr;
    return child && !child->isUnloaded() ? child : nullptr;
}

QList<frmChild *> frmParent::documentWindows() const
{
    QList<frmChild *> windows;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList())
        if (auto *child = qobject_cast<frmChild *>(window->widget()); child && !child->isUnloaded())
            windows.append(child);
    return windows;
}

void frmParent::showDocumentWindow(frmChild *child)
{
    for (const char *item : {"mnuEditUndo", "mnuEditRedo"})
        connect(child->menuItem(QLatin1String(item)), &QAction::changed, this,
                &frmParent::updateUndoButtons);

    QMdiSubWindow *window = m_mdiArea->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setWindowIcon(toolbarIcon(QStringLiteral("new")));
    // The document's design size, as far as the frame has room for it.
    const QSize room = m_mdiArea->viewport()->size();
    window->resize(std::min(620, std::max(room.width() - 40, 300)),
                   std::min(480, std::max(room.height() - 40, 200)));
    // Queued: while `destroyed` is emitted the window is half torn down and the area still
    // counts it; once it is gone, the menus and the focus follow the document left active.
    connect(
        window, &QObject::destroyed, this,
        [this] {
            updateMenus();
            if (frmChild *active = activeDocument())
                active->focusEditor();
        },
        Qt::QueuedConnection);
    window->show();
    window->setGeometry(fitInside(window->geometry(), m_mdiArea->viewport()->rect()));
    m_mdiArea->setActiveSubWindow(window);
    updateMenus();
}

void frmParent::activateDocument(frmChild *child)
{
    if (auto *window = qobject_cast<QMdiSubWindow *>(child->parentWidget())) {
        window->showNormal();
        m_mdiArea->setActiveSubWindow(window);
    }
    updateMenus();
}

void frmParent::ShowDocumentButtons(bool visible)
{
    for (QAction *button : m_tbr1->actions())
        if (button->property("Tag").toString() == QLatin1String("1"))
            button->setVisible(visible);
    m_tbr2->setVisible(visible);
}

void frmParent::lastDocumentClosed()
{
    m_viewToolbars->setChecked(m_tbr1->isVisible());
    updateMenus();
}

void frmParent::applyModMenus(frmChild *child, const QString &modName)
{
    if (document::DocumentSlot *slot = m_documents.slotOf(child))
        slot->ModName = modName;
    mods::SetModMenus(child, modName);
}

void frmParent::targetOpenedDocument(frmChild *child)
{
    mods::targetOpenedDocument(&m_documents, child);
}

void frmParent::documentRenamed(frmChild *child, const QString &previousPath)
{
    mods::documentRenamed(&m_documents, child, previousPath);
}

void frmParent::newDocumentCommand() { mods::showSelectModDialog(&m_documents); }

void frmParent::openCommand() { m_documents.OpenCommand(); }

void frmParent::openCommandLineFiles(const QStringList &paths)
{
    // Another program may hand over any number of names: one message covers the missing ones.
    m_documents.beginFailureBatch();
    m_documents.OpenFileList(paths);
    m_documents.endFailureBatch();
}

document::ProgressView *frmParent::showProgressWindow()
{
    frmProgress *window = frmProgress::showWindow();
    // Paint the window once before the pass holds the program.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return window;
}

void frmParent::arrange(Arrangement how)
{
    switch (how) {
    case Arrangement::Cascade:
        m_mdiArea->cascadeSubWindows();
        keepWindowsInside();
        break;
    case Arrangement::TileHorizontally:
        tile(Qt::Vertical);
        keepWindowsInside();
        break;
    case Arrangement::TileVertically:
        tile(Qt::Horizontal);
        keepWindowsInside();
        break;
    case Arrangement::Icons: arrangeIcons(); break;
    }
}

// Arrange lines the minimised windows up along the bottom edge, left to right and row
// above row; the other windows stay where they are.
void frmParent::arrangeIcons()
{
    const QRect area = m_mdiArea->viewport()->rect();
    QPoint next(0, area.height());
    int rowHeight = 0;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        if (!window->isVisible() || !window->isMinimized())
            continue;
        const QSize size = window->size();
        if (next.x() > 0 && next.x() + size.width() > area.width()) {
            next = QPoint(0, next.y() - rowHeight);
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, size.height());
        window->move(next.x(), next.y() - size.height());
        next.rx() += size.width();
    }
}

// Tile Horizontally stacks the windows one above the other, full width; Tile Vertically
// sets them side by side, full height.
void frmParent::tile(Qt::Orientation stacking)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList())
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    if (windows.isEmpty())
        return;
    const QRect area = m_mdiArea->viewport()->rect();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        windows[i]->showNormal();
        if (stacking == Qt::Vertical) {
            const int height = area.height() / count;
            windows[i]->setGeometry(0, i * height, area.width(), height);
        } else {
            const int width = area.width() / count;
            windows[i]->setGeometry(i * width, 0, width, area.height());
        }
    }
}

void frmParent::closeEvent(QCloseEvent *event)
{
    // Every document answers its close question before any of them goes; one Cancel keeps all.
    const QList<frmChild *> windows = documentWindows();
    for (frmChild *child : windows) {
        if (!child->QueryUnload()) {
            event->ignore();
            return;
        }
    }
    savePlacement();
    for (frmChild *child : windows)
        child->closeWithoutQuestion();
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
    event->accept();
}

namespace {

// Files are dropped as copies; anything else shows the no-drop pointer.
void acceptFileDrag(QDragMoveEvent *event)
{
    const QMimeData *data = event->mimeData();
    bool files = false;
    if (data->hasUrls())
        for (const QUrl &url : data->urls())
            files = files || url.isLocalFile();
    if (files) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace

void frmParent::dragEnterEvent(QDragEnterEvent *event) { acceptFileDrag(event); }

void frmParent::dragMoveEvent(QDragMoveEvent *event) { acceptFileDrag(event); }

void frmParent::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    event->setDropAction(Qt::CopyAction);
    event->accept();
    openCommandLineFiles(paths);
}

} // namespace frame
