#include "core/Keywords.h"

namespace core {

namespace {

// clang-format off
constexpr KeywordRow kKeywords[] = {
    {Keyword::Bind,      QLatin1StringView("bind"),  QColor(0, 0, 255)},
    {Keyword::Set,       QLatin1StringView("set"),   QColor(255, 0, 0)},
    {Keyword::Seta,      QLatin1StringView("seta"),  QColor(255, 0, 0)},
    {Keyword::Setu,      QLatin1StringView("setu"),  QColor(255, 0, 0)},
    {Keyword::Vstr,      QLatin1StringView("vstr"),  QColor(0, 255, 0)},
    {Keyword::Alias,     QLatin1StringView("alias"), QColor(255, 0, 255)},
    {Keyword::EndOfFile, QLatin1StringView("//EOF"), QColor(0, 0, 0)},
};
// clang-format on

} // namespace

std::span<const KeywordRow> keywordRows()
{
    return kKeywords;
}

const KeywordRow &keywordRow(Keyword keyword)
{
    for (const KeywordRow &row : kKeywords)
        if (row.keyword == keyword)
            return row;
    Q_UNREACHABLE();
}

const KeywordRow *findKeyword(QStringView word)
{
    for (const KeywordRow &row : kKeywords)
        if (word.compare(row.spelling, Qt::CaseInsensitive) == 0)
            return &row;
    return nullptr;
}

} // namespace core
