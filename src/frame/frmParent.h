#pragma once

#include "document/DocumentHost.h"
#include "document/Documents.h"

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace frame {

/** How Window > Cascade, Tile Horizontally, Tile Vertically and Arrange lay the documents out. */
enum class Arrangement { Cascade, TileHorizontally, TileVertically, Icons };

/** The frame window: the document area, its two toolbars and its own menus. */
class frmParent : public QMainWindow, public document::DocumentHost {
    Q_OBJECT
public:
    explicit frmParent(QWidget *parent = nullptr);
    ~frmParent() override;

    document::Documents &documents() { return m_documents; }
    QMdiArea *mdiArea() const { return m_mdiArea; }
    QToolBar *tbr1() const { return m_tbr1; }
    QToolBar *tbr2() const { return m_tbr2; }

    /** Opens every file named on the command line or handed over, in order. */
    void openCommandLineFiles(const QStringList &paths);

    // document::DocumentHost
    document::frmChild *activeDocument() const override;
    QList<document::frmChild *> documentWindows() const override;
    void showDocumentWindow(document::frmChild *child) override;
    void activateDocument(document::frmChild *child) override;
    void ShowDocumentButtons(bool visible) override;
    void lastDocumentClosed() override;
    void applyModMenus(document::frmChild *child, const QString &modName) override;
    void targetOpenedDocument(document::frmChild *child) override;
    void documentRenamed(document::frmChild *child, const QString &previousPath) override;
    document::ProgressView *showProgressWindow() override;
    void fileUsed(const QString &path) override;

    /** File > New: the Select Mod dialog. */
    void newDocumentCommand();
    void openCommand();
    void arrange(Arrangement how);
    /** Fills a Recent Files menu with the recent files, each opening its file. */
    void fillRecentFilesMenu(QMenu *menu);

    /**
     * Keeps the recent files and the window placement in the settings file @p path from now
     * on, and takes the frame's last placement from it (a first start: most of the screen).
     */
    void useSettings(const QString &path);
    QStringList recentFiles() const { return m_recentFiles; }
    /** Opens a recent file; one that no longer exists is offered for removal from the list. */
    void openRecentFile(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createMenus();
    /** Binds what the items of the document windows' menus do (DocumentCommands.cpp). */
    void bindDocumentCommands();
    void createToolbars();
    void updateMenus();
    void updateUndoButtons();
    /** Lays the visible windows out one above the other (Qt::Vertical) or side by side. */
    void tile(Qt::Orientation stacking);
    void arrangeIcons();
    /** Moves, and if need be shrinks, every document window into the document area. */
    void keepWindowsInside();
    void restorePlacement();
    void savePlacement();
    void saveRecentFiles();

    document::Documents m_documents;
    QMdiArea *m_mdiArea;
    QToolBar *m_tbr1 = nullptr;
    QToolBar *m_tbr2 = nullptr;
    QList<QMenu *> m_ownMenus;
    QAction *m_viewToolbars = nullptr;
    QString m_settingsPath;
    QStringList m_recentFiles;
};

} // namespace frame
