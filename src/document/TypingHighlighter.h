#pragma once

#include <QObject>
#include <QSet>
#include <functional>

class QKeyEvent;

namespace platform {
class RichEdit;
}

namespace document {

/**
 * Colours the word before the caret as the user types, and after a typed "bind " prompts
 * for a key: shows the keys list and waits for the next Space.
 */
class TypingHighlighter : public QObject {
    Q_OBJECT
public:
    /** @p showKeysList pops up the keys list; @p waitForSpace waits as frmChild::waitForSpace. */
    TypingHighlighter(platform::RichEdit *editor, std::function<void()> showKeysList,
                      std::function<bool()> waitForSpace, QObject *parent);

    void keyPressed(int key) { m_keysDown.insert(key); }
    void focusLost() { m_keysDown.clear(); }
    /**
     * Whether the editor heard @p event's key go down: a key pressed in a dialog that then
     * closed is released here, and that release is none of the editor's business.
     */
    bool isReleaseOfOwnPress(const QKeyEvent *event);
    /** Recolours after a released Space, Right, Return or Backspace; a Space may prompt. */
    void keyReleased(const QKeyEvent *event);

    /** Set when a Space is released in the editor; ends a waiting bind command. */
    bool SpaceTyped() const { return m_spaceTyped; }
    void setSpaceTyped(bool typed);
    /** Pops up the keys list and waits for a Space; false when the window closed meanwhile. */
    bool promptForKey();

    /** Colours the word that ends at @p end as keyword or plain; see wordBeforeCaret. */
    void ColorCurrentWord(int end, bool passSpaces);

Q_SIGNALS:
    void spaceTypedChanged();

private:
    void RestoreCaret(int position);

    platform::RichEdit *m_editor;
    std::function<void()> m_showKeysList;
    std::function<bool()> m_waitForSpace;
    bool m_spaceTyped = false;
    QSet<int> m_keysDown;
};

} // namespace document
