// The editor's keyboard and mouse handling: shortcuts here, the colouring as the user types
// and the prompt for a key after a typed "bind " in TypingHighlighter.
#include "document/TypingHighlighter.h"
#include "document/frmChild.h"
#include "lists/ListSearch.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QKeyEvent>

namespace document {

namespace {

struct EditorShortcut {
    Qt::Key key;
    const char *item; // the menu item whose command the key runs
    Qt::KeyboardModifiers modifiers = Qt::ControlModifier;
};

// Ctrl with these keys runs the command and keeps the editor's own handling from running.
const EditorShortcut kEditorShortcuts[] = {
    {Qt::Key_A, "mnuEditSelectAll"},    {Qt::Key_C, "mnuEditCopy"},
    {Qt::Key_E, "mnuFormatCenterText"}, {Qt::Key_L, "mnuAlignTextLeft"},
    {Qt::Key_R, "mnuAlignTextRight"},   {Qt::Key_V, "mnuEditPaste"},
    {Qt::Key_X, "mnuEditCut"},          {Qt::Key_Z, "mnuEditUndo"},
    {Qt::Key_F4, "mnuView2"},           {Qt::Key_Y, "mnuEditRedo"},
    {Qt::Key_Z, "mnuEditRedo", Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_F, "mnuEditFind"},         {Qt::Key_H, "mnuEditReplace"},
    {Qt::Key_G, "mnuEditGoToLine"},     {Qt::Key_F3, "mnuEditFindNext", Qt::NoModifier},
    {Qt::Key_F3, "mnuEditFindPrevious", Qt::ShiftModifier},
};

const EditorShortcut *findShortcut(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    for (const EditorShortcut &shortcut : kEditorShortcuts)
        if (event->key() == shortcut.key && modifiers == shortcut.modifiers)
            return &shortcut;
    return nullptr;
}

} // namespace

bool frmChild::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor) {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Claim the table's keys so they arrive as key presses rather than menu shortcuts.
            if (findShortcut(static_cast<QKeyEvent *>(event))) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress:
            m_typing->keyPressed(static_cast<QKeyEvent *>(event)->key());
            return rtbMain_KeyDown(static_cast<QKeyEvent *>(event));
        case QEvent::KeyRelease:
            if (m_typing->isReleaseOfOwnPress(static_cast<QKeyEvent *>(event)))
                rtbMain_KeyUp(static_cast<QKeyEvent *>(event));
            break;
        case QEvent::FocusOut:
            m_typing->focusLost();
            break;
        case QEvent::FocusIn:
            rtbMain_GotFocus();
            break;
        default:
            break;
        }
    } else if (watched == m_editor->viewport() && event->type() == QEvent::MouseButtonPress) {
        rtbMain_MouseDown();
    } else if (watched == m_editor->viewport() && event->type() == QEvent::ToolTip) {
        return showHoverHelp(static_cast<QHelpEvent *>(event));
    }
    return QWidget::eventFilter(watched, event);
}

bool frmChild::rtbMain_KeyDown(QKeyEvent *event)
{
    const EditorShortcut *shortcut = findShortcut(event);
    if (!shortcut)
        return false;
    QAction *item = menuItem(QLatin1String(shortcut->item));
    if (item && item->isEnabled())
        item->trigger();
    return true;
}

void frmChild::rtbMain_KeyUp(QKeyEvent *event)
{
    if (!m_unloaded)
        m_typing->keyReleased(event);
}

bool frmChild::waitForSpace()
{
    // Waits nest: an inner wait may take the Space this one also heard; then wait on.
    return waitUntil(m_typing, &TypingHighlighter::spaceTypedChanged,
                     [this] { return m_typing->SpaceTyped(); });
}

void frmChild::rtbMain_GotFocus()
{
    for (ListSearch *list : {lsKeys(), lsBinds()}) {
        if (list->isVisible()) {
            m_typing->setSpaceTyped(false);
            list->hide();
        }
    }
}

void frmChild::rtbMain_MouseDown()
{
    for (ListSearch *list : {lsKeys(), lsBinds(), lsSpecial(), lsCVars()})
        list->hide();
}

} // namespace document
