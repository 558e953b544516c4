#pragma once

#include <QColor>
#include <QLatin1StringView>
#include <QStringView>

#include <span>

namespace core {

/** The words the editor shows bold in their own colour. */
enum class Keyword { Bind, Set, Seta, Setu, Vstr, Alias, EndOfFile };

struct KeywordRow {
    Keyword keyword;
    /** How the editor writes the word back, whatever letter case it was typed in. */
    QLatin1StringView spelling;
    QColor color;
};

/** Every keyword, once. */
std::span<const KeywordRow> keywordRows();

const KeywordRow &keywordRow(Keyword keyword);

/** The row whose spelling @p word is in any letter case, or nullptr. */
const KeywordRow *findKeyword(QStringView word);

} // namespace core
