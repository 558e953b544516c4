#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

namespace {

// The rich-text formats other programs offer and read.
const char *const kRtfFormats[] = {"text/rtf", "application/rtf"};

// Other programs expect the platform's line ends; a CR LF pasted into them would
// show as two breaks. Pasting back into an editor restores CR LF.
QString withPlatformLineEnds(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return plain;
}

} // namespace

void setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(withPlatformLineEnds(text));
}

void setClipboardTextAndRtf(const QString &text, const QByteArray &rtf)
{
    auto *data = new QMimeData;
    data->setText(withPlatformLineEnds(text));
    for (const char *format : kRtfFormats)
        data->setData(QLatin1String(format), rtf);
    QGuiApplication::clipboard()->setMimeData(data);
}

QString clipboardText() { return QGuiApplication::clipboard()->text(); }

QByteArray clipboardRtf()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return QByteArray();
    for (const char *format : kRtfFormats)
        if (data->hasFormat(QLatin1String(format)))
            return data->data(QLatin1String(format));
    return QByteArray();
}

} // namespace platform
