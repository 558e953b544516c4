#pragma once

#include <QString>

namespace document {
class Documents;
class frmChild;
} // namespace document

namespace mods {

/**
 * Insert > Template of @p child: fills the document with its mod's template when it is
 * still empty, otherwise opens a new document of that mod and fills that one.
 */
void mnuInsertTemplate_Click(document::frmChild *child, document::Documents *documents);

/**
 * Writes the template of @p modName at the caret of @p child, which is the active
 * document: the blank config's header, a data-file template (the window then grows
 * wider), or for "OSP Server" the OSP Template Type dialog. Other names write nothing.
 */
void InsertTemplate(document::frmChild *child, const QString &modName,
                    document::Documents *documents);

} // namespace mods
