#include "mods/ModCatalogue.h"

namespace mods {

namespace {

/** An entry that creates a document of @p mod; the list shows its key unless told otherwise. */
constexpr CatalogueEntry entry(core::ModRef mod, QStringView text = {})
{
    return {text.isEmpty() ? mod->key : text, mod->key, {}, mod.get()};
}

constexpr CatalogueEntry comingSoon(QStringView key, QStringView message)
{
    return {key, key, message, nullptr};
}

// clang-format off
constexpr CatalogueEntry kQuake2Entries[] = {
    entry(0), entry(1), entry(2), entry(3), entry(4), entry(5),
    comingSoon(u"OSP", u"OSP support coming soon"),
    comingSoon(u"OSP Server", u"OSP Server support coming soon"),
    entry(8), entry(9), entry(11),
};

constexpr CatalogueEntry kQuake3Entries[] = {
    comingSoon(u"Fortress", u"Q3 Fortress support coming soon"),
    entry(13), entry(14), entry(15),
    entry(151, u"    -Custom Mod"),
    entry(153, u"    -Map List File"),
    entry(152, u"    -Player Filter File"),
    comingSoon(u"Paintball", u"Q3 Paintball support coming soon"),
    entry(17),
    comingSoon(u"True Combat", u"True Combat support coming soon"),
    entry(19), entry(20),
};
// clang-format on

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
    return {Kind::CreateDocument, {}, entry->document()};
}

} // namespace mods
