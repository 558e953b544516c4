#include "mods/ModCatalogue.h"

namespace mods {

namespace {

constexpr CatalogueEntry kQuake2Entries[] = {
    {u"Action Quake", u"Action Quake", {},
     {u"Q2 Action Quake Config", 0, core::Game::Quake2, u"Action Quake"}},
    {u"Capture the Flag", u"Capture the Flag", {},
     {u"Q2 Capture the Flag Config", 1, core::Game::Quake2, u"Capture the flag"}},
    {u"Free for All", u"Free for All", {},
     {u"Q2 Free for All Config", 2, core::Game::Quake2, u"Free for all"}},
    {u"Gxmod", u"Gxmod", {}, {u"Q2 Gxmod Config", 3, core::Game::Quake2, u"Gxmod"}},
    {u"Gxmod Server", u"Gxmod Server", {},
     {u"Q2 Gxmod Server Config", 4, core::Game::Quake2, u"Gxmod Server"}},
    {u"Lithium", u"Lithium", {}, {u"Q2 Lithium Config", 5, core::Game::Quake2, u"Lithium"}},
    {u"OSP", u"OSP", u"OSP support coming soon", {}},
    {u"OSP Server", u"OSP Server", u"OSP Server support coming soon", {}},
    {u"Rocket Arena", u"Rocket Arena", {},
     {u"Q2 Rocket Arena Config", 8, core::Game::Quake2, u"Rocket arena"}},
    {u"Rocket Arena Server", u"Rocket Arena Server", {},
     {u"Q2 Rocket Arena Server Config", 9, core::Game::Quake2, u"Rocket arena Server"}},
    {u"Weapons Factory", u"Weapons Factory", {},
     {u"Q2 Weapons Factory Config", 11, core::Game::Quake2, u"Weapons factory"}},
};

constexpr CatalogueEntry kQuake3Entries[] = {
    {u"Fortress", u"Fortress", u"Q3 Fortress support coming soon", {}},
    {u"Free for All", u"Free for All", {},
     {u"Q3 Free for All Config", 13, core::Game::Quake3, u"Free for All"}},
    {u"OSP", u"OSP", {}, {u"Q3 OSP Config", 14, core::Game::Quake3, u"OSP"}},
    {u"OSP Server", u"OSP Server", {},
     {u"Q3 OSP Server Config", 15, core::Game::Quake3, u"OSP Server"}},
    {u"    -Custom Mod", u"OSP Server Custom Mod", {},
     {u"Q3 OSP Server Custom Mod Config", 151, core::Game::Quake3, u"OSP Server Custom Mod"}},
    {u"    -Map List File", u"OSP Map File", {},
     {u"Q3 OSP Server Map List Config", 153, core::Game::OspDataFile, u"OSP Server Map List"}},
    {u"    -Player Filter File", u"OSP Filter File", {},
     {u"Q3 OSP Server Player Filter Config", 152, core::Game::OspDataFile,
      u"OSP Server Player Filter"}},
    {u"Paintball", u"Paintball", u"Q3 Paintball support coming soon", {}},
    {u"Rocket Arena", u"Rocket Arena", {},
     {u"Q3 Rocket Arena Config", 17, core::Game::Quake3, u"Rocket Arena"}},
    {u"True Combat", u"True Combat", u"True Combat support coming soon", {}},
    {u"Urban Terror", u"Urban Terror", {},
     {u"Q3 Urban Terror Config", 19, core::Game::Quake3, u"Urban Terror"}},
    {u"Weapons Factory", u"Weapons Factory", {},
     {u"Q3 Weapons Factory Config", 20, core::Game::Quake3, u"Weapons Factory"}},
};

} // namespace

std::span<const CatalogueEntry> catalogueEntries(GameList list)
{
    if (list == GameList::Quake2)
        return kQuake2Entries;
    return kQuake3Entries;
}

const CatalogueEntry *findCatalogueEntry(GameList list, const QString &key)
{
    for (const CatalogueEntry &entry : catalogueEntries(list)) {
        if (key == entry.key)
            return &entry;
    }
    return nullptr;
}

SelectModOutcome selectModOutcome(bool blankChecked, GameList selectedGame,
                                  const QString &selectedText, const QString &selectedKey)
{
    using Kind = SelectModOutcome::Kind;
    if (blankChecked)
        return {Kind::CreateDocument, {}, kBlankDocument};
    if (selectedText.isEmpty())
        return {};
    const CatalogueEntry *entry = findCatalogueEntry(selectedGame, selectedKey);
    if (!entry)
        return {};
    if (entry->isComingSoon())
        return {Kind::ComingSoon, entry->comingSoon, {}};
    return {Kind::CreateDocument, {}, entry->document};
}

} // namespace mods
