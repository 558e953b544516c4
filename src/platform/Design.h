#pragma once

#include <QFont>
#include <QSize>

namespace platform {

/** Window layouts are designed in twips, 15 to the pixel. */
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr QSize twipsToPixels(int widthTwips, int heightTwips)
{
    return {twipsToPixels(widthTwips), twipsToPixels(heightTwips)};
}

/** The windows' design font: Tahoma, or the nearest sans-serif, at @p pointSize (-1: default). */
inline QFont designFont(int pointSize = -1)
{
    QFont font(QStringLiteral("Tahoma"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace platform
