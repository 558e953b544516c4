// Small toolbar images drawn as SVG (icons/), so they look the same on every desktop theme.
#include "frame/ToolbarIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

static void initFrameIcons()
{
    Q_INIT_RESOURCE(frame_icons);
}

namespace frame {

namespace {

/** The image @p path at @p size pixels, sharp on screens of one and two pixels a point. */
QIcon svgIcon(const QString &path, int size)
{
    initFrameIcons();
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return QIcon();
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(size * scale, size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon toolbarIcon(const QString &key)
{
    return svgIcon(QStringLiteral(":/icons/%1.svg").arg(key), 16);
}

QIcon applicationIcon()
{
    return svgIcon(QStringLiteral(":/icons/tessel.svg"), 64);
}

} // namespace frame
