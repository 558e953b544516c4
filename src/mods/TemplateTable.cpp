#include "mods/TemplateTable.h"

namespace mods {

namespace {

struct TemplateActionRow {
    core::ModRef mod;
    TemplateAction action;
};

constexpr TemplateActionRow kTemplateActions[] = {
    {-1, {TemplateAction::Kind::WriteConfigHeader}},
    {15, {TemplateAction::Kind::ShowOspTypeDialog}},
    {153, {TemplateAction::Kind::WriteCommentTemplate, CommentTemplate::MapList}},
    {151, {TemplateAction::Kind::WriteCommentTemplate, CommentTemplate::CustomMod}},
    {152, {TemplateAction::Kind::WriteCommentTemplate, CommentTemplate::PlayerFilter}},
};

} // namespace

const core::Mod *findTemplateMod(const QString &caption)
{
    for (const core::Mod &mod : core::kMods) {
        if (mod.templateUse != core::TemplateUse::Unlisted && caption == mod.templateCaption)
            return &mod;
    }
    return nullptr;
}

TemplateClick templateClick(const QString &caption, bool documentHasText,
                            core::Game documentGame)
{
    using Kind = TemplateClick::Kind;
    const core::Mod *mod = findTemplateMod(caption);
    if (!documentHasText) {
        if (!mod || mod->templateUse == core::TemplateUse::NewDocument)
            return {};
        return {Kind::InsertHere, mod->name, {}};
    }
    // A listed template's new document is of the clicking document's game.
    const NewDocumentRequest document =
        mod ? NewDocumentRequest{mod, documentGame} : kBlankDocument;
    return {Kind::NewDocumentThenInsert, document.modName(), document};
}

TemplateAction insertTemplateAction(const QString &modName)
{
    for (const TemplateActionRow &row : kTemplateActions) {
        if (modName == row.mod->name)
            return row.action;
    }
    return {};
}

} // namespace mods
