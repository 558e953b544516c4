#pragma once

#include "core/DocumentRequest.h"
#include "document/ConfigFile.h"
#include "document/DocumentCommands.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <memory>

namespace document {

class DocumentHost;
class FileWatch;
class Recovery;
class ProgressView;
class frmChild;

/** One open document: its window and its file state. */
struct DocumentSlot {
    QPointer<frmChild> Window;
    bool Dirty = false;
    core::FileState FileState = core::FileState::Untitled;
    core::Game Game = core::Game::Quake2;
    int32_t ModId = 0;
    /** The line breaks Save writes: those of the opened file, CR LF for a new document. */
    LineEnds lineEnds = LineEnds::CrLf;
    /** The mod whose menus the window shows. */
    QString ModName;
};

/** The filter of the Open and Save As dialogs. */
QString configFileFilter();

/**
 * The table of open documents and their file lifecycle. A document's slot index
 * (from 1) is its identity for its whole life; its window's Tag holds it.
 */
/** A file that could not be opened, and why. */
struct OpenFailure {
    QString path;
    QString reason;
};

/**
 * The message telling the user that @p failures could not be opened: a single file with its
 * reason, many as a list of the first few and how many more there are.
 */
QString openFailureMessage(const QList<OpenFailure> &failures);

class Documents {
public:
    explicit Documents(DocumentHost *host);
    ~Documents();

    DocumentHost *host() const { return m_host; }
    /** What the items of the document windows' menus do beyond the window itself. */
    DocumentCommands &commands() { return m_commands; }

    /** Number of slots the table has grown to (it never shrinks). */
    int slotCount() const { return int(m_slots.size()); }
    /** The slot at 1-based @p index. */
    DocumentSlot &slot(int index) { return m_slots[index - 1]; }
    const DocumentSlot &slot(int index) const { return m_slots[index - 1]; }

    /** The slot @p child holds, or nullptr when it holds none (closing, or not yet placed). */
    DocumentSlot *slotOf(const frmChild *child);
    const DocumentSlot *slotOf(const frmChild *child) const;
    /** Sets the changed mark of the slot @p child holds; false when it holds none. */
    bool markDirty(const frmChild *child, bool dirty);

    int FindFreeSlot();
    /** Creates an empty document for @p request, its title followed by its slot index. */
    frmChild *NewDocument(const core::DocumentRequest &request);

    /** The Open dialog; empty when cancelled. */
    QStringList ShowOpenDialog();
    /**
     * The one way files are opened (Open dialog, command line, drop, hand-over): each in
     * turn through OpenDocument.
     */
    void OpenFileList(const QStringList &paths);
    /**
     * Loads @p path into a document (reusing an untouched new one) and colours its keywords
     * before the text is first shown, reporting to @p progress (the frame's progress window
     * when null); nullptr on failure, which leaves every document as it was.
     */
    frmChild *OpenDocument(const QString &path, ProgressView *progress = nullptr);
    /**
     * From here to endFailureBatch, files that cannot be opened are gathered instead of each
     * showing a message; endFailureBatch tells the user about all of them in one message.
     */
    void beginFailureBatch();
    void endFailureBatch();
    /** The Open command of the menus and the toolbar; returns the files chosen. */
    int OpenCommand();

    /** Sets the line ends the document is saved with; a change marks it changed. */
    void setLineEnds(int index, LineEnds lineEnds);

    /** Writes the document to @p path; false (after telling the user) when it failed. */
    bool SaveDocument(int index, const QString &path);
    /** Asks for a name and saves; false when cancelled or failed. */
    bool SaveDocumentAs(int index);
    /** Saves an on-disk document in place, an untitled one through Save As. */
    bool SaveOrSaveAs(int index);
    void SaveAllDocuments();

    /** The slot of the frame's active document, or 0. */
    int activeIndex() const;

    /** Called by a document window as it unloads. */
    void windowUnloaded(frmChild *child);

    /** Keeps recovery copies of unsaved documents below @p folder; off until called. */
    void enableRecovery(const QString &folder);
    Recovery *recovery() const { return m_recovery.get(); }
    FileWatch &fileWatch() const { return *m_fileWatch; }

    /** The text of document @p index changed. */
    void documentEdited(int index);
    /** Document @p index matches its file again (saved or reloaded). */
    void documentSettled(int index);
    /** Document @p index holds its file (the caption) as it is on disk now. */
    void fileOpened(int index);

private:
    frmChild *createWindow(int index);
    void reportOpenFailures(const QList<OpenFailure> &failures);

    DocumentHost *m_host;
    DocumentCommands m_commands;
    std::optional<QList<OpenFailure>> m_failureBatch;
    QList<DocumentSlot> m_slots;
    std::unique_ptr<FileWatch> m_fileWatch;
    std::unique_ptr<Recovery> m_recovery;
};

} // namespace document
