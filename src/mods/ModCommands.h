#pragma once

#include "core/Keywords.h"
#include "core/Mods.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <span>

namespace mods {

/** mnuOther1 .. mnuOther24 have handlers; mnuOther25 has none. */
inline constexpr int kCommandSlotCount = 24;

/** What a mod command writes; T is the row's text. modCommandSteps() spells each kind out. */
enum class ModCommandKind {
    KeyBind,             // "bind " (coloured), keys list and wait, then space + "T" in quotes
    SetLine,             // T, "set" red
    SetLineOpeningQuote, // T and a double quote, "set" red
    Text,                // T, no colouring
    TextOpeningQuote,    // T and a double quote, no colouring
    TextAndTab,          // T and a tab, no colouring
    Mp3Script,           // key bind of "vstr mp3_pp" followed by the MP3 script block
    TeamSoundBind,       // key bind of "play_team <sound>" with the sound from the special list
    MotdLines,           // the eight set server_motdN "" lines
};

/** One item of a mod's Insert > Other submenu; a caption of "-" is a separator. */
struct ModCommand {
    QStringView caption; // matched exactly, case-sensitively
    ModCommandKind kind;
    QStringView text;    // T; empty for Mp3Script, TeamSoundBind and MotdLines
};

/** Bold and colour the keyword that begins back characters before the caret; the caret stays. */
struct Highlight {
    int back;
    core::Keyword keyword;
};

enum class StepKind {
    /** Replace the selection with text (caret ends behind it), then apply the highlights in
     *  order, each with HighlightBeforeCaret on the same document. */
    Write,
    /** ShowKeysList, then wait, processing pending events, while the keys list is shown.
     *  A pick writes the key at the caret; a cancel writes nothing and the steps go on. */
    ShowKeysListAndWait,
    /** ShowSpecialList(text) with text the list file below the Configs folder, then wait,
     *  processing pending events, while the special list is shown. */
    ShowSpecialListAndWait,
    /** Remember the caret position (SelStart). */
    RememberCaret,
    /** Put the caret back at the remembered position, nothing selected. */
    RestoreCaret,
};

struct ModCommandStep {
    StepKind kind;
    QString text;
    QList<Highlight> highlights;
};

/** The mod's Other items in slot order (item i goes into mnuOther<i + 1>); empty: none. */
std::span<const ModCommand> otherItems(const core::Mod &mod);

/** The command of exactly this caption in this slot, whichever mod's list holds it, or nullptr
 *  (also for a separator): the click does nothing. */
const ModCommand *findModCommand(int slot, const QString &caption);

/** The command as the ordered steps the document window performs on its own editor. */
QList<ModCommandStep> modCommandSteps(const ModCommand &command);

} // namespace mods
