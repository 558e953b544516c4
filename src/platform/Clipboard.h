#pragma once

#include <QString>

namespace platform {

/** Puts @p text on the clipboard as plain text. */
void setClipboardText(const QString &text);

/** The clipboard's plain text (empty when it holds none). */
QString clipboardText();

} // namespace platform
