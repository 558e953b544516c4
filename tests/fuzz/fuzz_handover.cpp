// The hand-over message a second Tessel sends: its payload decoder.
#include "FuzzSupport.h"
#include "platform/SingleInstance.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > platform::SingleInstance::kMaxMessageBytes)
        return 0; // the receiver refuses such a message before decoding it
    platform::SingleInstance::decodeFileNames(fuzz::bytesOf(data, size));
    return 0;
}
