#include "platform/RichEdit.h"

#include "platform/AlignedPlainLayout.h"
#include "platform/Design.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMimeData>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace platform {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Text for QTextCursor::insertText, which turns CR, LF and U+2029 into paragraph breaks but
// keeps U+2028 inside the paragraph, where Text() would count it as a two-character line break.
// A config never holds NUL: the file could not be opened again.
QString toDocumentText(const QString &text)
{
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (QChar &ch : normalized)
        if (ch == QLatin1Char('\r') || ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator)
            ch = QLatin1Char('\n');
    normalized.remove(QChar(0));
    return normalized;
}

bool needsDocumentText(const QString &text)
{
    for (const QChar ch : text)
        if (ch.isNull() || ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator)
            return true;
    return false;
}

QString fromDocumentText(QString text)
{
    text.replace(QChar::ParagraphSeparator, kCrLf);
    text.replace(QChar::LineSeparator, kCrLf);
    return text;
}

} // namespace

QString toEditorText(const QString &text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')) && !needsDocumentText(text))
        return text;
    QString result = toDocumentText(text);
    result.replace(QLatin1Char('\n'), kCrLf);
    return result;
}

RichEdit::RichEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setDocument(newAlignedDocument(this));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFont font = designFont(10);
    setFont(font);
    document()->setDefaultFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setCurrentCharFormat(plainFormat());
}

QTextCharFormat RichEdit::plainFormat() const
{
    QTextCharFormat format;
    format.setForeground(black());
    format.setFontWeight(QFont::Normal);
    return format;
}

QString RichEdit::Text() const
{
    QString text;
    text.reserve(TextLength());
    for (QTextBlock block = doc()->begin(); block.isValid(); block = block.next()) {
        if (block != doc()->begin())
            text += kCrLf;
        text += block.text();
    }
    return fromDocumentText(text);
}

QStringList RichEdit::Lines() const
{
    QStringList lines;
    lines.reserve(doc()->blockCount());
    for (QTextBlock block = doc()->begin(); block.isValid(); block = block.next())
        lines.append(fromDocumentText(block.text()));
    return lines;
}

int RichEdit::TextLength() const
{
    const QTextDocument *doc = this->doc();
    return doc->characterCount() - 1 + (doc->blockCount() - 1);
}

void RichEdit::LoadPlainText(const QString &text, const std::function<void()> &beforeShowing)
{
    // The text goes into a fresh document that the editor only takes once it is ready,
    // so the editor sees the coloured text as one change, not one per keyword.
    QTextDocument *fresh = newAlignedDocument(this);
    fresh->setUndoRedoEnabled(false);
    fresh->setDefaultFont(document()->defaultFont());
    fresh->setDocumentMargin(document()->documentMargin());
    fresh->setPlainText(toDocumentText(text));
    QTextCursor cursor(fresh);
    cursor.setPosition(0);
    cursor.setCharFormat(plainFormat());
    if (beforeShowing) {
        m_detached = fresh;
        m_frozenCursor = cursor;
        // Inside an edit block the cursors skip working out their x position at every move.
        QTextCursor block(fresh);
        block.beginEditBlock();
        beforeShowing();
        block.endEditBlock();
        cursor = m_frozenCursor;
        m_frozenCursor = QTextCursor();
        m_detached = nullptr;
    }
    // The editor deletes a document of its own making itself; ours we delete here.
    QPointer<QTextDocument> old = document();
    setDocument(fresh);
    if (old && old->parent() == this)
        delete old.data();
    setTextCursor(cursor);
    // A loaded file starts with an empty history, unchanged.
    fresh->setUndoRedoEnabled(true);
    fresh->setModified(false);
    Q_EMIT textChanged();
}

int RichEdit::toModelPosition(int documentPosition) const
{
    return documentPosition + doc()->findBlock(documentPosition).blockNumber();
}

int RichEdit::toDocumentPosition(int modelPosition) const
{
    const QTextDocument *doc = this->doc();
    if (modelPosition <= 0)
        return 0;
    // The model start of block b is its document position plus b (one extra position
    // for every earlier line break): find the last block starting at or before the position.
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (doc->findBlockByNumber(middle).position() + middle <= modelPosition)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const int lineLength = block.length() - 1;
    const int offset = std::min(modelPosition - (block.position() + low), lineLength);
    return block.position() + offset;
}

