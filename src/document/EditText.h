#pragma once

#include <QColor>
#include <QString>

// The text side of typing and of Comment Block / Uncomment Block, without an editor.
namespace document {

/** Columns [start, start + length) of a word within a line. */
struct WordSpan {
    int start = 0;
    int length = 0;
    bool operator==(const WordSpan &) const = default;
};

/**
 * The word that ends at column @p caret of @p line: the characters back to the previous
 * space or the line start. With @p passSpaces, the spaces right before the caret are
 * passed over first (the word a typed space has just ended).
 */
WordSpan wordBeforeCaret(QStringView line, int caret, bool passSpaces = false);

/** How a typed word is shown. */
struct WordLook {
    QColor color;
    bool bold = false;
    /** The keyword's own spelling, or the word as typed. */
    QString text;
    bool operator==(const WordLook &) const = default;
};

/** A keyword in any letter case: its colour, bold, its spelling; any other word plain. */
WordLook keywordDecision(const QString &word);

/** True when the word ending just before the space at column @p space is "bind" (any case). */
bool endsBindWord(QStringView line, int space);

/** @p text with "//" before each line (a final line break starts no line). */
QString commentLines(const QString &text);

/** @p text with "//" taken off each line that begins with it; other slashes stay. */
QString uncommentLines(const QString &text);

} // namespace document
