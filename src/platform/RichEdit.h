#pragma once

#include "platform/RtfCodec.h"

#include <QColor>
#include <QPlainTextEdit>
#include <functional>

namespace platform {

/**
 * The config editor's text model over QPlainTextEdit, whose document lays out only the
 * lines in view and honours each paragraph's alignment.
 *
 * Positions are 0-based and a line break is the pair CR LF, counting two positions.
 * The caret and the ends of a selection never fall between the CR and the LF: such a
 * position moves to before the CR. Every character carries a colour and a bold flag;
 * unformatted text is black and not bold. All callers speak these positions; only this
 * class touches QTextCursor positions. Mapping a position costs O(log^2 n) at worst.
 */
class RichEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit RichEdit(QWidget *parent = nullptr);

    /** The whole text, line breaks as CR LF. */
    QString Text() const;
    /** The lines of the text, without their line breaks. */
    QStringList Lines() const;
    /** Length of Text() without building it. */
    int TextLength() const;
    /**
     * Replaces the whole content with plain text (CR LF, LF or CR line ends), black, not
     * bold. @p beforeShowing, if given, runs on the new text before the editor lays it
     * out (a colouring pass), with every operation of this class acting on it.
     */
    void LoadPlainText(const QString &text, const std::function<void()> &beforeShowing = {});

    int SelStart() const;
    void setSelStart(int position);
    int SelLength() const;
    /** Selects @p length characters from @p start (the caret ends at the far end). */
    void Select(int start, int length);

    /** The selected text; a one-character selection on either half of a line break is empty. */
    QString SelText() const;
    /**
     * Replaces the selection with @p text, which takes the format of the selection's start;
     * the caret ends behind it with nothing selected.
     */
    void setSelText(const QString &text);

    /** The selection as lines of coloured runs with their alignment (what Copy puts out as RTF). */
    QList<RichParagraph> SelRich() const;
    /** The whole text as SelRich() gives a selection, leaving the selection alone. */
    QList<RichParagraph> AllRich() const;
    /** Replaces the selection with @p paragraphs, keeping their colours, bold and alignment. */
    void setSelRich(const QList<RichParagraph> &paragraphs);

    /**
     * Colours and bolds @p length characters from @p column of 0-based @p line without
     * moving the caret: the fast path of passes that colour many keywords.
     */
    void formatInLine(int line, int column, int length, const QColor &color, bool bold);

    /** Colour of the selection's first character (of the typing format when nothing is selected). */
    QColor SelColor() const;
    /** Colours the selection; with an empty selection sets the colour of the next typed text. */
    void setSelColor(const QColor &color);
    bool SelBold() const;
    void setSelBold(bool bold);
    /** Font name, size, bold and italic of the selection's first character. */
    QFont SelFont() const;
    void setSelFont(const QFont &font);
    Qt::Alignment SelAlignment() const;
    void setSelAlignment(Qt::Alignment alignment);

    /** Positions of the first character of @p position's line and of its line break (or the end). */
    int lineStartOf(int position) const;
    int lineEndOf(int position) const;
    /** The text of @p position's line, without its line break. */
    QString lineTextOf(int position) const;

    /** 0-based line of @p position. */
    int GetLineFromChar(int position) const;

    /** Text-model position of a QTextDocument position, and back. */
    int toModelPosition(int documentPosition) const;
    int toDocumentPosition(int modelPosition) const;

    /**
     * Freezes drawing and layout for its lifetime, so a multi-step recolouring shows no
     * intermediate selections. Nests.
     */
    class Freeze {
    public:
        explicit Freeze(RichEdit *edit);
        ~Freeze();
        Freeze(const Freeze &) = delete;
        Freeze &operator=(const Freeze &) = delete;

    private:
        RichEdit *m_edit;
    };
    bool isFrozen() const { return m_freezeDepth > 0; }
    /** The cursor the selection operations act on: while frozen, a private one shown on release. */
    QTextCursor workCursor() const;

    static QColor black() { return QColor(0, 0, 0); }

    /**
     * Makes the edits of its lifetime part of the last undo step, so a recolouring that
     * follows a keystroke goes with it. Without edits it adds no step.
     */
    class JoinedStep {
    public:
        explicit JoinedStep(RichEdit *edit);
        ~JoinedStep();
        JoinedStep(const JoinedStep &) = delete;
        JoinedStep &operator=(const JoinedStep &) = delete;

    private:
        QTextCursor m_cursor;
    };

Q_SIGNALS:
    /** Text arriving from outside (paste, text drop) that the owner formats itself. */
    void plainTextArrived(const QString &text);
    /**
     * The user asked for the editor's menu (right button, menu key) at @p globalPosition.
     * While something listens, the editor shows no menu of its own.
     */
    void contextMenuWanted(const QPoint &globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    QTextCharFormat plainFormat() const;
    QTextCharFormat selectionStartFormat() const;
    QTextCursor documentCursor(int start, int length) const;
    void applyCharFormat(const QTextCharFormat &format);
    QList<RichParagraph> richBetween(int start, int end) const;
    /** Whether every selected character already has the colour and weight @p format sets. */
    bool selectionAlreadyHas(const QTextCharFormat &format) const;
    void commit(const QTextCursor &cursor);
    /** Whether @p event types, deletes or breaks a line (an edit the undo history groups). */
    static bool isTypingKey(const QKeyEvent *event);
    void typeKey(QKeyEvent *event);
    /** Whether the keystroke @p event continues the word the last keystroke typed. */
    bool continuesTyping(const QKeyEvent *event) const;

    /** The document being loaded, while LoadPlainText's preparation runs. */
    QTextDocument *doc() const { return m_detached ? m_detached : document(); }

    int m_freezeDepth = 0;
    QTextDocument *m_detached = nullptr;
    // formatInLine keeps the last format it built: a pass uses only a few.
    QTextCharFormat m_rangeFormat;
    QTextCursor m_frozenCursor;
    // Where the last keystroke left the document: the next one joins its undo step when
    // nothing else has happened since and it goes on with the same word.
    struct TypingRun {
        int undoSteps = -1;
        int caret = -1;
        bool removing = false;
        bool wordEnded = false;
    } m_typingRun;
};

/**
 * @p text as the editor holds it: every line end (CR LF, LF, CR, U+2028, U+2029) as CR LF
 * and no NUL characters. Every way text enters the editor applies this.
 */
QString toEditorText(const QString &text);

} // namespace platform
