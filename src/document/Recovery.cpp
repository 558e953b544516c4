#include "document/Recovery.h"

#include "document/DocumentHost.h"
#include "document/Documents.h"
#include "document/frmChild.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

namespace document {

namespace {

constexpr QFileDevice::Permissions kOwnerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kOwnerOnlyFolder = kOwnerOnlyFile | QFileDevice::ExeOwner;
const QString kSessionPrefix = QStringLiteral("session-");
const QString kFileSuffix = QStringLiteral(".recovery");

bool makeOwnerOnlyFolder(const QString &folder)
{
    return QDir().mkpath(folder) && QFile::setPermissions(folder, kOwnerOnlyFolder);
}

/** Runs on the writer thread: the RTF is made there, so typing never waits for it. */
QString writeRecoveryFile(const QString &file, RecoveryRecord record,
                          const QList<platform::RichParagraph> &paragraphs)
{
    record.rtf = platform::writeRtf(paragraphs);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    out.setPermissions(kOwnerOnlyFile);
    const QByteArray bytes = encodeRecovery(record);
    if (out.write(bytes) != bytes.size()) {
        const QString error = out.errorString();
        out.cancelWriting();
        return error;
    }
    if (!out.commit())
        return out.errorString();
    QFile::setPermissions(file, kOwnerOnlyFile);
    return QString();
}

/** Deletes a left session's copies, keeping its folder while it holds set-aside damaged files. */
void removeLeftSession(const QString &folder, QLockFile *lock)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QLatin1Char('*') + kFileSuffix}, QDir::Files))
        QFile::remove(dir.filePath(name));
    if (!dir.entryList({QStringLiteral("*.damaged")}, QDir::Files).isEmpty())
        return;
    lock->unlock();
    QDir(folder).removeRecursively();
}

QString describe(const RecoveryRecord &record)
{
    const QString when = record.written.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (record.path.isEmpty())
        return QStringLiteral("%1  (never saved)  %2").arg(record.title, when);
    return QStringLiteral("%1  in %2  %3")
        .arg(QFileInfo(record.path).fileName(), QDir::toNativeSeparators(QFileInfo(record.path).path()), when);
}

} // namespace

Recovery::Recovery(Documents *documents, const QString &folder)
    : m_documents(documents), m_folder(folder), m_writer(new QObject)
{
    m_writer->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("RecoveryWriter"));
    m_thread.start(QThread::LowPriority);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Recovery::flush);
    startSession();
}

Recovery::~Recovery()
{
    stopWriter();
    delete m_writer;
}

void Recovery::stopWriter()
{
    // Queued behind every write and removal asked for so far.
    QMetaObject::invokeMethod(m_writer, [this] { m_thread.quit(); }, Qt::QueuedConnection);
    m_thread.wait();
}

QString Recovery::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

bool Recovery::startSession()
{
    const QString session = m_folder + QLatin1Char('/') + kSessionPrefix +
                            QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!makeOwnerOnlyFolder(m_folder) || !makeOwnerOnlyFolder(session))
        return false;
    m_lock = std::make_unique<QLockFile>(session + QStringLiteral("/lock"));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0))
        return false;
    m_sessionFolder = session;
    return true;
}

QString Recovery::fileOf(int index) const
{
    return m_sessionFolder + QStringLiteral("/document-%1").arg(index) + kFileSuffix;
}

void Recovery::writeFailed(const QString &reason)
{
    if (m_failureTold)
        return;
    m_failureTold = true;
    platform::messageBox(QStringLiteral("Tessel cannot keep recovery copies of unsaved documents in:\n\n") +
                             QDir::toNativeSeparators(m_folder) + QStringLiteral("\n\n") + reason +
                             QStringLiteral("\n\nEditing goes on; save your work often."),
                         platform::Buttons::Ok, platform::Icon::Exclamation);
}

void Recovery::documentChanged(int index)
{
    if (m_sessionFolder.isEmpty())
        return;
    m_pending.insert(index);
    if (!m_timer.isActive())
        m_waiting.start();
    const qint64 left = kLongestWaitMs - m_waiting.elapsed();
    m_timer.start(int(std::clamp<qint64>(left, 0, kQuietMs)));
}

void Recovery::documentSettled(int index)
{
    if (m_sessionFolder.isEmpty())
        return;
    m_pending.remove(index);
    const QString file = fileOf(index);
    QMetaObject::invokeMethod(m_writer, [file] { QFile::remove(file); }, Qt::QueuedConnection);
}

