#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>
#include <QStringView>
#include <Qt>
#include <optional>

namespace platform {

/** A stretch of text of one colour and weight. An invalid colour means "automatic". */
struct RichRun {
    QString text;
    QColor color;
    bool bold = false;

    friend bool operator==(const RichRun &, const RichRun &) = default;
};

/** One line of the editor: its alignment and its runs (none for an empty line). */
struct RichParagraph {
    Qt::Alignment alignment = Qt::AlignLeft;
    QList<RichRun> runs;

    friend bool operator==(const RichParagraph &, const RichParagraph &) = default;
};

/**
 * RTF for @p paragraphs: a \par between two paragraphs and none after the last, so a text
 * that ends with a line break ends with an empty paragraph. Characters 0x80-0xFF are
 * written as \'hh (the editor's text is 8-bit, read as Latin-1), others beyond as \uN?.
 * The output is 7-bit ASCII and begins with "{\rtf1". A @p pointSize of 0 writes no size.
 */
QByteArray writeRtf(const QList<RichParagraph> &paragraphs,
                    const QString &fontFamily = QStringLiteral("Tahoma"), qreal pointSize = 0);

/**
 * The paragraphs of an RTF text, or nothing when @p rtf does not begin with "{\rtf1".
 * Keeps only text, colour, bold and alignment; \line, U+2028 and U+2029 start a new
 * paragraph as \par does, \'hh gives the character U+00hh, and NUL characters are dropped. Never fails on damaged or truncated input: it returns
 * what it could read. The result has at least one paragraph; adjacent runs of the same
 * format are merged and empty runs dropped.
 */
std::optional<QList<RichParagraph>> readRtf(const QByteArray &rtf);
std::optional<QList<RichParagraph>> readRtf(QStringView rtf);

/** True when @p text begins with "{\rtf1" (exact case). */
bool looksLikeRtf(const QByteArray &text);
bool looksLikeRtf(QStringView text);

} // namespace platform
