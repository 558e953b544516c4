#pragma once

#include <QColor>

namespace platform {
class RichEdit;
}

namespace document {

/**
 * Colours and bolds the @p length characters that begin @p back characters before the
 * caret, and leaves the caret where it was. Every command that writes script text
 * assigns it to the selection and then calls this for the keyword it wrote.
 */
void HighlightBeforeCaret(platform::RichEdit *editor, int back, int length, const QColor &color);

} // namespace document