QTextCursor RichEdit::documentCursor(int start, int length) const
{
    const int total = TextLength();
    start = std::clamp(start, 0, total);
    const int end = std::clamp(start + std::max(length, 0), start, total);
    const int documentStart = toDocumentPosition(start);
    QTextCursor cursor(doc());
    cursor.setPosition(documentStart);
    if (end == start)
        return cursor;
    if (end - start == 1) {
        // One character on either half of a line break reads as nothing.
        const QTextBlock block = doc()->findBlock(documentStart);
        const bool onLf = toModelPosition(documentStart) != start;
        const bool onCr = documentStart == block.position() + block.length() - 1 &&
                          block.next().isValid();
        if (onLf || onCr)
            return cursor;
    }
    cursor.setPosition(toDocumentPosition(end), QTextCursor::KeepAnchor);
    return cursor;
}

QTextCursor RichEdit::workCursor() const
{
    return m_freezeDepth > 0 || m_detached ? m_frozenCursor : textCursor();
}

void RichEdit::commit(const QTextCursor &cursor)
{
    if (m_freezeDepth > 0 || m_detached)
        m_frozenCursor = cursor;
    else
        setTextCursor(cursor);
}

int RichEdit::SelStart() const { return toModelPosition(workCursor().selectionStart()); }

void RichEdit::setSelStart(int position) { Select(position, 0); }

int RichEdit::SelLength() const
{
    const QTextCursor cursor = workCursor();
    return toModelPosition(cursor.selectionEnd()) - toModelPosition(cursor.selectionStart());
}

void RichEdit::Select(int start, int length) { commit(documentCursor(start, length)); }

QString RichEdit::SelText() const { return fromDocumentText(workCursor().selectedText()); }

void RichEdit::setSelText(const QString &text)
{
    QTextCursor cursor = workCursor();
    const QTextCharFormat format = selectionStartFormat();
    const QString written = toDocumentText(text);
    if (!written.isEmpty() || cursor.hasSelection())
    cursor.insertText(written, format);
    commit(cursor);
}

QList<RichParagraph> RichEdit::SelRich() const
{
    const QTextCursor cursor = workCursor();
    return richBetween(cursor.selectionStart(), cursor.selectionEnd());
}

QList<RichParagraph> RichEdit::AllRich() const { return richBetween(0, doc()->characterCount() - 1); }

QList<RichParagraph> RichEdit::richBetween(int start, int end) const
{
    QList<RichParagraph> paragraphs;
    for (QTextBlock block = doc()->findBlock(start); block.isValid() && block.position() <= end;
         block = block.next()) {
        RichParagraph paragraph;
        paragraph.alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (!(paragraph.alignment & (Qt::AlignHCenter | Qt::AlignRight)))
            paragraph.alignment = Qt::AlignLeft;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(start, fragment.position());
            const int to = std::min(end, fragment.position() + fragment.length());
            if (from >= to)
                continue;
            const QTextCharFormat format = fragment.charFormat();
            RichRun run;
            run.text = fragment.text().mid(from - fragment.position(), to - from);
            run.color = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                         : black();
            run.bold = format.fontWeight() >= QFont::Bold;
            paragraph.runs.append(run);
        }
        paragraphs.append(paragraph);
        if (block.position() + block.length() > end)
            break;
    }
    return paragraphs;
}

void RichEdit::setSelRich(const QList<RichParagraph> &paragraphs)
{
    QTextCursor cursor = workCursor();
    const bool writes = cursor.hasSelection() || paragraphs.size() > 1 ||
                        std::any_of(paragraphs.cbegin(), paragraphs.cend(), [](const RichParagraph &p) {
                            return std::any_of(p.runs.cbegin(), p.runs.cend(),
                                               [](const RichRun &run) { return !toDocumentText(run.text).isEmpty(); });
                        });
    if (writes)
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        const RichParagraph &paragraph = paragraphs.at(i);
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(paragraph.alignment);
        if (i > 0)
            cursor.insertBlock(blockFormat);
        else if (cursor.atBlockStart())
            cursor.mergeBlockFormat(blockFormat);
        for (const RichRun &run : paragraph.runs) {
            QTextCharFormat format = plainFormat();
            format.setForeground(run.color.isValid() ? run.color : black());
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            cursor.insertText(toDocumentText(run.text), format);
        }
    }
    cursor.endEditBlock();
    commit(cursor);
}

