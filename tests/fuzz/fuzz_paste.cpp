// Paste into the editor: rich text (RTF) or plain text, as Edit > Paste takes it, into a
// document that already holds text, with the caret at a place the input chooses.
#include "FuzzSupport.h"
#include "document/Formatting.h"
#include "platform/RichEdit.h"
#include "platform/RtfCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    fuzz::ensureApplication();
    static platform::RichEdit *editor = new platform::RichEdit;
    editor->LoadPlainText(QStringLiteral("bind x \"+attack\"\r\nseta name Slim\r\n"));
    editor->Select(data[0] % (editor->TextLength() + 1), 0);
    const QByteArray bytes = fuzz::bytesOf(data + 1, size - 1);
    if (const std::optional<QList<platform::RichParagraph>> rich = platform::readRtf(bytes))
        editor->setSelRich(*rich);
    else
        document::PasteFormatted(editor, QString::fromLatin1(bytes));
    editor->Text();
    return 0;
}
