// The RTF reader: whatever the clipboard or a recovery file holds. What it reads must
// write back as RTF that reads to the same paragraphs.
#include "FuzzSupport.h"
#include "platform/RtfCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const std::optional<QList<platform::RichParagraph>> paragraphs = platform::readRtf(bytes);
    platform::readRtf(QString::fromLatin1(bytes));
    if (!paragraphs)
        return 0;
    if (!platform::readRtf(platform::writeRtf(*paragraphs)))
        qFatal("fuzz_rtf: written RTF is not read back");
    return 0;
}