void RichEdit::formatInLine(int line, int column, int length, const QColor &color, bool bold)
{
    const QTextBlock block = doc()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    const int start = block.position() + std::min(column, block.length() - 1);
    QTextCursor cursor(doc());
    cursor.setPosition(start);
    cursor.setPosition(std::min(start + length, block.position() + block.length() - 1),
                       QTextCursor::KeepAnchor);
    const int weight = bold ? QFont::Bold : QFont::Normal;
    if (m_rangeFormat.foreground().color() != color || m_rangeFormat.fontWeight() != weight) {
        m_rangeFormat = QTextCharFormat();
        m_rangeFormat.setForeground(color);
        m_rangeFormat.setFontWeight(weight);
    }
    cursor.mergeCharFormat(m_rangeFormat);
}

QTextCharFormat RichEdit::selectionStartFormat() const
{
    const QTextCursor cursor = workCursor();
    if (!cursor.hasSelection())
        return cursor.charFormat();
    QTextCursor first(doc());
    first.setPosition(cursor.selectionStart() + 1);
    return first.charFormat();
}

QColor RichEdit::SelColor() const
{
    const QTextCharFormat format = selectionStartFormat();
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                           : black();
}

bool RichEdit::SelBold() const { return selectionStartFormat().fontWeight() >= QFont::Bold; }

QFont RichEdit::SelFont() const
{
    QFont font = selectionStartFormat().font();
    if (!selectionStartFormat().hasProperty(QTextFormat::FontFamilies))
        font.setFamilies(doc()->defaultFont().families());
    return font;
}

void RichEdit::setSelFont(const QFont &font)
{
    QTextCharFormat format;
    format.setFontFamilies({font.family()});
    format.setFontPointSize(font.pointSizeF());
    format.setFontWeight(font.weight());
    format.setFontItalic(font.italic());
    applyCharFormat(format);
}

bool RichEdit::selectionAlreadyHas(const QTextCharFormat &format) const
{
    const QMap<int, QVariant> properties = format.properties();
    for (auto it = properties.cbegin(); it != properties.cend(); ++it)
        if (it.key() != QTextFormat::ForegroundBrush && it.key() != QTextFormat::FontWeight)
            return false;
    const QTextCursor cursor = workCursor();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = doc()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const QTextCharFormat has = fragment.charFormat();
            if (format.hasProperty(QTextFormat::ForegroundBrush) &&
                (has.hasProperty(QTextFormat::ForegroundBrush) ? has.foreground().color() : black()) !=
                    format.foreground().color())
                return false;
            if (format.hasProperty(QTextFormat::FontWeight) &&
                has.fontWeight() != format.fontWeight())
                return false;
        }
    }
    return true;
}

void RichEdit::applyCharFormat(const QTextCharFormat &format)
{
    // With a selection the characters change; without one, the format of the next typed text.
    QTextCursor cursor = workCursor();
    // Only real changes are made: each one relays out its line and repaints it.
    if (cursor.hasSelection() && selectionAlreadyHas(format))
        return;
    cursor.mergeCharFormat(format);
    commit(cursor);
}

void RichEdit::setSelColor(const QColor &color)
{
    QTextCharFormat format;
    format.setForeground(color);
    applyCharFormat(format);
}

void RichEdit::setSelBold(bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    applyCharFormat(format);
}

Qt::Alignment RichEdit::SelAlignment() const
{
    return workCursor().blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

void RichEdit::setSelAlignment(Qt::Alignment alignment)
{
    QTextCursor cursor = workCursor();
    QTextBlockFormat format;
    format.setAlignment(alignment);
    cursor.mergeBlockFormat(format);
    commit(cursor);
}

int RichEdit::lineStartOf(int position) const
{
    return toModelPosition(doc()->findBlock(toDocumentPosition(position)).position());
}

int RichEdit::lineEndOf(int position) const
{
    const QTextBlock block = doc()->findBlock(toDocumentPosition(position));
    return toModelPosition(block.position() + block.length() - 1);
}

QString RichEdit::lineTextOf(int position) const
{
    return doc()->findBlock(toDocumentPosition(position)).text();
}

int RichEdit::GetLineFromChar(int position) const
{
    return doc()->findBlock(toDocumentPosition(position)).blockNumber();
}

RichEdit::Freeze::Freeze(RichEdit *edit) : m_edit(edit)
{
    if (m_edit->m_freezeDepth++ == 0 && !m_edit->m_detached) {
        m_edit->m_frozenCursor = m_edit->textCursor();
        m_edit->setUpdatesEnabled(false);
        QTextCursor(m_edit->doc()).beginEditBlock();
    }
}

RichEdit::Freeze::~Freeze()
{
    if (--m_edit->m_freezeDepth == 0 && !m_edit->m_detached) {
        QTextCursor(m_edit->doc()).endEditBlock();
        m_edit->setTextCursor(m_edit->m_frozenCursor);
        m_edit->m_frozenCursor = QTextCursor();
        m_edit->setUpdatesEnabled(true);
    }
}

RichEdit::JoinedStep::JoinedStep(RichEdit *edit) : m_cursor(edit->doc())
{
    m_cursor.joinPreviousEditBlock();
}

RichEdit::JoinedStep::~JoinedStep() { m_cursor.endEditBlock(); }

bool RichEdit::isTypingKey(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return !event->text().isEmpty() &&
               (event->text().at(0).isPrint() || event->text().at(0) == QLatin1Char('\t'));
    }
}