void Recovery::flush()
{
    m_timer.stop();
    const QSet<int> pending = std::exchange(m_pending, {});
    for (const int index : pending) {
        if (index < 1 || index > m_documents->slotCount())
            continue;
        const DocumentSlot &slot = m_documents->slot(index);
        if (!slot.Window || !slot.Dirty || slot.FileState == core::FileState::Free) {
            documentSettled(index);
            continue;
        }
        RecoveryRecord record;
        record.title = slot.Window->Caption();
        record.path = slot.FileState == core::FileState::OnDisk ? record.title : QString();
        record.game = slot.Game;
        record.modId = slot.ModId;
        record.modName = slot.ModName;
        record.lineEnds = slot.lineEnds;
        record.written = QDateTime::currentDateTimeUtc();
        const QList<platform::RichParagraph> paragraphs = slot.Window->editor()->AllRich();
        const QString file = fileOf(index);
        QMetaObject::invokeMethod(
            m_writer,
            [this, file, record, paragraphs] {
                const QString error = writeRecoveryFile(file, record, paragraphs);
                if (!error.isEmpty())
                    QMetaObject::invokeMethod(this, [this, error] { writeFailed(error); },
                                              Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }
}

void Recovery::endSession()
{
    flush();
    stopWriter();
    if (m_sessionFolder.isEmpty())
        return;
    for (int index = 1; index <= m_documents->slotCount(); ++index)
        if (m_documents->slot(index).Window && m_documents->slot(index).Dirty)
            return; // unsaved text remains: its copy stays for the next start
    m_lock->unlock();
    QDir(m_sessionFolder).removeRecursively();
    m_sessionFolder.clear();
}

QList<Recovery::LeftSession> Recovery::takeLeftSessions(QStringList *damaged)
{
    QList<LeftSession> sessions;
    const QDir root(m_folder);
    for (const QString &name : root.entryList({kSessionPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = root.filePath(name);
        if (folder == m_sessionFolder)
            continue;
        auto lock = std::make_shared<QLockFile>(folder + QStringLiteral("/lock"));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue; // another running instance's, or not ours to touch
        LeftSession session{folder, lock, {}};
        const QDir dir(folder);
        for (const QString &fileName : dir.entryList({QLatin1Char('*') + kFileSuffix}, QDir::Files)) {
            const QString file = dir.filePath(fileName);
            QFile in(file);
            QString reason;
            std::optional<RecoveryRecord> record;
            if (!in.open(QIODevice::ReadOnly))
                reason = in.errorString();
            else if (in.size() > kMaxRecoveryFileBytes)
                reason = QStringLiteral("The file is too large.");
            else
                record = decodeRecovery(in.readAll(), &reason);
            if (record) {
                session.documents.append({file, *record});
                continue;
            }
            damaged->append(QDir::toNativeSeparators(file) + QStringLiteral("\n    ") + reason);
            // Set aside, not deleted: it may still hold text worth reading by hand.
            QFile::rename(file, file + QStringLiteral(".damaged"));
        }
        sessions.append(session);
    }
    return sessions;
}

void Recovery::offerRecovery()
{
    if (m_sessionFolder.isEmpty()) {
        writeFailed(QStringLiteral("The folder cannot be created or written."));
        return;
    }
    QStringList damaged;
    const QList<LeftSession> sessions = takeLeftSessions(&damaged);
    if (!damaged.isEmpty())
        platform::messageBox(QStringLiteral("These recovery files are damaged and were skipped "
                                            "(each was kept with \".damaged\" added to its name):\n\n") +
                                 damaged.join(QLatin1Char('\n')),
                             platform::Buttons::Ok, platform::Icon::Exclamation);

    QStringList lines;
    for (const LeftSession &session : sessions)
        for (const Orphan &orphan : session.documents)
            lines << describe(orphan.record);
    platform::Answer answer = platform::Answer::No;
    if (!lines.isEmpty())
        answer = platform::messageBox(
            QStringLiteral("Tessel did not close normally. These documents had unsaved changes:\n\n") +
                lines.join(QLatin1Char('\n')) +
                QStringLiteral("\n\nRecover opens them with their changes; Discard deletes the copies."),
            platform::Buttons::RecoverDiscard, platform::Icon::Question,
            QStringLiteral("Recover Documents"));
    if (answer == platform::Answer::Cancel)
        return; // kept for the next start; the locks go with the sessions

    const bool recover = answer == platform::Answer::Yes || answer == platform::Answer::Ok;
    for (const LeftSession &session : sessions) {
        if (recover)
            for (const Orphan &orphan : session.documents)
                restore(orphan.record);
    }
    // The recovered text is queued for this session's folder before the old copies go,
    // on the same thread, so no moment is without a copy on disk.
    flush();
    for (const LeftSession &session : sessions)
        QMetaObject::invokeMethod(m_writer, [session] { removeLeftSession(session.folder, session.lock.get()); },
                                  Qt::QueuedConnection);
}

void Recovery::restore(const RecoveryRecord &record)
{
    frmChild *child = m_documents->NewDocument({QString(), record.game, record.modId});
    const int index = child->Tag();
    DocumentSlot &slot = m_documents->slot(index);
    child->setCaption(record.title);
    slot.FileState = record.path.isEmpty() ? core::FileState::Untitled : core::FileState::OnDisk;
    slot.ModId = record.modId;
    m_documents->host()->applyModMenus(child, record.modName.isEmpty() ? QStringLiteral("Blank")
                                                                       : record.modName);
    platform::RichEdit *editor = child->editor();
    const std::optional<QList<platform::RichParagraph>> paragraphs = platform::readRtf(record.rtf);
    editor->LoadPlainText(QString());
    if (paragraphs)
        editor->setSelRich(*paragraphs);
    editor->Select(0, 0);
    // The recovered text is where the history starts: Undo must not take it away again.
    editor->document()->clearUndoRedoStacks();
    editor->document()->setModified(true);
    slot.Dirty = true;
    slot.lineEnds = record.lineEnds;
    child->showLineEnds(record.lineEnds);
    m_documents->documentEdited(index);
    if (slot.FileState == core::FileState::OnDisk)
        m_documents->fileOpened(index);
}

} // namespace document
