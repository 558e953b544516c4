// The editor's keyboard and mouse handling: shortcuts, colouring the word before the
// caret as the user types, and the prompt for a key after a typed "bind ".
#include "document/EditText.h"
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
            m_keysDown.insert(static_cast<QKeyEvent *>(event)->key());
            return rtbMain_KeyDown(static_cast<QKeyEvent *>(event));
        case QEvent::KeyRelease:
            if (isReleaseOfOwnPress(static_cast<QKeyEvent *>(event)))
                rtbMain_KeyUp(static_cast<QKeyEvent *>(event));
            break;
        case QEvent::FocusOut:
            m_keysDown.clear();
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
    // Recolouring works at a caret: a selection left at a key-up was made with Shift (also when
    // Shift is let go first) and is the user's.
    if (event->isAutoRepeat() || m_unloaded || m_editor->SelLength() > 0)
        return;
    const int key = event->key();
    const bool recolours = key == Qt::Key_Space || key == Qt::Key_Right || key == Qt::Key_Return ||
                           key == Qt::Key_Enter || key == Qt::Key_Backspace;
    if (!recolours)
        return;
    const int caret = m_editor->SelStart();
    {
        // The recolouring belongs to the keystroke's undo step: undo takes both back.
        platform::RichEdit::JoinedStep step(m_editor);
        platform::RichEdit::Freeze freeze(m_editor);
        int end = caret;
        // Return recolours the last word above the line breaks.
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            while (end > 0 && end == m_editor->lineStartOf(end))
                end -= 2;
        ColorCurrentWord(end, key == Qt::Key_Space || key == Qt::Key_Right);
        RestoreCaret(caret);
    }
    if (key == Qt::Key_Space)
        bindPrompt();
}

void frmChild::ColorCurrentWord(int end, bool passSpaces)
{
    const int lineStart = m_editor->lineStartOf(end);
    const QString line = m_editor->lineTextOf(end);
    const WordSpan span = wordBeforeCaret(line, end - lineStart, passSpaces);
    const QString word = line.mid(span.start, span.length);
    const WordLook look = keywordDecision(word);
    m_editor->Select(lineStart + span.start, span.length);
    m_editor->setSelBold(look.bold);
    m_editor->setSelColor(look.color);
    if (look.text != word)
        m_editor->setSelText(look.text);
}

void frmChild::RestoreCaret(int position)
{
    m_editor->Select(position, 0);
    m_editor->setSelColor(platform::RichEdit::black());
}

void frmChild::bindPrompt()
{
    setSpaceTyped(true);
    const int caret = m_editor->SelStart();
    // Typing goes on in the format of the character before the caret.
    m_editor->Select(caret, 0);
    if (!endsBindWord(m_editor->lineTextOf(caret), caret - 1 - m_editor->lineStartOf(caret)))
        return;
    ShowKeysList();
    setSpaceTyped(false);
    if (waitForSpace())
        setSpaceTyped(false);
}

void frmChild::setSpaceTyped(bool typed)
{
    m_spaceTyped = typed;
    if (typed)
        Q_EMIT spaceTypedChanged();
}

bool frmChild::waitForSpace()
{
    // Waits nest: an inner wait may take the Space this one also heard; then wait on.
    return waitUntil(this, &frmChild::spaceTypedChanged, [this] { return m_spaceTyped; });
}

void frmChild::rtbMain_GotFocus()
{
    for (ListSearch *list : {m_lsKeys, m_lsBinds}) {
        if (list->isVisible()) {
            setSpaceTyped(false);
            list->hide();
        }
    }
}

void frmChild::rtbMain_MouseDown()
{
    for (ListSearch *list : {m_lsKeys, m_lsBinds, m_lsSpecial, m_lsCVars})
        list->hide();
}

} // namespace document
