#pragma once

#include <QList>
#include <QString>

namespace document {

class frmChild;
class ProgressView;

/** What the document layer asks of the frame window that hosts the documents. */
class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    /** The frame's current document window, or nullptr. */
    virtual frmChild *activeDocument() const = 0;
    /** Every loaded document window, in the order the frame keeps them. */
    virtual QList<frmChild *> documentWindows() const = 0;
    /** Puts a new document window into the frame, shows and activates it. */
    virtual void showDocumentWindow(frmChild *child) = 0;
    virtual void activateDocument(frmChild *child) = 0;
    /** Shows or hides the toolbar buttons that need a document, and the editing toolbar. */
    virtual void ShowDocumentButtons(bool visible) = 0;
    /** The last document window has gone. */
    virtual void lastDocumentClosed() = 0;
    /** Lays out the mod-dependent menus of @p child for @p modName. */
    virtual void applyModMenus(frmChild *child, const QString &modName) = 0;
    /** Gives a document just loaded from its file (the caption) the game and mod it is for. */
    virtual void targetOpenedDocument(frmChild *child) = 0;
    /** @p child was just saved under a new name (its caption); @p previousPath is its file
     *  before, empty when it had never been saved. */
    virtual void documentRenamed(frmChild *child, const QString &previousPath) = 0;

    /** Shows the progress window for a whole-file pass (a fresh one, or the one still open). */
    virtual ProgressView *showProgressWindow() = 0;
    /** A file was opened or saved under @p path: it heads the recent files. */
    virtual void fileUsed(const QString &path) = 0;
};

} // namespace document
