#pragma once

#include "mods/ModCatalogue.h"

#include <QString>

#include <optional>

namespace analysis {
struct EngineGuess;
}

namespace document {
class Documents;
class frmChild;
} // namespace document

namespace mods {

/** A choice of the Select Mod dialog: "Blank CFG", or an entry of a game's list. */
struct ModChoice {
    bool blank = false;
    GameList game = GameList::Quake3;
    QString key; // the entry's key

    /** What the choice makes of a document; nothing for an entry that makes no document. */
    std::optional<NewDocumentRequest> request() const;
};

/** The entry a guess names in its game's list, that game's "Free for All" when it names none. */
ModChoice choiceOfGuess(const analysis::EngineGuess &guess);

/** The settings section of the game and mod chosen per file. */
inline QString documentModsSection()
{
    return QStringLiteral("Document Mods");
}
/** The choice remembered for the file @p path, if any (one that no longer names an entry counts
 *  as none). */
std::optional<ModChoice> rememberedChoice(const QString &path);
/** Remembers @p choice for the file @p path; false when the settings could not be written. */
bool rememberChoice(const QString &path, const ModChoice &choice);

/**
 * Makes @p child a document of @p request's game and mod: its slot, mod menus, lists, help
 * and engine follow; its text, caption, undo history and changed mark stay as they are.
 */
void retargetDocument(document::Documents *documents, document::frmChild *child,
                      const NewDocumentRequest &request);

/** The game and mod of a document just opened from its file: remembered, else guessed. */
void targetOpenedDocument(document::Documents *documents, document::frmChild *child);

/**
 * A document saved under a new name keeps its game and mod when it is opened again: they are
 * remembered for the new file when the document had never been saved (they were chosen at
 * File > New) or when they were remembered for its previous file.
 */
void documentRenamed(document::Documents *documents, document::frmChild *child,
                     const QString &previousPath);

} // namespace mods
