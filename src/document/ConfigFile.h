#pragma once

#include <QString>

namespace document {

/** The largest file opened as a config; anything bigger is no config script. */
constexpr qint64 kMaxConfigFileBytes = 16 * 1024 * 1024;

struct ReadResult {
    bool ok = false;
    QString text;   // the file's bytes as 8-bit text
    QString reason; // why it could not be read
};

/** Reads a config file as Latin-1 text; refuses folders, binary files and huge files. */
ReadResult readConfigFile(const QString &path);

/**
 * The bytes Save writes for an editor text: Latin-1, ending in exactly the text's own
 * final line break or one added CR LF. Characters outside Latin-1 become '?';
 * @p unencodable (optional) counts them.
 */
QByteArray configFileBytes(const QString &editorText, int *unencodable = nullptr);

/** How many bytes configFileBytes() gives for an editor whose plain text (LF lines) is @p plainText. */
qint64 configFileSize(const QString &plainText);

/** Writes @p bytes to @p path through a temporary file renamed into place; empty text on success. */
QString writeFileSafely(const QString &path, const QByteArray &bytes);

/** The text after the last "." that follows the last path separator; empty without one. */
QString GetExtension(const QString &path);

} // namespace document
