#include "mods/TemplateTable.h"

namespace mods {

namespace {

constexpr std::optional<core::Game> kDocumentGame = std::nullopt;

// clang-format off
constexpr TemplateItem kTemplateItems[] = {
    {u"Regular Template",               u"Blank",                    u"Config",                             -1,  kDocumentGame, true},
    {u"Rocket Arena 3 Template",        u"Rocket Arena",             u"Q3 Rocket Arena Config",             17,  kDocumentGame, true},
    {u"OSP Template",                   u"OSP",                      u"Q3 OSP Config",                      14,  kDocumentGame, true},
    {u"OSP Server Template",            u"OSP Server",               u"Q3 OSP Server Config",               15,  kDocumentGame, true},
    {u"OSP Custom Mod Template",        u"OSP Server Custom Mod",    u"Q3 OSP Server Custom Mod Config",    151, kDocumentGame, true},
    {u"OSP Map List Template",          u"OSP Server Map List",      u"Q3 OSP Server Map List Config",      153, kDocumentGame, true},
    {u"OSP Player Filter Template",     u"OSP Server Player Filter", u"Q3 OSP Server Player Filter Config", 152, kDocumentGame, true},
    {u"Free for All Template",          u"Free for All",             u"Q3 Free for All Config",             13,  kDocumentGame, false},
    {u"Action Quake Template",          u"Action Quake",             u"Q2 Action Quake Config",             0,   kDocumentGame, false},
    {u"Capture the flag Template",      u"Capture the flag",         u"Q2 Capture the Flag Config",         1,   kDocumentGame, false},
    {u"Free for all Template",          u"Free for all",             u"Q2 Free for All Config",             2,   kDocumentGame, false},
    {u"GxMod Template",                 u"Gxmod",                    u"Q2 Gxmod Config",                    3,   kDocumentGame, false},
    {u"GxMod Server Template",          u"Gxmod Server",             u"Q2 Gxmod Server Config",             4,   kDocumentGame, false},
    {u"Lithium Template",               u"Lithium",                  u"Q2 Lithium Config",                  5,   kDocumentGame, false},
    {u"Rocket Arena 2 Template",        u"Rocket arena",             u"Q2 Rocket Arena Config",             8,   kDocumentGame, false},
    {u"Rocket Arena 2 Server Template", u"Rocket arena Server",      u"Q2 Rocket Arena Server Config",      9,   kDocumentGame, false},
    {u"Weapons factory Template",       u"Weapons factory",          u"Q2 Weapons Factory Config",          11,  kDocumentGame, false},
};
// clang-format on

// Every caption not in the table, e.g. "Urban Terror Template".
constexpr TemplateItem kOtherTemplateItem{{}, u"Blank", u"Config", -1, core::Game::Blank, false};

constexpr TemplateAction kTemplateActions[] = {
    {u"Blank", TemplateAction::Kind::WriteConfigHeader},
    {u"OSP Server", TemplateAction::Kind::ShowOspTypeDialog},
    {u"OSP Server Map List", TemplateAction::Kind::WriteCommentTemplate,
     CommentTemplate::MapList},
    {u"OSP Server Custom Mod", TemplateAction::Kind::WriteCommentTemplate,
     CommentTemplate::CustomMod},
    {u"OSP Server Player Filter", TemplateAction::Kind::WriteCommentTemplate,
     CommentTemplate::PlayerFilter},
};

} // namespace

std::span<const TemplateItem> templateItems() { return kTemplateItems; }

const TemplateItem &findTemplateItem(const QString &caption)
{
    for (const TemplateItem &item : kTemplateItems) {
        if (caption == item.caption)
            return item;
    }
    return kOtherTemplateItem;
}

TemplateClick templateClick(const QString &caption, bool documentHasText,
                            core::Game documentGame)
{
    using Kind = TemplateClick::Kind;
    const TemplateItem &item = findTemplateItem(caption);
    if (!documentHasText) {
        if (!item.insertsIntoEmptyDocument)
            return {};
        return {Kind::InsertHere, item.modName, {}};
    }
    const NewDocumentRequest document{item.windowTitle, item.modNumber,
                                      item.game.value_or(documentGame), item.modName};
    return {Kind::NewDocumentThenInsert, item.modName, document};
}

TemplateAction insertTemplateAction(const QString &modName)
{
    for (const TemplateAction &action : kTemplateActions) {
        if (modName == action.modName)
            return action;
    }
    return {{}, TemplateAction::Kind::Nothing};
}

} // namespace mods
