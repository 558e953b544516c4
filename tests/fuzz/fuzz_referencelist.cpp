// The reference lists (binds, keys, cvars, mod lists) read from the Configs folder.
#include "FuzzSupport.h"
#include "lists/ListSearch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::ensureApplication();
    static lists::ListSearch *list = new lists::ListSearch;
    const QByteArray bytes = fuzz::bytesOf(data, size);
    list->FillWithTags(fuzz::fileWith(bytes, QStringLiteral("list.txt")), !bytes.isEmpty() && bytes[0] & 1);
    return 0;
}
