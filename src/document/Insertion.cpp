#include "document/Insertion.h"

#include "platform/RichEdit.h"

namespace document {

void HighlightBeforeCaret(platform::RichEdit *editor, int back, int length, const QColor &color)
{
    platform::RichEdit::Freeze freeze(editor);
    const int caret = editor->SelStart();
    editor->Select(caret - back, length);
    editor->setSelBold(true);
    editor->setSelColor(color);
    editor->Select(caret, 0);
}

} // namespace document
