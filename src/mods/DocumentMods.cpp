#include "mods/DocumentMods.h"

#include "analysis/EngineGuess.h"
#include "analysis/EngineProfiles.h"
#include "document/DocumentDiagnostics.h"
#include "document/DocumentHost.h"
#include "document/Documents.h"
#include "document/frmChild.h"
#include "mods/ModMenus.h"
#include "platform/IniFile.h"
#include "platform/RichEdit.h"

#include <QFileInfo>

namespace mods {

namespace {

const QString kBlankValue = QStringLiteral("Blank");
const QString kQuake2Value = QStringLiteral("Quake 2");
const QString kQuake3Value = QStringLiteral("Quake 3");
constexpr QChar kSeparator = u'|';

const QString kBaseEntry = QStringLiteral("Free for All");

// A setting reads "Blank", or a game and the key of its entry: "Quake 3|OSP".
QString settingOf(const ModChoice &choice)
{
    if (choice.blank)
        return kBlankValue;
    return (choice.game == GameList::Quake2 ? kQuake2Value : kQuake3Value) + kSeparator +
           choice.key;
}

std::optional<ModChoice> choiceOfSetting(const QString &value)
{
    if (value == kBlankValue)
        return ModChoice{true, GameList::Quake3, QString()};
    const qsizetype separator = value.indexOf(kSeparator);
    const QString game = value.left(separator);
    if (separator < 0 || (game != kQuake2Value && game != kQuake3Value))
        return std::nullopt;
    const ModChoice choice{false, game == kQuake2Value ? GameList::Quake2 : GameList::Quake3,
                           value.mid(separator + 1)};
    if (!choice.request())
        return std::nullopt;
    return choice;
}

// The catalogue entry that made the slot's game and mod; nothing for a game no entry makes.
std::optional<ModChoice> choiceOfSlot(const document::DocumentSlot &slot)
{
    if (slot.Game == core::Game::Blank)
        return ModChoice{true, GameList::Quake3, QString()};
    for (const GameList game : {GameList::Quake2, GameList::Quake3})
        for (const CatalogueEntry &entry : catalogueEntries(game))
            if (!entry.isComingSoon() && entry.mod->id == slot.ModId)
                return ModChoice{false, game, entry.key.toString()};
    return std::nullopt;
}

} // namespace

std::optional<NewDocumentRequest> ModChoice::request() const
{
    if (blank)
        return kBlankDocument;
    const CatalogueEntry *entry = findCatalogueEntry(game, key);
    if (!entry || entry->isComingSoon())
        return std::nullopt;
    return entry->document();
}

ModChoice choiceOfGuess(const analysis::EngineGuess &guess)
{
    const GameList game = guess.game == kQuake2Value ? GameList::Quake2 : GameList::Quake3;
    ModChoice choice{false, game, guess.modKey};
    if (!choice.request())
        choice.key = kBaseEntry;
    return choice;
}

std::optional<ModChoice> rememberedChoice(const QString &path)
{
    const std::optional<QString> value = platform::IniFile::rawValue(
        platform::settingsFilePath(), documentModsSection(), platform::settingsKeyOfPath(path));
    return value ? choiceOfSetting(*value) : std::nullopt;
}

bool rememberChoice(const QString &path, const ModChoice &choice)
{
    return platform::IniFile::writeValue(platform::settingsFilePath(), documentModsSection(),
                                         platform::settingsKeyOfPath(path), settingOf(choice));
}

void retargetDocument(document::Documents *documents, document::frmChild *child,
                      const NewDocumentRequest &request)
{
    document::DocumentSlot *found = documents->slotOf(child);
    if (!found)
        return;
    document::DocumentSlot &slot = *found;
    slot.Game = request.game;
    // As for a new document: a blank config belongs to no mod.
    slot.ModId = request.game == core::Game::Blank ? 0 : request.mod->id;
    ClearModMenus(child);
    documents->host()->applyModMenus(child, request.modName().toString());
    if (document::DocumentDiagnostics *diagnostics = document::DocumentDiagnostics::of(child))
        diagnostics->gameChanged();
}

void targetOpenedDocument(document::Documents *documents, document::frmChild *child)
{
    const QString path = child->Caption();
    std::optional<ModChoice> choice = rememberedChoice(path);
    if (!choice) {
        analysis::EngineGuess guess =
            analysis::guessEngine(path, child->editor()->toPlainText().left(64 * 1024));
        // An engine the user picked for this file says which game it is for.
        const analysis::EngineProfile *picked = analysis::engineProfile(
            platform::IniFile::readValue(platform::settingsFilePath(),
                                         document::DocumentDiagnostics::settingsSection(),
                                         platform::settingsKeyOfPath(path)));
        const QString pickedGame =
            picked && picked->family == analysis::Family::Quake2 ? kQuake2Value : kQuake3Value;
        if (picked && pickedGame != guess.game)
            guess = {QString::fromLatin1(picked->id), pickedGame, QString(), kBaseEntry};
        choice = choiceOfGuess(guess);
    }
    if (const std::optional<NewDocumentRequest> request = choice->request())
        retargetDocument(documents, child, *request);
}

void documentRenamed(document::Documents *documents, document::frmChild *child,
                     const QString &previousPath)
{
    const document::DocumentSlot *slot = documents->slotOf(child);
    if (!slot || (!previousPath.isEmpty() && !rememberedChoice(previousPath)))
        return;
    const std::optional<ModChoice> choice = choiceOfSlot(*slot);
    // Not remembering it costs the user only a guess at the next open: no message after a
    // save that worked.
    if (choice && !rememberChoice(child->Caption(), *choice))
        qWarning("The game and mod of %s could not be remembered", qPrintable(child->Caption()));
}

} // namespace mods
