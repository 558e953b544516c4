#include "mods/TemplateCommands.h"

#include "document/DocumentHost.h"
#include "document/Documents.h"
#include "document/WindowGrowth.h"
#include "document/frmChild.h"
#include "generators/TemplateTexts.h"
#include "generators/frmOSPType.h"
#include "mods/TemplateTable.h"
#include "platform/RichEdit.h"

#include <QAction>

namespace mods {

namespace {

generators::DataFileTemplate dataFileTemplate(core::TemplateUse use)
{
    switch (use) {
    case core::TemplateUse::CustomModFile: return generators::DataFileTemplate::CustomMod;
    case core::TemplateUse::PlayerFilterFile: return generators::DataFileTemplate::PlayerFilter;
    default: return generators::DataFileTemplate::MapList;
    }
}

void writeDataFileTemplate(document::frmChild *child, core::TemplateUse which)
{
    platform::RichEdit *editor = child->editor();
    {
        platform::RichEdit::Freeze freeze(editor);
        for (const QString &line : generators::dataFileTemplateLines(dataFileTemplate(which)))
            editor->setSelText(line + QStringLiteral("\r\n"));
    }
    document::growDocumentWindow(child, kCommentTemplateWidenTwips, 0);
}

} // namespace

void mnuInsertTemplate_Click(document::frmChild *child, document::Documents *documents)
{
    if (!child || child->isUnloaded())
        return;
    QAction *item = child->menuItem(QStringLiteral("mnuInsertTemplate"));
    const document::DocumentSlot *slot = documents->slotOf(child);
    if (!item || !slot)
        return;

    const TemplateClick click =
        templateClick(item->text(), child->editor()->TextLength() > 0, slot->Game);
    switch (click.kind) {
    case TemplateClick::Kind::Nothing:
        return;
    case TemplateClick::Kind::InsertHere:
        InsertTemplate(child, click.modName.toString(), documents);
        return;
    case TemplateClick::Kind::NewDocumentThenInsert: {
        const NewDocumentRequest &request = click.document;
        document::frmChild *created = documents->NewDocument(request.request());
        documents->host()->applyModMenus(created, request.modName().toString());
        InsertTemplate(created, request.modName().toString(), documents);
        return;
    }
    }
}

void InsertTemplate(document::frmChild *child, const QString &modName,
                    document::Documents *documents)
{
    const core::Mod *mod = core::findModNamed(modName);
    const core::TemplateUse use = mod ? mod->templateUse : core::TemplateUse::Unlisted;
    if (use == core::TemplateUse::OspTypeDialog) {
        generators::showOspTypeDialog(documents);
    } else if (child && !child->isUnloaded()) {
        if (use == core::TemplateUse::ConfigHeader)
            child->editor()->setSelText(kConfigHeader.toString());
        else if (use >= core::TemplateUse::MapListFile)
            writeDataFileTemplate(child, use);
    }
}

} // namespace mods
