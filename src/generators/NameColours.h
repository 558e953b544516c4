#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <span>

namespace generators {

struct NameColour {
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    friend bool operator==(const NameColour &, const NameColour &) = default;
};

/** One Quake 3 colour code: "^" followed by `digit`. */
struct ColourCode {
    char digit;
    const char *name; // "Black"; 8 and 9 repeat 0 and 1
    NameColour colour;
};

/** The ten colour codes ^0 to ^9. */
std::span<const ColourCode> colourCodes();

/** The colour in effect before a name's first code. */
inline constexpr NameColour kDefaultNameColour{0, 0, 0};

/** The legend's captions, "^0  Black" to "^7  White"; the codes 8 and 9 are not listed. */
QStringList colourLegendCaptions();

/** A stretch of a name's visible characters in one colour. */
struct ColourRun {
    QString text;
    NameColour colour;

    friend bool operator==(const ColourRun &, const ColourRun &) = default;
};

/**
 * The name as the game shows it: codes removed, each visible character in the colour of the
 * last code before it, neighbouring characters of one colour joined into one run. A caret
 * that is not followed by a digit stays visible.
 */
QList<ColourRun> colourRuns(const QString &name);

/** The visible characters of a name, codes removed. */
QString visibleName(const QString &name);

} // namespace generators
