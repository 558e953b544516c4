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
        /** NewDocument(document.request()); SetModMenus(document.modName());
         *  InsertTemplate(document.modName()) into the new one. */
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

/** The blank config's header, written without a line break and without colouring. */
inline constexpr QStringView kConfigHeader = u"//Config";

/** After a data file's template the active document window grows this much wider. */
inline constexpr int kCommentTemplateWidenTwips = 500;

} // namespace mods
