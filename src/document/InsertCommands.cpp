// The Insert menu: bind with its lists, set, comment and the end-of-file marker.
#include "document/KeywordScan.h"
#include "document/frmChild.h"
#include "platform/RichEdit.h"

#include <QPointer>

namespace document {

void frmChild::InsertText(const QString &text, int keywordLength, const QColor &color)
{
    // Text and colour are one undo step.
    platform::RichEdit::Freeze freeze(m_editor);
    m_editor->setSelText(text);
    HighlightBeforeCaret(int(text.size()), keywordLength, color);
}

void frmChild::InsertBind()
{
    const QString key = m_editor->SelText();
    if (!key.isEmpty()) {
        InsertText(QStringLiteral("bind ") + key + QLatin1Char(' '), 4, bindColor());
        ShowBindsList();
        return;
    }
    InsertText(QStringLiteral("bind "), 4, bindColor());
    ShowKeysList();
    setSpaceTyped(false);
    // The user picks a key and types a space; a window closed meanwhile ends the command.
    if (!waitForSpace())
        return;
    setSpaceTyped(false);
    ShowBindsList();
}

} // namespace document
