#pragma once

#include "core/Game.h"
#include "core/Keywords.h"
#include "document/ConfigFile.h"
#include "document/PopupLists.h"
#include "platform/EventWait.h"

#include <QHash>
#include <QWidget>
#include <functional>

class QAction;
class QHelpEvent;
class QKeyEvent;
class QLabel;
class QMenu;
class QStatusBar;

namespace core {
struct Mod;
}

namespace platform {
class RichEdit;
}

namespace document {

class Documents;
enum class DocumentCommand;
class LineEndsPanel;
class FindBar;
class TypingHighlighter;

/** A document window: the editor, its status bar and its own menus. */
class frmChild : public QWidget {
    Q_OBJECT
public:
    explicit frmChild(Documents *documents, QWidget *parent = nullptr);
    ~frmChild() override;

    /** The slot index of this document (the window's Tag). */
    int Tag() const { return m_tag; }
    void setTag(int index) { m_tag = index; }

    /** Title or full path of the document. */
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

    platform::RichEdit *editor() const { return m_editor; }
    QStatusBar *statusBar() const { return m_statusBar; }
    FindBar *findBar() const { return m_findBar; }
    /** The menus this window shows in the frame's menu bar, in order. */
    const QList<QMenu *> &menus() const { return m_menus; }
    /** The editor's right-click menu, made of items of the menus. */
    QMenu *editorMenu() const { return m_editorMenu; }
    /** A menu item by name, or nullptr. */
    QAction *menuItem(const QString &name) const { return m_items.value(name); }

    /** The close question; true when the window may close. */
    bool QueryUnload();
    /** Closes without asking again (the question has been answered already). */
    void closeWithoutQuestion();
    /** The window is closed or closing and must not be written into. */
    bool isUnloaded() const { return m_unloaded; }

    /**
     * Marks a command waiting inside this window (a nested event loop); the window
     * is not destroyed under it, only once the last wait has ended.
     */
    void beginWait();
    void endWait();

    /** Gives the keyboard focus to the editor. */
    void focusEditor();

    void updateCharCount();
    /** Shows @p lineEnds in the status bar and the Format > Line Ends menu. */
    void showLineEnds(LineEnds lineEnds);
    /** The line ends the document is saved with. */
    LineEnds lineEnds() const;
    /** The text now is the text on disk: clears the changed mark until the next edit or undo. */
    void markSaved();

    /**
     * Waits, with the program responsive, until a Space is released in this editor.
     * False when the window was closed meanwhile: the caller must not touch it then.
     */
    bool waitForSpace();

    ListSearch *lsBinds() const { return m_lists->binds(); }
    ListSearch *lsCVars() const { return m_lists->cvars(); }
    ListSearch *lsKeys() const { return m_lists->keys(); }
    ListSearch *lsSpecial() const { return m_lists->special(); }

    /** The game of this document. */
    core::Game game() const;
    /** The mod whose menus this document shows, or nullptr. */
    const core::Mod *mod() const;

    /** Fill a reference list for the document's game and pop it up at the caret. */
    void ShowBindsList() { m_lists->showBinds(); }
    void ShowKeysList() { m_lists->showKeys(); }
    void ShowCVarsList() { m_lists->showCVars(); }
    /** Pops up the mod list @p fileName ("\Quake2\wf.txt"), taken below the Configs folder. */
    void ShowSpecialList(const QString &fileName) { m_lists->showSpecial(fileName); }
    /**
     * Waits, with the program responsive, until @p list is hidden again (a pick or a
     * cancel). False when the window was closed meanwhile: the caller must stop then.
     */
    bool waitForListHidden(ListSearch *list);

    /** Puts "//" before the caret's line, each line of the selection, or the selection. */
    void CommentBlock();
    /** Takes "//" off the caret's line, or off the lines of the selection that begin with it. */
    void UncommentBlock();
    /** Selects the caret's line, without its line break. */
    void SelectCurrentLine();

    /** Insert > bind: "bind " and a key from the keys list, or the selected key; then an action. */
    void InsertBind();

    /** Colours the keyword a writer has just inserted; see document::HighlightBeforeCaret. */
    void HighlightBeforeCaret(int back, int length, const QColor &color);

Q_SIGNALS:
    void captionChanged(const QString &caption);
    /** The window has unloaded: the command that waits in it must stop. */
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    QMenu *addMenu(const QString &name, const QString &caption, QMenu *parent = nullptr);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption,
                     const QKeySequence &shortcut = QKeySequence());
    void connectHandlers();
    /** Runs @p command, which the frame bound, for @p item of this window. */
    void runCommand(DocumentCommand command, QAction *item);
    void fillWindowMenu();
    /** The text's characters changed: the document is dirty. */
    void textChanged();
    void updateUndoItems();
    void addCaretPanel();
    void unload();

    /**
     * Runs a nested event loop, woken by @p signal of @p sender, until @p done holds or the
     * window unloads; the window is not destroyed meanwhile. False when it unloaded.
     */
    template <typename Sender, typename Signal>
    bool waitUntil(const Sender *sender, Signal signal, const std::function<bool()> &done)
    {
        beginWait();
        while (!m_unloaded && !done()) {
            platform::EventWait wait(this);
            wait.quitOn(sender, signal);
            wait.quitOn(this, &frmChild::unloaded);
            if (!wait.exec())
                break;
        }
        const bool open = !m_unloaded;
        endWait();
        return open;
    }
    bool showHoverHelp(const QHelpEvent *help) { return m_lists->showHoverHelp(help); }
    bool rtbMain_KeyDown(QKeyEvent *event);
    void rtbMain_KeyUp(QKeyEvent *event);
    void rtbMain_GotFocus();
    void rtbMain_MouseDown();

    /** Writes @p text, which begins with @p keyword, at the caret and highlights the keyword. */
    void InsertText(const QString &text, core::Keyword keyword);
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuChildFileSave_Click();
    void mnuChildFileSaveAs_Click();

    Documents *m_documents;
    int m_tag = 0;
    QString m_caption;
    platform::RichEdit *m_editor;
    QStatusBar *m_statusBar;
    QLabel *m_charCount;
    LineEndsPanel *m_lineEndsPanel = nullptr;
    FindBar *m_findBar;
    TypingHighlighter *m_typing;
    QList<QMenu *> m_menus;
    QHash<QString, QAction *> m_items;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_editorMenu = nullptr;
    QList<QAction *> m_windowListItems;
    bool m_skipQuestion = false;
    bool m_unloaded = false;
    int m_waitDepth = 0;
    PopupLists *m_lists;
    bool m_destroyPending = false;
};

} // namespace document
