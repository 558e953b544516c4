#include "document/KeywordScan.h"

#include "core/Keywords.h"

namespace document {

namespace {

// The whole-file pass looks for these, in this order, each followed by a blank.
constexpr core::Keyword kWholeFileKeywords[] = {core::Keyword::Bind, core::Keyword::Setu, core::Keyword::Seta,
                                                core::Keyword::Vstr, core::Keyword::Set};

bool isWordCharacter(QChar ch) { return ch.isLetterOrNumber() || ch == QLatin1Char('_'); }

// First place where the lower-case @p word and a blank stand as a word in the first
// @p length characters of the lower-cased line @p lower, or -1.
int findAsWord(const QString &lower, int length, QLatin1StringView word)
{
    const QStringView segment = QStringView(lower).left(length);
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = segment.indexOf(word, from);
        if (at < 0)
            return -1;
        const qsizetype end = at + word.size();
        if (end < segment.size() && segment.at(end) == QLatin1Char(' ') &&
            (at == 0 || !isWordCharacter(segment.at(at - 1))))
            return int(at);
        from = at + 1;
    }
}

} // namespace

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
            for (const core::Keyword keyword : kWholeFileKeywords) {
                const core::KeywordRow &row = core::keywordRow(keyword);
                const int at = findAsWord(lower, caret, row.spelling);
                if (at >= 0) {
                    step.keyword = KeywordRange{lineStarts.at(index) + at, int(row.spelling.size()), row.color};
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
        if (const core::KeywordRow *row = core::findKeyword(word))
            ranges.append(KeywordRange{end - int(word.size()), int(word.size()), row->color});
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
