#pragma once

#include <QString>

namespace document {

/** The largest file opened as a config; anything bigger is no config script. */
constexpr qint64 kMaxConfigFileBytes = 16 * 1024 * 1024;

/** The line breaks a document is saved with. */
enum class LineEnds { CrLf, Lf };

/** "CR LF" or "LF", as the status bar and the Format menu name them. */
QString lineEndsName(LineEnds lineEnds);

/** The line ends most of @p bytes' line breaks use; CR LF for a tie or no line break. */
LineEnds detectLineEnds(const QByteArray &bytes);

struct ReadResult {
    bool ok = false;
    QString text;   // the file's bytes as 8-bit text
    QString reason; // why it could not be read
    LineEnds lineEnds = LineEnds::CrLf;
    /** NUL bytes that ended the file and are not part of the text. */
    qint64 paddingBytes = 0;
};

/**
 * Reads a config file as Latin-1 text; refuses anything but a regular file (before opening
 * it: a named pipe would block), binary files and huge files. A text followed only by NUL
 * bytes (padding some tools leave) is read without them.
 */
ReadResult readConfigFile(const QString &path);

/**
 * The bytes Save writes for an editor text (CR LF line breaks): Latin-1 with @p lineEnds,
 * ending in exactly the text's own final line break or one added. Characters outside
 * Latin-1 become '?'; @p unencodable (optional) counts them.
 */
QByteArray configFileBytes(const QString &editorText, LineEnds lineEnds,
                           int *unencodable = nullptr);

/**
 * How many bytes configFileBytes() gives with @p lineEnds for an editor whose plain text
 * (LF lines) is @p plainText.
 */
qint64 configFileSize(const QString &plainText, LineEnds lineEnds);

/** The text after the last "." that follows the last path separator; empty without one. */
QString GetExtension(const QString &path);

} // namespace document
