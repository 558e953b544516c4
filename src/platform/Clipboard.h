#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

/** Puts @p text on the clipboard as plain text. */
void setClipboardText(const QString &text);

/** Puts @p text on the clipboard as plain text and @p rtf beside it as rich text. */
void setClipboardTextAndRtf(const QString &text, const QByteArray &rtf);

/** The clipboard's plain text (empty when it holds none). */
QString clipboardText();

/** The clipboard's rich text (RTF), empty when it holds none. */
QByteArray clipboardRtf();

} // namespace platform
