#include "document/FileWatch.h"

#include "document/ConfigFile.h"
#include "document/Documents.h"
#include "document/Formatting.h"
#include "document/frmChild.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace document {

namespace {
// Programs write a file in several steps; one look after they pause is enough.
constexpr int kSettleMs = 300;
}

DiskState diskStateOf(const QString &path)
{
    DiskState state;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return state;
    state.exists = true;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    state.hash = hash.result();
    return state;
}

FileWatch::FileWatch(Documents *documents) : m_documents(documents)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileWatch::fileChanged);
    connect(&m_settle, &QTimer::timeout, this, &FileWatch::checkNow);
}

void FileWatch::track(int index, const QString &path)
{
    m_watched.insert(index, {path, diskStateOf(path), false});
    rewatch();
}

void FileWatch::forget(int index)
{
    m_watched.remove(index);
    rewatch();
}

// A file replaced by a rename (as careful programs save) drops out of the watch: put it back.
void FileWatch::rewatch()
{
    QSet<QString> wanted;
    for (const Watched &watched : std::as_const(m_watched))
        if (QFile::exists(watched.path))
            wanted.insert(watched.path);
    for (const QString &path : m_watcher.files())
        if (!wanted.contains(path))
            m_watcher.removePath(path);
    const QStringList current = m_watcher.files();
    for (const QString &path : std::as_const(wanted))
        if (!current.contains(path))
            m_watcher.addPath(path);
}

void FileWatch::fileChanged(const QString &path)
{
    m_changed.insert(path);
    m_settle.start();
}

void FileWatch::checkNow()
{
    if (m_checking) { // a question is open; look again once it is answered
        m_settle.start();
        return;
    }
    m_checking = true;
    const QSet<QString> changed = std::exchange(m_changed, {});
    for (const int index : m_watched.keys())
        if (m_watched.contains(index) && changed.contains(m_watched.value(index).path))
            check(index);
    rewatch();
    m_checking = false;
}

void FileWatch::check(int index)
{
    Watched &watched = m_watched[index];
    const DiskState now = diskStateOf(watched.path);
    if (now == watched.state)
        return; // our own save, or a touch that left the content alone
    frmChild *child = m_documents->slot(index).Window;
    if (!child)
        return;
    const QString path = QDir::toNativeSeparators(watched.path);
    if (!now.exists) {
        watched.state = now;
        child->editor()->document()->setModified(true);
        m_documents->slot(index).Dirty = true;
        m_documents->documentEdited(index);
        platform::messageBox(path + QStringLiteral("\n\nhas been deleted or moved by another program. "
                                                   "Its text stays open here; save it to keep it."),
                             platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    if (m_documents->slot(index).Dirty) {
        const platform::Answer answer = platform::messageBox(
            path + QStringLiteral("\n\nhas been changed by another program, and this document has "
                                  "unsaved changes.\n\nReload the file and lose your changes, or keep yours?"),
            platform::Buttons::ReloadKeep, platform::Icon::Question);
        if (answer != platform::Answer::Yes) {
            // Kept: the user has seen the file's new content and chose this text over it.
            m_watched[index].state = now;
            return;
        }
    }
    reload(index);
}

void FileWatch::reload(int index)
{
    Watched &watched = m_watched[index];
    frmChild *child = m_documents->slot(index).Window;
    const ReadResult file = readConfigFile(watched.path);
    if (!file.ok) {
        platform::messageBox(QStringLiteral("Can't reload file: ") + QDir::toNativeSeparators(watched.path) +
                                 QStringLiteral("\n\n") + file.reason,
                             platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    platform::RichEdit *editor = child->editor();
    const int line = editor->GetLineFromChar(editor->SelStart());
    editor->LoadPlainText(file.text, [editor] { FormatWholeFile(editor, nullptr); });
    const int lineCount = int(editor->Lines().size());
    int position = 0;
    for (int i = 0, target = std::min(line, lineCount - 1); i < target; ++i)
        position = editor->lineEndOf(position) + 2;
    editor->Select(position, 0);
    editor->ensureCursorVisible();
    watched.state = diskStateOf(watched.path);
    m_documents->slot(index).Dirty = false;
    m_documents->slot(index).lineEnds = file.lineEnds;
    child->showLineEnds(file.lineEnds);
    m_documents->documentSettled(index);
}

bool FileWatch::maySaveOver(int index, const QString &path)
{
    const auto it = m_watched.constFind(index);
    if (it == m_watched.cend() || it->path != path)
        return true;
    const DiskState now = diskStateOf(path);
    if (!now.exists || now == it->state)
        return true;
    return platform::messageBox(QDir::toNativeSeparators(path) +
                                    QStringLiteral("\n\nhas been changed by another program since it was "
                                                   "opened or saved here.\n\nSave over it and lose those changes?"),
                                platform::Buttons::YesNo, platform::Icon::Exclamation) ==
           platform::Answer::Yes;
}

} // namespace document
