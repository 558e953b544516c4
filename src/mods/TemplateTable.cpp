#include "mods/TemplateTable.h"

namespace mods {

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
        if (!mod || mod->templateUse < core::TemplateUse::ConfigHeader)
            return {};
        return {Kind::InsertHere, mod->name, {}};
    }
    // A listed template's new document is of the clicking document's game.
    const NewDocumentRequest document =
        mod ? NewDocumentRequest{mod, documentGame} : kBlankDocument;
    return {Kind::NewDocumentThenInsert, document.modName(), document};
}

} // namespace mods
