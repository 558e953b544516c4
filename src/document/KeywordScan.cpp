#include "document/KeywordScan.h"

namespace document {

QColor bindColor() { return QColor(0, 0, 255); }
QColor setColor() { return QColor(255, 0, 0); }
QColor vstrColor() { return QColor(0, 255, 0); }
QColor aliasColor() { return QColor(255, 0, 255); }

namespace {

struct KeywordColour {
    const char *word; // upper case
    QRgb color;
};

const KeywordColour kKeywordColours[] = {
    {"BIND", qRgb(0, 0, 255)},   {"ALIAS", qRgb(255, 0, 255)}, {"SET", qRgb(255, 0, 0)},
    {"SETA", qRgb(255, 0, 0)},   {"SETU", qRgb(255, 0, 0)},    {"VSTR", qRgb(0, 255, 0)},
    {"//EOF", qRgb(0, 0, 0)},
};

// The whole-file pass looks for these, in this order, each followed by a blank.
struct SegmentTest {
    const char *pattern;
    int length;
    QRgb color;
};

const SegmentTest kSegmentTests[] = {
    {"bind ", 4, qRgb(0, 0, 255)}, {"setu ", 4, qRgb(255, 0, 0)}, {"seta ", 4, qRgb(255, 0, 0)},
    {"vstr ", 4, qRgb(0, 255, 0)}, {"set ", 3, qRgb(255, 0, 0)},
};

bool isWordCharacter(QChar ch) { return ch.isLetterOrNumber() || ch == QLatin1Char('_'); }

// First place where the lower-case @p pattern stands as a word in the first @p length
// characters of the lower-cased line @p lower, or -1.
int findAsWord(const QString &lower, int length, QLatin1StringView pattern)
{
    const QStringView segment = QStringView(lower).left(length);
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = segment.indexOf(pattern, from);
        if (at < 0)
            return -1;
        if (at == 0 || !isWordCharacter(segment.at(at - 1)))
            return int(at);
        from = at + 1;
    }
}

} // namespace

std::optional<QColor> keywordColor(const QString &word)
{
    const QString upper = word.toUpper();
    for (const KeywordColour &row : kKeywordColours)
        if (upper == QLatin1String(row.word))
            return QColor(row.color);
    return std::nullopt;
}

int LastInStr(const QString &text, const QString &find, int limit, Qt::CaseSensitivity compare)
{
    if (limit == -1)
        limit = int(text.size());
    int last = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(find, from, compare);
        if (at < 0 || at + 1 >= limit)
            return last;
        last = int(at + 1);
        from = at + 1;
    }
}

QList<FormatStep> scanWholeFile(const QString &text)
{
    return scanWholeFile(text.split(QStringLiteral("\r\n")));
}

QList<FormatStep> scanWholeFile(const QStringList &lines)
{
    QList<int> lineStarts;
    lineStarts.reserve(lines.size());
    int position = 0;
    for (const QString &line : lines) {
        lineStarts.append(position);
        position += int(line.size()) + 2;
    }

    QList<FormatStep> steps;
    steps.reserve(lines.size() + lines.size() / 4);
    for (qsizetype index = lines.size() - 1; index >= 0; --index) {
        const QString lower = lines.at(index).toLower();
        int caret = int(lower.size());
        for (;;) {
            FormatStep step;
            step.line = int(index);
            for (const SegmentTest &test : kSegmentTests) {
                const int at = findAsWord(lower, caret, QLatin1StringView(test.pattern));
                if (at >= 0) {
                    step.keyword = KeywordRange{lineStarts.at(index) + at, test.length, QColor(test.color)};
                    step.column = at;
                    caret = at - 1;
                    break;
                }
            }
            steps.append(step);
            // Nothing found, or the keyword began the line: the previous line is next.
            if (!step.keyword || caret < 0)
                break;
        }
    }
    return steps;
}

QList<KeywordRange> scanPastedText(const QString &text)
{
    QList<KeywordRange> ranges;
    QString word;
    const auto store = [&](int end) {
        if (const std::optional<QColor> color = keywordColor(word))
            ranges.append(KeywordRange{end - int(word.size()), int(word.size()), *color});
        word.clear();
    };
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size()) {
            store(int(i));
            break;
        }
        const QChar ch = text.at(i);
        if (ch == QLatin1Char(' ') || ch == QLatin1Char('\r'))
            store(int(i));
        else if (ch != QLatin1Char('\n'))
            word += ch;
    }
    return ranges;
}

QString nextProgressCaption(const QString &caption)
{
    static const QString base = QStringLiteral("Formatting File, Please hold");
    if (caption == base + QStringLiteral("...."))
        return base;
    for (const char *dots : {"", ".", "..", "..."})
        if (caption == base + QLatin1String(dots))
            return caption + QLatin1Char('.');
    return base + QLatin1Char('.');
}

} // namespace document
