// The Edit and Format commands of a document window: clipboard, select all, alignment,
// and putting the "//" comment prefix on or off lines.
#include "document/EditText.h"
#include "document/Formatting.h"
#include "document/frmChild.h"
#include "platform/Clipboard.h"
#include "platform/RichEdit.h"
#include "platform/RtfCodec.h"

namespace document {

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
        m_editor->setSelText(commentLines(m_editor->SelText()));
        m_editor->Select(caret + 2, 0);
        return;
    }
    const int start = m_editor->SelStart();
    const QString commented = commentLines(selection);
    m_editor->setSelText(commented);
    if (selection.contains(QLatin1Char('\n')))
        m_editor->Select(start, int(commented.size()));
}

void frmChild::UncommentBlock()
{
    platform::RichEdit::Freeze freeze(m_editor);
    const QString selection = m_editor->SelText();
    if (selection.isEmpty()) {
        const int caret = m_editor->SelStart();
        SelectCurrentLine();
        const QString line = m_editor->SelText();
        const QString uncommented = uncommentLines(line);
        if (uncommented == line) {
            m_editor->Select(caret, 0);
            return;
        }
        m_editor->setSelText(uncommented);
        m_editor->Select(std::max(caret - 2, 0), 0);
        return;
    }
    const int start = m_editor->SelStart();
    m_editor->setSelText(uncommentLines(selection));
    m_editor->Select(start, 0);
}

} // namespace document
