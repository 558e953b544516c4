#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QHash>
#include <QSet>
#include <QTimer>

namespace document {

class Documents;

/** What a file on disk looked like when a document last read or wrote it. */
struct DiskState {
    bool exists = false;
    QByteArray hash; // of the whole content

    friend bool operator==(const DiskState &, const DiskState &) = default;
};

/** The file's state now. */
DiskState diskStateOf(const QString &path);

/**
 * Watches the file of each open document. A change by another program reloads a
 * document without unsaved changes (keeping the caret's line) and asks about one
 * with them; a deleted file is reported and its document marked changed. Saving
 * over a file changed since it was read asks first.
 */
class FileWatch : public QObject {
    Q_OBJECT
public:
    explicit FileWatch(Documents *documents);

    /** Document @p index now holds the content of @p path as it is on disk. */
    void track(int index, const QString &path);
    /** Document @p index closed. */
    void forget(int index);
    /** Before writing document @p index to @p path: false when the user keeps the file. */
    bool maySaveOver(int index, const QString &path);

    /** Handles the changes noticed so far at once (tests; normally after a short pause). */
    void checkNow();

private:
    struct Watched {
        QString path;
        DiskState state;
        bool toldMissing = false;
    };
    void fileChanged(const QString &path);
    void check(int index);
    void reload(int index);
    void rewatch();

    Documents *m_documents;
    QFileSystemWatcher m_watcher;
    QHash<int, Watched> m_watched;
    QSet<QString> m_changed;
    QTimer m_settle;
    bool m_checking = false;
};

} // namespace document
