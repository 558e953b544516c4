#include "document/Documents.h"

#include "document/ConfigFile.h"
#include "document/DocumentHost.h"
#include "document/FileWatch.h"
#include "document/Formatting.h"
#include "document/Recovery.h"
#include "document/frmChild.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileWriting.h"
#include "platform/RichEdit.h"

#include <QFileInfo>

namespace document {

QString configFileFilter()
{
    return QStringLiteral("Quake Configs (*.cfg);;Text Files (*.txt);;All Files (*)");
}

Documents::Documents(DocumentHost *host) : m_host(host), m_fileWatch(std::make_unique<FileWatch>(this)) {}

Documents::~Documents() = default;

int Documents::FindFreeSlot()
{
    for (int index = 1; index <= slotCount(); ++index)
        if (slot(index).FileState == core::FileState::Free)
            return index;
    m_slots.append(DocumentSlot());
    return slotCount();
}

frmChild *Documents::createWindow(int index)
{
    auto *child = new frmChild(this);
    child->setTag(index);
    slot(index).Window = child;
    return child;
}

frmChild *Documents::NewDocument(const core::DocumentRequest &request)
{
    const int index = FindFreeSlot();
    frmChild *child = slot(index).Window ? slot(index).Window.data() : createWindow(index);
    child->setCaption(request.windowTitle + QString::number(index));
    m_host->showDocumentWindow(child);
    child->setTag(index);
    DocumentSlot &documentSlot = slot(index);
    documentSlot.Dirty = false;
    documentSlot.FileState = core::FileState::Untitled;
    // A blank config belongs to no mod.
    documentSlot.ModId = request.game == core::Game::Blank ? 0 : request.modNumber;
    documentSlot.Game = request.game;
    documentSlot.lineEnds = LineEnds::CrLf;
    child->showLineEnds(LineEnds::CrLf);
    m_host->ShowDocumentButtons(true);
    return child;
}

QStringList Documents::ShowOpenDialog() { return platform::openFileNames(configFileFilter()); }

void Documents::OpenFileList(const QStringList &paths)
{
    for (const QString &path : paths)
        OpenDocument(path);
}

frmChild *Documents::OpenDocument(const QString &path, ProgressView *progress)
{
    if (path.isEmpty())
        return nullptr;
    const QString fullPath = platform::absoluteFilePath(path);
    ReadResult file;
    {
        platform::WaitCursor wait;
        file = readConfigFile(fullPath);
    }
    if (!file.ok) {
        if (m_failureBatch)
            m_failureBatch->append({fullPath, file.reason});
        else
            reportOpenFailures({{fullPath, file.reason}});
        return nullptr;
    }

    if (!progress)
        progress = m_host->showProgressWindow();
    platform::WaitCursor wait;
    frmChild *active = m_host->activeDocument();
    const bool reuse = active && slot(active->Tag()).FileState == core::FileState::Untitled &&
                       !slot(active->Tag()).Dirty;
    const int index = reuse ? active->Tag() : FindFreeSlot();
    const bool created = !slot(index).Window;
    frmChild *child = created ? createWindow(index) : slot(index).Window.data();
    child->setTag(index);
    platform::RichEdit *editor = child->editor();
    editor->LoadPlainText(file.text, [editor, progress] { FormatWholeFile(editor, progress); });

    DocumentSlot &documentSlot = slot(index);
    // Loading and colouring changed the text; the document now holds what the file holds.
    documentSlot.Dirty = false;
    documentSlot.lineEnds = file.lineEnds;
    child->showLineEnds(file.lineEnds);
    child->setCaption(fullPath);
    if (created)
        m_host->showDocumentWindow(child);
    else
        m_host->activateDocument(child);
    documentSlot.FileState = core::FileState::OnDisk;
    m_host->ShowDocumentButtons(true);
    m_host->targetOpenedDocument(child);
    if (file.paddingBytes > 0)
        platform::messageBox(
            QStringLiteral("%1\n\nThe file ends in %2 NUL bytes of padding after its text. They "
                           "are not shown and will not be saved.")
                .arg(fullPath)
                .arg(file.paddingBytes),
            platform::Buttons::Ok, platform::Icon::Information);
    m_host->fileUsed(fullPath);
    fileOpened(index);
    return child;
}

void Documents::reportOpenFailures(const QList<OpenFailure> &failures)
{
    platform::messageBox(openFailureMessage(failures), platform::Buttons::Ok,
                         platform::Icon::Exclamation);
    if (frmChild *active = m_host->activeDocument())
        active->focusEditor();
}

void Documents::beginFailureBatch() { m_failureBatch.emplace(); }

void Documents::endFailureBatch()
{
    const QList<OpenFailure> failures = m_failureBatch.value_or(QList<OpenFailure>());
    m_failureBatch.reset();
    if (!failures.isEmpty())
        reportOpenFailures(failures);
}

QString openFailureMessage(const QList<OpenFailure> &failures)
{
    if (failures.size() == 1)
        return QStringLiteral("Can't open file: ") + failures.first().path + QStringLiteral("\n\n") +
               failures.first().reason;
    // A message box the size of the screen helps nobody: a few names stand for the rest.
    constexpr qsizetype kListed = 5;
    QString message = QStringLiteral("Can't open %1 files:\n").arg(failures.size());
    for (const OpenFailure &failure : failures.first(std::min(kListed, failures.size())))
        message += QStringLiteral("\n%1: %2").arg(failure.path, failure.reason);
    if (failures.size() > kListed)
        message += QStringLiteral("\n\nand %1 more.").arg(failures.size() - kListed);
    return message;
}

int Documents::OpenCommand()
{
    const QStringList paths = ShowOpenDialog();
    OpenFileList(paths);
    return int(paths.size());
}

void Documents::setLineEnds(int index, LineEnds lineEnds)
{
    DocumentSlot &documentSlot = slot(index);
    if (documentSlot.lineEnds != lineEnds) {
        documentSlot.lineEnds = lineEnds;
        // The changed mark follows the editor's modified state, so the editor must know too.
        if (documentSlot.Window)
            documentSlot.Window->editor()->document()->setModified(true);
        documentSlot.Dirty = true;
    }
    if (documentSlot.Window)
        documentSlot.Window->showLineEnds(lineEnds);
}

namespace {

// Characters the file could not hold were written as '?'; the editor shows the same, in
// place, so what is on screen is what is on disk.
void replaceUnencodable(platform::RichEdit *editor)
{
    const QString text = editor->Text();
    const int caret = editor->SelStart();
    const int selected = editor->SelLength();
    platform::RichEdit::Freeze freeze(editor);
    for (qsizetype end = text.size(); end > 0;) {
        if (text.at(end - 1).unicode() <= 0xFF) {
            --end;
            continue;
        }
        qsizetype start = end - 1;
        while (start > 0 && text.at(start - 1).unicode() > 0xFF)
            --start;
        editor->Select(int(start), int(end - start));
        editor->setSelText(QString(end - start, QLatin1Char('?')));
        end = start;
    }
    editor->Select(caret, selected);
}

} // namespace

bool Documents::SaveDocument(int index, const QString &path)
{
    frmChild *child = slot(index).Window;
    if (!child)
        return false;
    int unencodable = 0;
    const QByteArray bytes =
        configFileBytes(child->editor()->Text(), slot(index).lineEnds, &unencodable);
    if (unencodable > 0) {
        const platform::Answer answer = platform::messageBox(
            QStringLiteral("%1 character(s) cannot be stored in an 8-bit config file and would be "
                           "written as \"?\".\n\nSave anyway?")
                .arg(unencodable),
            platform::Buttons::OkCancel, platform::Icon::Exclamation);
        if (answer != platform::Answer::Ok) {
            child->focusEditor();
            return false;
        }
    }
    if (!m_fileWatch->maySaveOver(index, QFileInfo(path).absoluteFilePath())) {
        child->focusEditor();
        return false;
    }
    QString error;
    {
        platform::WaitCursor wait;
        error = platform::writeFileSafely(path, bytes);
    }
    if (!error.isEmpty()) {
        platform::messageBox(QStringLiteral("Can't save file: ") + path + QStringLiteral("\n\n") +
                                 error,
                             platform::Buttons::Ok, platform::Icon::Exclamation);
        child->focusEditor();
        return false;
    }
    if (unencodable > 0)
        replaceUnencodable(child->editor());
    const QString previousPath =
        slot(index).FileState == core::FileState::OnDisk ? child->Caption() : QString();
    child->setCaption(platform::absoluteFilePath(path));
    child->markSaved();
    slot(index).FileState = core::FileState::OnDisk;
    if (previousPath != child->Caption())
        m_host->documentRenamed(child, previousPath);
    m_host->fileUsed(child->Caption());
    fileOpened(index);
    documentSettled(index);
    return true;
}

bool Documents::SaveDocumentAs(int index)
{
    frmChild *child = slot(index).Window;
    if (!child)
        return false;
    const QString caption = child->Caption();
    QString suffix = GetExtension(caption);
    if (suffix.isEmpty())
        suffix = QStringLiteral("cfg");
    const QString path = platform::saveFileName(caption, suffix, configFileFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).isDir()) {
        platform::messageBox(QStringLiteral("Can't save file: ") + path +
                                 QStringLiteral("\n\nIt is a folder, not a file."),
                             platform::Buttons::Ok, platform::Icon::Exclamation);
        child->focusEditor();
        return false;
    }
    if (QFileInfo::exists(path)) {
        const platform::Answer answer = platform::messageBox(
            QStringLiteral("Overwrite?"), platform::Buttons::OkCancel, platform::Icon::Question);
        if (answer != platform::Answer::Ok) {
            if (frmChild *active = m_host->activeDocument())
                active->focusEditor();
            return false;
        }
    }
    return SaveDocument(index, path);
}

