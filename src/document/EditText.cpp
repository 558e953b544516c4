#include "document/EditText.h"

#include "core/Keywords.h"

namespace document {

namespace {
const QString kCommentPrefix = QStringLiteral("//");
const QString kLineBreak = QStringLiteral("\r\n");
} // namespace

WordSpan wordBeforeCaret(QStringView line, int caret, bool passSpaces)
{
    caret = std::clamp(caret, 0, int(line.size()));
    if (passSpaces)
        while (caret > 0 && line.at(caret - 1) == QLatin1Char(' '))
            --caret;
    int start = caret;
    while (start > 0 && line.at(start - 1) != QLatin1Char(' '))
        --start;
    return {start, caret - start};
}

WordLook keywordDecision(const QString &word)
{
    if (const core::KeywordRow *row = core::findKeyword(word))
        return {row->color, true, QString(row->spelling)};
    return {QColor(0, 0, 0), false, word};
}

bool endsBindWord(QStringView line, int space)
{
    const WordSpan word = wordBeforeCaret(line, space);
    return core::findKeyword(line.mid(word.start, word.length)) ==
           &core::keywordRow(core::Keyword::Bind);
}

QString commentLines(const QString &text)
{
    QStringList lines = text.split(kLineBreak);
    const qsizetype commented =
        lines.size() > 1 && lines.last().isEmpty() ? lines.size() - 1 : lines.size();
    for (qsizetype i = 0; i < commented; ++i)
        lines[i].prepend(kCommentPrefix);
    return lines.join(kLineBreak);
}

QString uncommentLines(const QString &text)
{
    QStringList lines = text.split(kLineBreak);
    for (QString &line : lines)
        if (line.startsWith(kCommentPrefix))
            line.remove(0, kCommentPrefix.size());
    return lines.join(kLineBreak);
}

} // namespace document
