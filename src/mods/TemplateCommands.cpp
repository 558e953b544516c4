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

generators::DataFileTemplate dataFileTemplate(CommentTemplate which)
{
    switch (which) {
    case CommentTemplate::MapList:
        return generators::DataFileTemplate::MapList;
    case CommentTemplate::CustomMod:
        return generators::DataFileTemplate::CustomMod;
    case CommentTemplate::PlayerFilter:
        return generators::DataFileTemplate::PlayerFilter;
    }
    return generators::DataFileTemplate::MapList;
}

void writeCommentTemplate(document::frmChild *child, CommentTemplate which)
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
    const int index = child->Tag();
    QAction *item = child->menuItem(QStringLiteral("mnuInsertTemplate"));
    if (!item || index < 1 || index > documents->slotCount())
        return;

    const TemplateClick click =
        templateClick(item->text(), child->editor()->TextLength() > 0, documents->slot(index).Game);
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
    const TemplateAction action = insertTemplateAction(modName);
    switch (action.kind) {
    case TemplateAction::Kind::Nothing:
        return;
    case TemplateAction::Kind::ShowOspTypeDialog:
        generators::showOspTypeDialog(documents);
        return;
    case TemplateAction::Kind::WriteConfigHeader:
        if (child && !child->isUnloaded())
            child->editor()->setSelText(kConfigHeader.toString());
        return;
    case TemplateAction::Kind::WriteCommentTemplate:
        if (child && !child->isUnloaded())
            writeCommentTemplate(child, action.commentTemplate);
        return;
    }
}

} // namespace mods
