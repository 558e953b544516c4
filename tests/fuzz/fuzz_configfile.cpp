// A config file opened, coloured and saved: the save must give back the file's text.
#include "FuzzSupport.h"
#include "document/ConfigFile.h"
#include "document/Formatting.h"
#include "platform/RichEdit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::ensureApplication();
    static platform::RichEdit *editor = new platform::RichEdit;
    const document::ReadResult file = document::readConfigFile(fuzz::fileWith(fuzz::bytesOf(data, size)));
    if (!file.ok)
        return 0;
    editor->LoadPlainText(file.text, [] { document::FormatWholeFile(editor, nullptr); });
    const QString crLf = QString(file.text).replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
    if (document::configFileBytes(crLf, file.lineEnds) != document::configFileBytes(editor->Text(), file.lineEnds))
        qFatal("fuzz_configfile: saving changes the text");
    return 0;
}
