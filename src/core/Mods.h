#pragma once

#include "core/Game.h"

#include <QStringView>

#include <cstdint>
#include <span>

namespace core {

/** What a mod's Insert > Template item does; each use does what the ones before it do. */
enum class TemplateUse : std::uint8_t {
    Unlisted,     // no known template: the item acts as any unknown caption does
    NewDocument,  // in a document holding text: a new document of the mod; no template text
    // From here on an empty document gets the template itself.
    ConfigHeader, // the template is the blank config's header
    // From here on the mod's menus enable the item.
    OspTypeDialog, // the template shows the OSP Template Type dialog
    MapListFile,   // the template is a data file's
    CustomModFile,
    PlayerFilterFile,
};

/** Everything the program knows of one mod a document can be made for (or the blank config). */
struct Mod {
    /** The mod number documents keep (ModId), recovery files store and help rows name. */
    std::int32_t id;
    Game game;
    /** The entry of its game's list in Select Mod; settings store it after the game. */
    QStringView key;
    /** The title of its new documents; the slot number is appended. */
    QStringView windowTitle;
    /** Names its menus and template to SetModMenus and InsertTemplate (letter case counts). */
    QStringView name;
    QStringView templateCaption;
    TemplateUse templateUse;
    /** The View list item's caption and its list below the Configs folder; empty: none. */
    QStringView viewCaption;
    QStringView viewFile;
    /** The Help menu's item of the mod; empty: hidden. */
    QStringView helpCaption;
    /** Insert > Other, the submenu of the mod's own commands; empty: hidden. */
    QStringView otherCaption;
    /** The Tools menu's item of the mod (it names the tool it opens); empty: hidden. */
    QStringView toolsCaption;
};

// One row per mod; the first is the blank config. The ids are stored: never renumber.
// clang-format off
inline constexpr Mod kMods[] = {
    //id  game               key                       window title                           mod name                     Template caption                   Template use                   View list caption               View list file          Help caption                      Other menu caption           Tools caption
    {-1,  Game::Blank,       {},                       u"Config",                             u"Blank",                    u"Regular Template",               TemplateUse::ConfigHeader,     {},                             {},                     {},                               {},                          {}},
    {0,   Game::Quake2,      u"Action Quake",          u"Q2 Action Quake Config",             u"Action Quake",             u"Action Quake Template",          TemplateUse::NewDocument,      u"Action Quake Binds",          u"\\Quake2\\aq.txt",    u"Action Quake Help",             u"Action Quake",             {}},
    {1,   Game::Quake2,      u"Capture the Flag",      u"Q2 Capture the Flag Config",         u"Capture the flag",         u"Capture the flag Template",      TemplateUse::NewDocument,      u"Capture the flag Binds",      u"\\Quake2\\ctf.txt",   u"Capture the Flag Help",         u"Capture the Flag",         {}},
    {2,   Game::Quake2,      u"Free for All",          u"Q2 Free for All Config",             u"Free for all",             u"Free for all Template",          TemplateUse::NewDocument,      u"Free for all Binds",          u"\\Quake2\\ffa.txt",   u"Free for all Help",             u"Free for All",             {}},
    {3,   Game::Quake2,      u"Gxmod",                 u"Q2 Gxmod Config",                    u"Gxmod",                    u"GxMod Template",                 TemplateUse::NewDocument,      u"GxMod Binds",                 u"\\Quake2\\gx.txt",    u"GxMod Help",                    u"Gxmod",                    {}},
    {4,   Game::Quake2,      u"Gxmod Server",          u"Q2 Gxmod Server Config",             u"Gxmod Server",             u"GxMod Server Template",          TemplateUse::NewDocument,      u"GxMod Server Binds",          u"\\Quake2\\gxsv.txt",  u"GxMod Server Help",             u"Gxmod Server",             u"Calculate Flags"},
    {5,   Game::Quake2,      u"Lithium",               u"Q2 Lithium Config",                  u"Lithium",                  u"Lithium Template",               TemplateUse::NewDocument,      u"Lithium Binds",               u"\\Quake2\\lith.txt",  u"Lithium Help",                  u"Lithium",                  {}},
    {8,   Game::Quake2,      u"Rocket Arena",          u"Q2 Rocket Arena Config",             u"Rocket arena",             u"Rocket Arena 2 Template",        TemplateUse::NewDocument,      u"Rocket Arena 2 Binds",        u"\\Quake2\\ra2.txt",   u"Rocket Arena 2 Help",           u"Rocket Arena",             {}},
    {9,   Game::Quake2,      u"Rocket Arena Server",   u"Q2 Rocket Arena Server Config",      u"Rocket arena Server",      u"Rocket Arena 2 Server Template", TemplateUse::NewDocument,      u"Rocket Arena 2 Server Binds", u"\\Quake2\\ra2sv.txt", u"Rocket Arena 2 Server Help",    u"Rocket Arena Server",      {}},
    {11,  Game::Quake2,      u"Weapons Factory",       u"Q2 Weapons Factory Config",          u"Weapons factory",          u"Weapons factory Template",       TemplateUse::NewDocument,      u"Weapons factory Binds",       u"\\Quake2\\wf.txt",    u"Weapons factory Help",          u"Weapons Factory",          {}},
    {13,  Game::Quake3,      u"Free for All",          u"Q3 Free for All Config",             u"Free for All",             u"Free for All Template",          TemplateUse::NewDocument,      u"Free for All Binds",          u"\\Quake3\\ffa.txt",   u"Free for All Help",             u"Free for All",             u"Name Editor"},
    {14,  Game::Quake3,      u"OSP",                   u"Q3 OSP Config",                      u"OSP",                      u"OSP Template",                   TemplateUse::NewDocument,      u"OSP Binds",                   u"\\Quake3\\osp.txt",   u"OSP Help",                      u"OSP",                      u"Name Editor"},
    {15,  Game::Quake3,      u"OSP Server",            u"Q3 OSP Server Config",               u"OSP Server",               u"OSP Server Template",            TemplateUse::OspTypeDialog,    u"OSP Server Binds",            u"\\Quake3\\osps.txt",  u"OSP Server Help",               u"OSP Server",               u"Name Editor"},
    {151, Game::Quake3,      u"OSP Server Custom Mod", u"Q3 OSP Server Custom Mod Config",    u"OSP Server Custom Mod",    u"OSP Custom Mod Template",        TemplateUse::CustomModFile,    {},                             {},                     u"OSP Custom Mod Help",           {},                          {}},
    {152, Game::OspDataFile, u"OSP Filter File",       u"Q3 OSP Server Player Filter Config", u"OSP Server Player Filter", u"OSP Player Filter Template",     TemplateUse::PlayerFilterFile, {},                             {},                     u"OSP Server Player Filter Help", u"OSP Server Player Filter", {}},
    {153, Game::OspDataFile, u"OSP Map File",          u"Q3 OSP Server Map List Config",      u"OSP Server Map List",      u"OSP Map List Template",          TemplateUse::MapListFile,      {},                             {},                     u"OSP Server Map List Help",      {},                          {}},
    {17,  Game::Quake3,      u"Rocket Arena",          u"Q3 Rocket Arena Config",             u"Rocket Arena",             u"Rocket Arena 3 Template",        TemplateUse::NewDocument,      u"Rocket Arena 3 Binds",        u"\\Quake3\\ra3.txt",   u"Rocket Arena 3 Help",           u"Rocket Arena 3",           u"Name Editor"},
    {19,  Game::Quake3,      u"Urban Terror",          u"Q3 Urban Terror Config",             u"Urban Terror",             u"Urban Terror Template",          TemplateUse::Unlisted,         u"Urban Terror Binds",          u"\\Quake3\\q3ut.txt",  u"Urban Terror Help",             u"Urban Terror",             u"Name Editor"},
    {20,  Game::Quake3,      u"Weapons Factory",       u"Q3 Weapons Factory Config",          u"Weapons Factory",          u"Weapons Factory Template",       TemplateUse::Unlisted,         u"Weapons Factory Binds",       u"\\Quake3\\wfa.txt",   u"Weapons Factory Help",          u"Weapons Factory",          u"Name Editor"},
};
// clang-format on

/** The blank config: a document for no game and no mod. */
inline constexpr const Mod &kBlankMod = kMods[0];

/** The mod of this number, at compile time only: a number no mod has does not compile. */
consteval const Mod &modOfId(std::int32_t id)
{
    for (const Mod &mod : kMods)
        if (mod.id == id)
            return mod;
    throw "no mod has this number";
}

/** A mod in another table, written as its number (checked by the compiler). */
class ModRef {
public:
    consteval ModRef(std::int32_t id) : m_mod(&modOfId(id)) {}
    constexpr const Mod *get() const { return m_mod; }
    constexpr const Mod *operator->() const { return m_mod; }

private:
    const Mod *m_mod;
};

/** The mod of exactly this name (letter case counts), or nullptr. */
inline const Mod *findModNamed(QStringView name)
{
    for (const Mod &mod : kMods)
        if (name == mod.name)
            return &mod;
    return nullptr;
}

} // namespace core
