// Small toolbar images drawn in code, so they look the same on every desktop theme.
#include "frame/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace frame {

namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kBlue(30, 90, 200);
const QColor kYellow(235, 190, 60);

void page(QPainter &p, const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.setPen(QPen(kInk, 1));
    p.drawPath(path);
}

void disk(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(kBlue);
    p.drawRect(r);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + 2, r.top(), r.width() - 4, r.height() * 0.45));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(r.left() + 3, r.bottom() - r.height() * 0.35, r.width() - 6, r.height() * 0.35));
}

void lines(QPainter &p, Qt::Alignment alignment)
{
    p.setPen(QPen(kInk, 1.4));
    const int widths[] = {12, 8, 12, 6, 10};
    for (int i = 0; i < 5; ++i) {
        const double y = 3.5 + i * 2.5;
        const int w = widths[i];
        double x = 2;
        if (alignment == Qt::AlignHCenter)
            x = 8 - w / 2.0;
        else if (alignment == Qt::AlignRight)
            x = 14 - w;
        p.drawLine(QPointF(x, y), QPointF(x + w, y));
    }
}

void slashes(QPainter &p, bool struck)
{
    p.setPen(QPen(kBlue, 1.6));
    p.drawLine(QPointF(2, 13), QPointF(6, 3));
    p.drawLine(QPointF(6, 13), QPointF(10, 3));
    if (struck) {
        p.setPen(QPen(QColor(200, 30, 30), 1.6));
        p.drawLine(QPointF(9, 9), QPointF(15, 15));
        p.drawLine(QPointF(15, 9), QPointF(9, 15));
    }
}

// A half-turn arrow pointing back (undo) or, mirrored, forward (redo).
void curvedArrow(QPainter &p, bool forward)
{
    if (forward) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(kBlue, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath path(QPointF(4, 7));
    path.cubicTo(QPointF(8, 2), QPointF(15, 5), QPointF(12, 13));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    const QPointF head[] = {{1, 8.5}, {6.5, 4}, {7, 10}};
    p.drawPolygon(head, 3);
}

void draw(QPainter &p, const QString &key)
{
    if (key == QLatin1String("new")) {
        page(p, QRectF(3.5, 1.5, 9, 13));
    } else if (key == QLatin1String("open")) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kYellow);
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        p.setBrush(QColor(250, 215, 110));
        const QPointF flap[] = {{1.5, 13.5}, {4.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}};
        p.drawPolygon(flap, 4);
    } else if (key == QLatin1String("save")) {
        disk(p, QRectF(2.5, 2.5, 11, 11));
    } else if (key == QLatin1String("saveall")) {
        disk(p, QRectF(1.5, 1.5, 9, 9));
        disk(p, QRectF(5.5, 5.5, 9, 9));
    } else if (key == QLatin1String("cut")) {
        p.setPen(QPen(kInk, 1.3));
        p.drawLine(QPointF(5, 2), QPointF(10, 10));
        p.drawLine(QPointF(11, 2), QPointF(6, 10));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(5, 12), 2.3, 2.3);
        p.drawEllipse(QPointF(11, 12), 2.3, 2.3);
    } else if (key == QLatin1String("copy")) {
        page(p, QRectF(1.5, 1.5, 8, 10));
        page(p, QRectF(6.5, 4.5, 8, 10));
    } else if (key == QLatin1String("paste")) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(190, 140, 80));
        p.drawRect(QRectF(2.5, 2.5, 10, 12));
        p.setBrush(QColor(160, 160, 160));
        p.drawRect(QRectF(5.5, 1.5, 4, 3));
        page(p, QRectF(7.5, 6.5, 7, 8));
    } else if (key == QLatin1String("font")) {
        QFont font(QStringLiteral("Serif"));
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kBlue);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
    } else if (key == QLatin1String("commentblock")) {
        slashes(p, false);
    } else if (key == QLatin1String("uncommentblock")) {
        slashes(p, true);
    } else if (key == QLatin1String("leftalign")) {
        lines(p, Qt::AlignLeft);
    } else if (key == QLatin1String("center")) {
        lines(p, Qt::AlignHCenter);
    } else if (key == QLatin1String("rightalign")) {
        lines(p, Qt::AlignRight);
    } else if (key == QLatin1String("undo")) {
        curvedArrow(p, false);
    } else if (key == QLatin1String("redo")) {
        curvedArrow(p, true);
    }
}

} // namespace

QIcon toolbarIcon(const QString &key)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, key);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon applicationIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 70));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    const QColor tiles[] = {kBlue, QColor(220, 40, 40), QColor(40, 170, 60), QColor(200, 40, 200)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(tiles[i]);
        p.drawRect(QRectF(10 + (i % 2) * 24, 10 + (i / 2) * 24, 20, 20));
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace frame
