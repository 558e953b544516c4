// The settings file: read a value from any file, then write one into it and read it back.
#include "FuzzSupport.h"
#include "platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first line names the section and key looked up; the rest is the file.
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const qsizetype newline = bytes.indexOf('\n');
    const QString name = QString::fromLatin1(newline < 0 ? QByteArray("Options") : bytes.left(newline)).trimmed();
    const QString path = fuzz::fileWith(newline < 0 ? bytes : bytes.mid(newline + 1));
    platform::IniFile::readValue(path, name, name);
    platform::IniFile::readValue(path, QStringLiteral("Options"), QStringLiteral("Font"));
    if (name.isEmpty() || std::any_of(name.begin(), name.end(), [](QChar c) { return QStringView(u"[]=;\r").contains(c); }))
        return 0;
    if (platform::IniFile::writeValue(path, name, QStringLiteral("Fuzz"), QStringLiteral("value")) &&
        platform::IniFile::readValue(path, name, QStringLiteral("Fuzz")) != QStringLiteral("value"))
        qFatal("fuzz_inifile: a written value is not read back");
    return 0;
}
