#pragma once

#include "mods/ModCatalogue.h"

#include <QString>
#include <QStringView>

namespace mods {

/** The mod whose listed template has exactly this caption, or nullptr: any other caption
 *  (e.g. "Urban Terror Template") acts as the blank config's, in a new blank document only. */
const core::Mod *findTemplateMod(const QString &caption);

/** What clicking mnuInsertTemplate does. */
struct TemplateClick {
    enum class Kind {
        Nothing,
        /** InsertTemplate(modName) into this same document. */
        InsertHere,
        /** NewDocument(document.request()); SetModMenus(document.modName);
         *  InsertTemplate(document.modName) into the new one. */
        NewDocumentThenInsert,
    };
    Kind kind = Kind::Nothing;
    QStringView modName;
    NewDocumentRequest document{};
};

/** The click on a Template item captioned caption, in a document whose editor holds text or
 *  not, whose slot's Game is documentGame. */
TemplateClick templateClick(const QString &caption, bool documentHasText,
                            core::Game documentGame);

/** The three data-file templates; their texts live with the generators. */
enum class CommentTemplate { MapList, CustomMod, PlayerFilter };

/** The blank config's header, written without a line break and without colouring. */
inline constexpr QStringView kConfigHeader = u"//Config";

/** After a comment template the active document window grows this much wider. */
inline constexpr int kCommentTemplateWidenTwips = 500;

/** What InsertTemplate(modName) does to the active document. */
struct TemplateAction {
    enum class Kind {
        Nothing,
        /** Write kConfigHeader. */
        WriteConfigHeader,
        /** Show the OSP Template Type dialog (frmOSPType), modeless; write nothing. */
        ShowOspTypeDialog,
        /** Write commentTemplate line by line, each line one write of its text and CR LF
         *  (an empty line one write of CR LF alone), no colouring; then widen the window by
         *  kCommentTemplateWidenTwips. */
        WriteCommentTemplate,
    };
    Kind kind = Kind::Nothing;
    CommentTemplate commentTemplate = CommentTemplate::MapList; // WriteCommentTemplate only
};

/** The action of exactly this mod name; any other name (among them "OSP") does nothing. */
TemplateAction insertTemplateAction(const QString &modName);

} // namespace mods
