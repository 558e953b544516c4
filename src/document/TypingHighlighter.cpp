#include "document/TypingHighlighter.h"

#include "document/EditText.h"
#include "platform/RichEdit.h"

#include <QKeyEvent>

namespace document {

TypingHighlighter::TypingHighlighter(platform::RichEdit *editor, std::function<void()> showKeysList,
                                     std::function<bool()> waitForSpace, QObject *parent)
    : QObject(parent), m_editor(editor), m_showKeysList(std::move(showKeysList)),
      m_waitForSpace(std::move(waitForSpace))
{
}

bool TypingHighlighter::isReleaseOfOwnPress(const QKeyEvent *event)
{
    // Auto-repeat releases come between the presses of a key that is still held.
    if (event->isAutoRepeat())
        return m_keysDown.contains(event->key());
    return m_keysDown.remove(event->key());
}

void TypingHighlighter::keyReleased(const QKeyEvent *event)
{
    // Recolouring works at a caret: a selection left at a key-up was made with Shift (also when
    // Shift is let go first) and is the user's.
    if (event->isAutoRepeat() || m_editor->SelLength() > 0)
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
    if (key != Qt::Key_Space)
        return;
    setSpaceTyped(true);
    const int at = m_editor->SelStart();
    // Typing goes on in the format of the character before the caret.
    m_editor->Select(at, 0);
    if (endsBindWord(m_editor->lineTextOf(at), at - 1 - m_editor->lineStartOf(at)))
        promptForKey();
}

void TypingHighlighter::ColorCurrentWord(int end, bool passSpaces)
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

void TypingHighlighter::RestoreCaret(int position)
{
    m_editor->Select(position, 0);
    m_editor->setSelColor(platform::RichEdit::black());
}

bool TypingHighlighter::promptForKey()
{
    m_showKeysList();
    setSpaceTyped(false);
    if (!m_waitForSpace())
        return false;
    setSpaceTyped(false);
    return true;
}

void TypingHighlighter::setSpaceTyped(bool typed)
{
    m_spaceTyped = typed;
    if (typed)
        Q_EMIT spaceTypedChanged();
}

} // namespace document
