// The Edit and Format commands of a document window: clipboard, select all, alignment,
// and putting the "//" comment prefix on or off lines.
#include "document/Formatting.h"
#include "document/frmChild.h"
#include "platform/Clipboard.h"
#include "platform/RichEdit.h"
#include "platform/RtfCodec.h"

namespace document {

namespace {
const QString kCommentPrefix = QStringLiteral("//");
const QString kLineBreak = QStringLiteral("\r\n");
} // namespace

// The clipboard gets the plain text for other programs and the coloured text as RTF,
// which a paste into any Tessel document takes back with its colours.
void frmChild::mnuEditCopy_Click()
{
    if (m_editor->SelLength() == 0)
        return;
    platform::setClipboardTextAndRtf(m_editor->SelText(), platform::writeRtf(m_editor->SelRich()));
}

void frmChild::mnuEditCut_Click()
{
    if (m_editor->SelLength() == 0)
        return;
    mnuEditCopy_Click();
    m_editor->setSelText(QString());
}

void frmChild::mnuEditPaste_Click()
{
    std::optional<QList<platform::RichParagraph>> rich = platform::readRtf(platform::clipboardRtf());
    const QString text = platform::clipboardText();
    // Copies of older versions left their rich text on the clipboard as plain text.
    if (!rich && platform::looksLikeRtf(text))
        rich = platform::readRtf(text);
    if (rich) {
        m_editor->setSelRich(*rich);
    } else if (!text.isEmpty()) {
        PasteFormatted(m_editor, text);
    }
}

void frmChild::SelectCurrentLine()
{
    // The line is the one holding the caret, from its first character to its line break.
    const int caret = m_editor->SelStart();
    const int start = m_editor->lineStartOf(caret);
    m_editor->Select(start, m_editor->lineEndOf(caret) - start);
}

void frmChild::CommentBlock()
{
    platform::RichEdit::Freeze freeze(m_editor);
    const QString selection = m_editor->SelText();
    if (selection.isEmpty()) {
        const int caret = m_editor->SelStart();
        SelectCurrentLine();
        m_editor->setSelText(kCommentPrefix + m_editor->SelText());
        m_editor->Select(caret + 2, 0);
        return;
    }
    if (!selection.contains(QLatin1Char('\n'))) {
        m_editor->setSelText(kCommentPrefix + selection);
        return;
    }
    const int start = m_editor->SelStart();
    QString out;
    qsizetype from = 0;
    while (from < selection.size()) {
        const qsizetype lineFeed = selection.indexOf(QLatin1Char('\n'), from);
        const qsizetype next = lineFeed < 0 ? selection.size() : lineFeed + 1;
        out += kCommentPrefix + selection.mid(from, next - from);
        from = next;
    }
    m_editor->setSelText(out);
    m_editor->Select(start, int(out.size()));
}

void frmChild::UncommentBlock()
{
    platform::RichEdit::Freeze freeze(m_editor);
    const QString selection = m_editor->SelText();
    if (selection.isEmpty()) {
        const int caret = m_editor->SelStart();
        SelectCurrentLine();
        const QString line = m_editor->SelText();
        if (line.isEmpty()) {
            m_editor->Select(caret, 0);
            return;
        }
        if (line.startsWith(kCommentPrefix)) {
            m_editor->setSelText(line.mid(2));
            m_editor->Select(std::max(caret - 2, 0), 0);
        } else {
            m_editor->Select(caret, 0);
        }
        return;
    }
    // Only a prefix that begins a line of the selection goes; slashes elsewhere (a web
    // address, a path) stay. The selection's first line counts from the selection start,
    // where Comment Block puts its prefix.
    const int start = m_editor->SelStart();
    QStringList lines = selection.split(kLineBreak);
    for (QString &line : lines)
        if (line.startsWith(kCommentPrefix))
            line.remove(0, 2);
    m_editor->setSelText(lines.join(kLineBreak));
    m_editor->Select(start, 0);
}

} // namespace document
