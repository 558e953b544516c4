// The command line: arguments separated by NUL bytes.
#include "FuzzSupport.h"
#include "frame/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments;
    for (const QByteArray &argument : fuzz::bytesOf(data, size).split('\0'))
        arguments << QString::fromLocal8Bit(argument);
    frame::parseCommandLine(arguments, QStringLiteral("/tmp"));
    return 0;
}
