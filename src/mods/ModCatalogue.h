#pragma once

#include "core/DocumentRequest.h"
#include "core/Mods.h"

#include <QString>
#include <QStringView>

#include <span>

namespace mods {

/** The two lists of the Select Mod dialog, one per game. */
enum class GameList { Quake2, Quake3 };

/** Everything creating a document for a mod needs, in the order it is used:
 *  NewDocument(request()); SetModMenus(modName()). */
struct NewDocumentRequest {
    const core::Mod *mod = nullptr;
    core::Game game = core::Game::Blank; // the mod's game, but for a template's new document

    QStringView modName() const { return mod->name; }
    core::DocumentRequest request() const { return {mod->windowTitle.toString(), game, mod->id}; }
};

/** One line of a game's list. Either comingSoon is set (OK shows it and creates nothing)
 *  or mod says what OK creates. The key, not the text, decides what OK does. */
struct CatalogueEntry {
    QStringView text;
    QStringView key;
    QStringView comingSoon;
    const core::Mod *mod;

    bool isComingSoon() const { return !comingSoon.isEmpty(); }
    NewDocumentRequest document() const { return {mod, mod->game}; }
};

/** The "Blank CFG" choice: mod number -1 (NewDocument stores 0), game -1. */
inline constexpr NewDocumentRequest kBlankDocument{&core::kBlankMod, core::Game::Blank};

/** The dialog opens on Quake 3 with this entry of the Quake 3 list selected ("Free for All"). */
inline constexpr GameList kInitialGameList = GameList::Quake3;
inline constexpr int kInitialQuake3Row = 1;

/** A game's list in display order. */
std::span<const CatalogueEntry> catalogueEntries(GameList list);

/** The entry of that list with exactly this key, or nullptr. */
const CatalogueEntry *findCatalogueEntry(GameList list, const QString &key);

/** What OK (or a double click) does. */
struct SelectModOutcome {
    enum class Kind {
        Nothing,        // dialog stays open
        ComingSoon,     // message box: message, title "Tessel", OK only, no icon; dialog stays open
        CreateDocument, // create the document, then close the dialog
    };
    Kind kind = Kind::Nothing;
    QStringView message;
    NewDocumentRequest document{};
};

/**
 * The outcome of OK. selectedText and selectedKey are those of the selected entry of the
 * selected game's list; pass empty strings when nothing is selected. With blankChecked the
 * lists are not looked at.
 */
SelectModOutcome selectModOutcome(bool blankChecked, GameList selectedGame,
                                  const QString &selectedText, const QString &selectedKey);

} // namespace mods
