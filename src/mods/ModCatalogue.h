#pragma once

#include "core/DocumentRequest.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <span>

namespace mods {

/** The two lists of the Select Mod dialog, one per game. */
enum class GameList { Quake2, Quake3 };

/** Everything creating a document for a mod needs, in the order it is used:
 *  NewDocument(request()); SetModMenus(modName). */
struct NewDocumentRequest {
    QStringView windowTitle;
    std::int32_t modNumber;
    core::Game game;
    QStringView modName;

    core::DocumentRequest request() const { return {windowTitle.toString(), game, modNumber}; }
};

/** One line of a game's list. Either comingSoon is set (OK shows it and creates nothing)
 *  or document says what OK creates. The key, not the text, decides what OK does. */
struct CatalogueEntry {
    QStringView text;
    QStringView key;
    QStringView comingSoon;
    NewDocumentRequest document;

    bool isComingSoon() const { return !comingSoon.isEmpty(); }
};

/** The "Blank CFG" choice: "Config", mod number -1 (NewDocument stores 0), game -1, "Blank". */
inline constexpr NewDocumentRequest kBlankDocument{u"Config", -1, core::Game::Blank, u"Blank"};

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
