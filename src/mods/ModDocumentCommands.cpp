#include "mods/ModDocumentCommands.h"

#include "document/frmChild.h"
#include "generators/ToolDialogs.h"
#include "mods/ModCommands.h"
#include "mods/ModMenuLayouts.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QPointer>

namespace mods {

namespace {

/**
 * Performs the steps on @p child's own editor. A list step waits, with the program
 * responsive, until the list is hidden again; other commands may run meanwhile, and a
 * window closed during the wait ends the command.
 */
void runSteps(document::frmChild *child, const QList<ModCommandStep> &steps)
{
    QPointer<document::frmChild> window(child);
    int rememberedCaret = 0;
    for (const ModCommandStep &step : steps) {
        if (!window || window->isUnloaded())
            return;
        platform::RichEdit *editor = window->editor();
        switch (step.kind) {
        case StepKind::Write: {
            // A written piece and its colours are one undo step.
            platform::RichEdit::Freeze freeze(editor);
            editor->setSelText(step.text);
            for (const Highlight &highlight : step.highlights) {
                const core::KeywordRow &row = core::keywordRow(highlight.keyword);
                window->HighlightBeforeCaret(highlight.back, int(row.spelling.size()), row.color);
            }
            break;
        }
        case StepKind::ShowKeysListAndWait:
            window->ShowKeysList();
            if (!window->waitForListHidden(window->lsKeys()))
                return;
            break;
        case StepKind::ShowSpecialListAndWait:
            window->ShowSpecialList(step.text);
            if (!window->waitForListHidden(window->lsSpecial()))
                return;
            break;
        case StepKind::RememberCaret:
            rememberedCaret = editor->SelStart();
            break;
        case StepKind::RestoreCaret:
            editor->Select(rememberedCaret, 0);
            break;
        }
    }
}

} // namespace

void otherItemClicked(document::frmChild &child, const QAction &item, int slot)
{
    if (child.isUnloaded())
        return;
    if (const ModCommand *command = findModCommand(slot, item.text()))
        runSteps(&child, modCommandSteps(*command));
}

void toolsItemClicked(document::frmChild &child, const QAction &item)
{
    if (child.isUnloaded())
        return;
    const std::optional<Tool> tool = findTool(item.text());
    if (!tool)
        return;
    switch (*tool) {
    case Tool::CalculateFlags:
        generators::showFlagsDialog();
        break;
    case Tool::NameEditor:
        generators::showNameEditor();
        break;
    }
}

void viewListItemClicked(document::frmChild &child, const QAction &item)
{
    if (child.isUnloaded())
        return;
    if (const core::Mod *mod = findViewList(item.text()))
        child.ShowSpecialList(mod->viewFile.toString());
}

} // namespace mods
