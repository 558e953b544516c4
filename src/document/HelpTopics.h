#pragma once

#include <QList>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace document {

enum class WordTest {
    Any,
    FirstThreeOneOf, // the word's first three characters are one of the words
    OneOf,
};

/** One row of the topic table; the first row that takes the mod and the word decides. */
struct TopicRule {
    QList<std::int32_t> modIds; // empty: every mod
    WordTest test = WordTest::Any;
    QStringList words;
    QString page;
    std::optional<QString> anchorPrefix; // nullopt: the page without an anchor
};

/** The rows of Help/topics.tsv: "Help on <word>" rules and the pages of the mod help item. */
struct TopicTable {
    std::vector<TopicRule> helpOn;
    std::vector<TopicRule> modHelp;
};

/**
 * The rules of a topics file's @p text. A malformed row is left out and told in @p problems as
 * "<fileName>:<line>: <reason>".
 */
TopicTable parseTopicTable(const QString &text, const QString &fileName, QStringList *problems);

/** The table compiled into the program, read at first use (its problems go to qWarning once). */
const TopicTable &helpTopicTable();

bool takesMod(const TopicRule &rule, std::int32_t modId);
bool takesWord(const TopicRule &rule, const QString &word);

} // namespace document
