#pragma once

#include "RecordingDialogs.h"
#include "document/frmChild.h"
#include "frame/frmParent.h"
#include "mods/ModCatalogue.h"
#include "platform/RichEdit.h"

#include <QTemporaryDir>
#include <memory>

/**
 * What the user sees of the editor's text: each change of colour or boldness marked, as
 * "[#0000ff b]bind[#000000] x"; a centred or right-aligned line starts with "{c}" or "{r}".
 */
QString colourRuns(platform::RichEdit *editor);
/** The visible top-level window named @p name, or nullptr. */
QWidget *openWindow(const char *name);

/** A shown frame window with its dialogs answered, and a folder for files. */
struct FrameFixture {
    FrameFixture();
    ~FrameFixture();

    /** Writes @p bytes to @p name in the temporary folder and returns the full path. */
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &path) const;

    /** File > New with "Blank CFG" checked: an empty blank config. */
    document::frmChild *newDocument();
    /**
     * File > New choosing the entry shown as @p text in @p game's list of the Select Mod
     * dialog; the new document, or nullptr when the dialog stayed open.
     */
    document::frmChild *newDocument(mods::GameList game, const QString &text);
    struct ModChoice {
        mods::GameList game;
        QString entry;
    };
    /** Every entry of the Select Mod dialog that makes a document. */
    static QList<ModChoice> creatableEntries();
    /** The open Select Mod dialog, or nullptr. */
    static QDialog *selectModDialog();
    /** Checks "Blank CFG" in the open Select Mod dialog and presses OK; false when none is open. */
    static bool pickBlankConfig();
    document::frmChild *active() const { return frame->activeDocument(); }
    /** The captions of the document windows, in the order they were opened. */
    QStringList captions() const;
    document::DocumentSlot &slotOf(document::frmChild *child) const
    {
        return frame->documents().slot(child->Tag());
    }
    /** Types @p text into @p child's editor as a user would. */
    static void type(document::frmChild *child, const QString &text);
    /** Triggers a menu item of @p child by name. */
    static void trigger(document::frmChild *child, const char *name);
    /** Lets deferred deletions and queued calls run. */
    static void settle();

    RecordingDialogs dialogs;
    QTemporaryDir folder;
    std::unique_ptr<frame::frmParent> frame;
};
