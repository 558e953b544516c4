// The Insert menu: bind with its lists, set, comment and the end-of-file marker.
#include "document/TypingHighlighter.h"
#include "document/frmChild.h"
#include "platform/RichEdit.h"

#include <QPointer>

namespace document {

void frmChild::InsertText(const QString &text, core::Keyword keyword)
{
    // Text and colour are one undo step.
    platform::RichEdit::Freeze freeze(m_editor);
    m_editor->setSelText(text);
    const core::KeywordRow &row = core::keywordRow(keyword);
    HighlightBeforeCaret(int(text.size()), int(row.spelling.size()), row.color);
}

void frmChild::InsertBind()
{
    const QString key = m_editor->SelText();
    if (!key.isEmpty()) {
        InsertText(QStringLiteral("bind ") + key + QLatin1Char(' '), core::Keyword::Bind);
        ShowBindsList();
        return;
    }
    InsertText(QStringLiteral("bind "), core::Keyword::Bind);
    // The user picks a key and types a space; a window closed meanwhile ends the command.
    if (m_typing->promptForKey())
        ShowBindsList();
}

} // namespace document
