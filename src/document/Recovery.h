#pragma once

#include "document/RecoveryFile.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <memory>

class QLockFile;

namespace document {

class Documents;

/**
 * Keeps the unsaved text of every document in a recovery file, written on a worker
 * thread a few seconds after the last change, so a crash or a kill loses at most that.
 *
 * Each running instance writes below its own session folder, locked for its lifetime;
 * a session folder whose lock can be taken belongs to a run that did not end cleanly,
 * and its documents are offered at start-up.
 */
class Recovery : public QObject {
    Q_OBJECT
public:
    /** Quiet time after a change before it is written, and the longest a change waits. */
    static constexpr int kQuietMs = 2000;
    static constexpr int kLongestWaitMs = 10000;

    Recovery(Documents *documents, const QString &folder);
    ~Recovery() override;

    /** The recovery folder below the user's application data folder. */
    static QString defaultFolder();

    /** The folder of this instance's recovery files; empty when it could not be made. */
    QString sessionFolder() const { return m_sessionFolder; }

    /** The text of document @p index changed. */
    void documentChanged(int index);
    /** Document @p index was saved or closed: its recovery file goes. */
    void documentSettled(int index);
    /** Writes every waiting change now. */
    void flush();

    /**
     * Offers the documents left by runs that did not end cleanly: Recover opens them,
     * Discard deletes them, closing the question keeps them for the next start.
     * Damaged recovery files are reported, set aside, and skipped.
     */
    void offerRecovery();

    /** The program ends cleanly: the session folder goes. */
    void endSession();

private:
    struct Orphan {
        QString file;
        RecoveryRecord record;
    };
    struct LeftSession {
        QString folder;
        std::shared_ptr<QLockFile> lock;
        QList<Orphan> documents;
    };
    bool startSession();
    void stopWriter();
    QList<LeftSession> takeLeftSessions(QStringList *damaged);
    void restore(const RecoveryRecord &record);
    QString fileOf(int index) const;
    void writeFailed(const QString &reason);

    Documents *m_documents;
    QString m_folder;
    QString m_sessionFolder;
    std::unique_ptr<QLockFile> m_lock;
    QThread m_thread;
    QObject *m_writer;
    QTimer m_timer;
    QElapsedTimer m_waiting;
    QSet<int> m_pending;
    bool m_failureTold = false;
};

} // namespace document
