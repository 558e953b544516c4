#include "document/Formatting.h"

#include "document/KeywordScan.h"
#include "platform/RichEdit.h"

namespace document {

namespace {

void colourRange(platform::RichEdit *editor, const KeywordRange &range)
{
    editor->Select(range.start, range.length);
    editor->setSelColor(range.color);
    editor->setSelBold(true);
}

} // namespace

void FormatWholeFile(platform::RichEdit *editor, ProgressView *progress)
{
    const QList<FormatStep> steps = scanWholeFile(editor->Lines());
    // The bar counts the pass's own steps, so it can never refuse a value.
    if (progress) {
        progress->setMaximum(int(steps.size()));
        progress->setValue(0);
    }
    {
        platform::RichEdit::Freeze freeze(editor);
        for (qsizetype i = 0; i < steps.size(); ++i) {
            if (const std::optional<KeywordRange> &keyword = steps[i].keyword)
                editor->formatInLine(steps[i].line, steps[i].column, keyword->length, keyword->color, true);
            const qsizetype remaining = steps.size() - 1 - i;
            if (progress && remaining % 10 == 0)
                progress->setCaption(nextProgressCaption(progress->caption()));
        }
        editor->Select(0, 0);
        editor->setSelColor(platform::RichEdit::black());
        editor->setSelBold(false);
    }
    if (progress) {
        progress->setValue(int(steps.size()));
        progress->complete();
    }
}

void PasteFormatted(platform::RichEdit *editor, const QString &text)
{
    const QString pasted = platform::toEditorText(text);
    platform::RichEdit::Freeze freeze(editor);
    const int start = editor->SelStart();
    // Pasted text arrives plain, whatever the format at the caret.
    editor->setSelColor(platform::RichEdit::black());
    editor->setSelBold(false);
    editor->setSelText(pasted);
    const int end = editor->SelStart();
    for (const KeywordRange &range : scanPastedText(pasted))
        colourRange(editor, KeywordRange{start + range.start, range.length, range.color});
    editor->Select(end, 0);
    editor->setSelColor(platform::RichEdit::black());
    editor->setSelBold(false);
}

} // namespace document
