#pragma once

#include "RecordingDialogs.h"
#include "document/frmChild.h"
#include "frame/frmParent.h"
#include "platform/RichEdit.h"

#include <QTemporaryDir>
#include <memory>

/** A shown frame window with its dialogs answered, and a folder for files. */
struct FrameFixture {
    FrameFixture();
    ~FrameFixture();

    /** Writes @p bytes to @p name in the temporary folder and returns the full path. */
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &path) const;

    document::frmChild *newDocument();
    document::frmChild *active() const { return frame->activeDocument(); }
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