bool RichEdit::continuesTyping(const QKeyEvent *event) const
{
    const bool removing = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
    const QTextCursor cursor = textCursor();
    return !cursor.hasSelection() && !doc()->isRedoAvailable() &&
           doc()->availableUndoSteps() == m_typingRun.undoSteps &&
           cursor.position() == m_typingRun.caret && removing == m_typingRun.removing &&
           (removing || !m_typingRun.wordEnded);
}

void RichEdit::keyPressEvent(QKeyEvent *event)
{
    if (!isTypingKey(event) || isFrozen() || !isUndoRedoEnabled()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    // A typed word is one undo step: its keystrokes share one edit block.
    QTextCursor step(doc());
    if (continuesTyping(event))
        step.joinPreviousEditBlock();
    else
        step.beginEditBlock();
    typeKey(event);
    step.endEditBlock();
    const QString typed = event->text();
    m_typingRun.undoSteps = doc()->availableUndoSteps();
    m_typingRun.caret = textCursor().position();
    m_typingRun.removing = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
    m_typingRun.wordEnded = typed.isEmpty() || typed.at(0).isSpace() ||
                            event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

void RichEdit::typeKey(QKeyEvent *event)
{
    const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool typesLineBreak = event->text() == QChar::LineSeparator ||
                                event->text() == QChar::ParagraphSeparator;
    if ((isEnter && (event->modifiers() & Qt::ShiftModifier)) || typesLineBreak) {
        // Shift+Enter and a typed U+2028 would start a soft line inside the paragraph; a
        // config only has real lines.
        QKeyEvent plain(event->type(), typesLineBreak ? int(Qt::Key_Return) : event->key(),
                        event->modifiers() & ~Qt::ShiftModifier,
                        typesLineBreak ? QStringLiteral("\r") : event->text(),
                        event->isAutoRepeat(), event->count());
        QPlainTextEdit::keyPressEvent(&plain);
    } else if (event->text().contains(QChar(0))) {
        QKeyEvent clean(event->type(), event->key(), event->modifiers(),
                        QString(event->text()).remove(QChar(0)), event->isAutoRepeat(),
                        event->count());
        QPlainTextEdit::keyPressEvent(&clean);
    } else {
        QPlainTextEdit::keyPressEvent(event);
    }
}

void RichEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (needsDocumentText(event->commitString())) {
        QInputMethodEvent clean(event->preeditString(), event->attributes());
        clean.setCommitString(toDocumentText(event->commitString()), event->replacementStart(),
                              event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&clean);
    } else {
        QPlainTextEdit::inputMethodEvent(event);
    }
}

void RichEdit::contextMenuEvent(QContextMenuEvent *event)
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&RichEdit::contextMenuWanted))) {
        QPlainTextEdit::contextMenuEvent(event);
        return;
    }
    // From the keyboard the menu opens at the caret, as it would under the pointer.
    const QPoint position = event->reason() == QContextMenuEvent::Mouse
                                ? event->globalPos()
                                : viewport()->mapToGlobal(cursorRect().bottomLeft());
    Q_EMIT contextMenuWanted(position);
    event->accept();
}

bool RichEdit::canInsertFromMimeData(const QMimeData *source) const
{
    // Dropped files belong to the frame window, which opens them.
    if (source->hasUrls()) {
        for (const QUrl &url : source->urls())
            if (url.isLocalFile())
                return false;
    }
    return source->hasText();
}

void RichEdit::insertFromMimeData(const QMimeData *source)
{
    if (!canInsertFromMimeData(source))
        return;
    const QString text = source->text();
    if (isSignalConnected(QMetaMethod::fromSignal(&RichEdit::plainTextArrived))) {
        Q_EMIT plainTextArrived(text);
        return;
    }
    QTextCursor cursor = workCursor();
    cursor.insertText(toDocumentText(text), plainFormat());
    commit(cursor);
}

} // namespace platform
