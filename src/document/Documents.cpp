#include "document/Documents.h"

#include "document/ConfigFile.h"
#include "document/DocumentHost.h"
#include "document/FileWatch.h"
#include "document/Formatting.h"
#include "document/Recovery.h"
#include "document/frmChild.h"
#include "platform/Dialogs.h"
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
        if (slot(index).FileState == -1)
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

frmChild *Documents::NewDocument(const QString &title, int32_t modId)
{
    const int index = FindFreeSlot();
    frmChild *child = slot(index).Window ? slot(index).Window.data() : createWindow(index);
    child->setCaption(title + QString::number(index));
    m_host->showDocumentWindow(child);
    child->setTag(index);
    DocumentSlot &documentSlot = slot(index);
    documentSlot.Dirty = false;
    documentSlot.FileState = 0;
    documentSlot.ModId = CurrentGame == -1 ? 0 : modId;
    documentSlot.Game = CurrentGame;
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
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    ReadResult file;
    {
        platform::WaitCursor wait;
        file = readConfigFile(fullPath);
    }
    if (!file.ok) {
        platform::messageBox(QStringLiteral("Can't open file: ") + fullPath + QStringLiteral("\n\n") +
                                 file.reason,
                             platform::Buttons::Ok, platform::Icon::Exclamation);
        if (frmChild *active = m_host->activeDocument())
            active->focusEditor();
        return nullptr;
    }

    platform::WaitCursor wait;
    frmChild *active = m_host->activeDocument();
    const bool reuse = active && slot(active->Tag()).FileState == 0 && !slot(active->Tag()).Dirty;
    const int index = reuse ? active->Tag() : FindFreeSlot();
    const bool created = !slot(index).Window;
    frmChild *child = created ? createWindow(index) : slot(index).Window.data();
    child->setTag(index);
    platform::RichEdit *editor = child->editor();
    if (progress)
        editor->LoadPlainText(file.text, [editor, progress] { FormatWholeFile(editor, progress); });
    else
        editor->LoadPlainText(file.text);

    DocumentSlot &documentSlot = slot(index);
    documentSlot.Dirty = false;
    child->setCaption(fullPath);
    if (created)
        m_host->showDocumentWindow(child);
    else
        m_host->activateDocument(child);
    documentSlot.FileState = 1;
    // An opened file is a config for no particular game, as its Blank menus say.
    documentSlot.Game = -1;
    documentSlot.ModId = 0;
    m_host->ShowDocumentButtons(true);
    m_host->applyModMenus(child, QStringLiteral("Blank"));
    fileOpened(index);
    return child;
}

int Documents::OpenCommand()
{
    const QStringList paths = ShowOpenDialog();
    if (paths.isEmpty())
        return 0;
    // Only the document active afterwards, the last one opened, is recoloured.
    OpenFileList(paths.mid(0, paths.size() - 1));
    ProgressView *progress = m_host->showProgressWindow();
    if (!OpenDocument(paths.last(), progress)) {
        if (frmChild *active = m_host->activeDocument())
            FormatWholeFile(active->editor(), progress);
        else
            progress->complete();
    }
    if (const int index = activeIndex())
        slot(index).Dirty = false;
    return int(paths.size());
}

bool Documents::SaveDocument(int index, const QString &path)
{
    frmChild *child = slot(index).Window;
    if (!child)
        return false;
    int unencodable = 0;
    const QByteArray bytes = configFileBytes(child->editor()->Text(), &unencodable);
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
        error = writeFileSafely(path, bytes);
    }
    if (!error.isEmpty()) {
        platform::messageBox(QStringLiteral("Can't save file: ") + path + QStringLiteral("\n\n") +
                                 error,
                             platform::Buttons::Ok, platform::Icon::Exclamation);
        child->focusEditor();
        return false;
    }
    child->setCaption(QFileInfo(path).absoluteFilePath());
    slot(index).Dirty = false;
    slot(index).FileState = 1;
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
    if (slot(index).FileState == 1)
        return SaveDocument(index, slot(index).Window->Caption());
    return SaveDocumentAs(index);
}

void Documents::SaveAllDocuments()
{
    for (int index = 1; index <= slotCount(); ++index) {
        if (slot(index).FileState == -1 || !slot(index).Window)
            continue;
        SaveOrSaveAs(index);
    }
}

int Documents::activeIndex() const
{
    frmChild *active = m_host->activeDocument();
    return active ? active->Tag() : 0;
}

void Documents::windowUnloaded(frmChild *child)
{
    const int index = child->Tag();
    if (index >= 1 && index <= slotCount() && slot(index).Window == child) {
        DocumentSlot &documentSlot = slot(index);
        documentSlot.Dirty = false;
        documentSlot.FileState = -1;
        documentSlot.Window = nullptr;
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
