#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace document {

class Documents;
class frmChild;

/** A help page of the Help folder and an anchor on it (empty: the top of the page). */
struct HelpTopic {
    QString page;
    QString anchor;

    /** The topic as one text: the page, and "#" with the anchor when there is one. */
    QString text() const { return anchor.isEmpty() ? page : page + QLatin1Char('#') + anchor; }

    friend bool operator==(const HelpTopic &, const HelpTopic &) = default;
};

/** The page of Help > Contents... */
HelpTopic contentsTopic();

/** The caption of the help-on-the-selection item when there is no word to look up. */
QString helpOnNothingCaption();

/**
 * The caption of the help-on-the-selection item for the editor's selected text: "Help on "
 * and the selection, or "Help on..." when the selection is empty or holds a blank (a space,
 * a tab or a line break). An "&" of the selection is doubled so that it is not taken as the
 * item's access key.
 */
QString helpOnCaption(const QString &selection);

/** The word a caption made by helpOnCaption() looks up; empty for "Help on...". */
QString helpWordOfCaption(const QString &caption);

/** The page and anchor of @p word in a document of mod @p modId. */
HelpTopic wordTopic(std::int32_t modId, const QString &word);

/** What choosing the help-on-the-selection item with @p caption opens. */
HelpTopic helpOnTopic(std::int32_t modId, const QString &caption);

/** The help page of the mod @p modId, or nothing when the mod has none yet. */
std::optional<HelpTopic> modHelpTopic(std::int32_t modId);

/** Opens @p topic in the help window; false (after telling the user) when its page is missing. */
bool ShowHelpTopic(const HelpTopic &topic);

/** Help > the mod's item of @p child: its mod's page, or a message when it has none yet. */
void showModHelp(const frmChild &child, const Documents &documents);

/** The help-on-the-selection item of @p child, showing @p caption. */
void showHelpOn(const frmChild &child, const Documents &documents, const QString &caption);

} // namespace document
