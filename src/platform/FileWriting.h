#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

/**
 * Writes @p bytes to @p path as a whole; returns an empty text on success, otherwise why it
 * failed in words a user understands ("No space left on device").
 *
 * The bytes go to a temporary file beside the target that replaces it only once every byte
 * is on disk, so a failure leaves the old file as it was. Two cases write the file in place
 * instead: the folder refuses a temporary file but the file itself is writable, and the file
 * has more than one hard link (replacing it would cut the links).
 */
QString writeFileSafely(const QString &path, const QByteArray &bytes);

} // namespace platform
