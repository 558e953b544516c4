#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void setClipboardText(const QString &text)
{
    // Other programs expect the platform's line ends; a CR LF pasted into them would
    // show as two breaks. Pasting back into an editor restores CR LF.
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QGuiApplication::clipboard()->setText(plain);
}

QString clipboardText() { return QGuiApplication::clipboard()->text(); }

} // namespace platform
