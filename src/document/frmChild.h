#pragma once

#include <QHash>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;

namespace platform {
class RichEdit;
}

namespace document {

class Documents;

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
    /** The menus this window shows in the frame's menu bar, in order. */
    const QList<QMenu *> &menus() const { return m_menus; }
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

Q_SIGNALS:
    void captionChanged(const QString &caption);
    /** The window has unloaded: the command that waits in it must stop. */
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    QMenu *addMenu(const QString &name, const QString &caption, QMenu *parent = nullptr);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption,
                     const QKeySequence &shortcut = QKeySequence());
    void connectHandlers();
    void fillWindowMenu();
    void textChanged();
    void unload();

    void mnuChildFileSave_Click();
    void mnuChildFileSaveAs_Click();
    void mnuShowToolbars_Click();

    Documents *m_documents;
    int m_tag = 0;
    QString m_caption;
    platform::RichEdit *m_editor;
    QStatusBar *m_statusBar;
    QLabel *m_charCount;
    QList<QMenu *> m_menus;
    QHash<QString, QAction *> m_items;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowListItems;
    bool m_skipQuestion = false;
    bool m_unloaded = false;
    int m_waitDepth = 0;
    bool m_destroyPending = false;
};

} // namespace document
