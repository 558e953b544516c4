#pragma once

#include "mods/ModCatalogue.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>

namespace mods {

/** A row of the Template item's table, by the item's caption. */
struct TemplateItem {
    QStringView caption;
    QStringView modName; // for SetModMenus and InsertTemplate
    QStringView windowTitle;
    std::int32_t modNumber;
    std::optional<core::Game> game; // std::nullopt: the Game of the document the item belongs to
    bool insertsIntoEmptyDocument;    // an empty document only takes these captions' templates
};

/** The known captions in table order. */
std::span<const TemplateItem> templateItems();

/** The row of exactly this caption; any other caption gets the blank row
 *  ("Blank", "Config", mod number -1, game -1, nothing in an empty document). */
const TemplateItem &findTemplateItem(const QString &caption);

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
    QStringView modName;
    Kind kind;
    CommentTemplate commentTemplate = CommentTemplate::MapList; // WriteCommentTemplate only
};

/** The action of exactly this mod name; any other name (among them "OSP") does nothing. */
TemplateAction insertTemplateAction(const QString &modName);

} // namespace mods