bool Documents::SaveOrSaveAs(int index)
{
    if (slot(index).FileState == core::FileState::OnDisk)
        return SaveDocument(index, slot(index).Window->Caption());
    return SaveDocumentAs(index);
}

void Documents::SaveAllDocuments()
{
    for (int index = 1; index <= slotCount(); ++index) {
        if (slot(index).FileState == core::FileState::Free || !slot(index).Window)
            continue;
        SaveOrSaveAs(index);
    }
}

int Documents::activeIndex() const
{
    frmChild *active = m_host->activeDocument();
    return active ? active->Tag() : 0;
}

const DocumentSlot *Documents::slotOf(const frmChild *child) const
{
    const int index = child ? child->Tag() : 0;
    return index >= 1 && index <= slotCount() && slot(index).Window == child ? &slot(index)
                                                                              : nullptr;
}

DocumentSlot *Documents::slotOf(const frmChild *child)
{
    return const_cast<DocumentSlot *>(std::as_const(*this).slotOf(child));
}

bool Documents::markDirty(const frmChild *child, bool dirty)
{
    DocumentSlot *documentSlot = slotOf(child);
    if (documentSlot)
        documentSlot->Dirty = dirty;
    return documentSlot;
}

void Documents::windowUnloaded(frmChild *child)
{
    const int index = child->Tag();
    if (DocumentSlot *documentSlot = slotOf(child)) {
        documentSlot->Dirty = false;
        documentSlot->FileState = core::FileState::Free;
        documentSlot->Window = nullptr;
        m_fileWatch->forget(index);
        documentSettled(index);
    }
    for (const DocumentSlot &other : std::as_const(m_slots))
        if (other.Window && !other.Window->isUnloaded())
            return;
    m_host->ShowDocumentButtons(false);
    m_host->lastDocumentClosed();
}

void Documents::enableRecovery(const QString &folder)
{
    m_recovery = std::make_unique<Recovery>(this, folder);
}

void Documents::documentEdited(int index)
{
    if (m_recovery)
        m_recovery->documentChanged(index);
}

void Documents::documentSettled(int index)
{
    if (m_recovery)
        m_recovery->documentSettled(index);
}

void Documents::fileOpened(int index) { m_fileWatch->track(index, slot(index).Window->Caption()); }

} // namespace document
