#pragma once

#include <QString>

namespace platform {
class RichEdit;
}

namespace document {

/** The progress window the whole-file pass reports to. */
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void setMaximum(int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual QString caption() const = 0;
    virtual void setCaption(const QString &caption) = 0;
    /** Shows "Formatting Complete" and lets the user close the window. */
    virtual void complete() = 0;
};

/**
 * Colours the keywords of the whole document, from its last line to its first, one
 * keyword a step, reporting to @p progress (which may be null). Ends with the caret at
 * the start of the document.
 */
void FormatWholeFile(platform::RichEdit *editor, ProgressView *progress);

/**
 * Inserts @p text at the caret as plain text and colours the keywords standing in it as
 * whole words, keeping their letter case. The caret ends behind the pasted text.
 */
void PasteFormatted(platform::RichEdit *editor, const QString &text);

} // namespace document
