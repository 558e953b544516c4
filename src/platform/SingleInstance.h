#pragma once

#include <QObject>
#include <QStringList>
#include <optional>

class QLocalServer;
class QLocalSocket;
class QTimer;

namespace platform {

/**
 * Hands a command line over to a running instance, and receives such hand-overs.
 *
 * The running instance listens on a local socket in the user's private runtime folder and
 * talks only to processes of the same user. A message is a 32-bit big-endian byte count
 * followed by the file names (QDataStream of a QStringList); the receiver answers one byte
 * once it has taken the message.
 */
class SingleInstance : public QObject {
    Q_OBJECT
public:
    /** The largest hand-over accepted, in bytes. */
    static constexpr quint32 kMaxMessageBytes = 64 * 1024;
    /** Connections served at the same time; more are closed at once. */
    static constexpr int kMaxConnections = 16;

    /**
     * @p serverName is a name inside the user's runtime folder, or an absolute socket path;
     * empty for the per-user default.
     */
    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    /** The per-user server name used when none is given. */
    static QString defaultServerName();
    /** Where the socket lives; empty when the user has no private runtime folder. */
    QString socketPath() const { return m_socketPath; }

    enum class HandOver { Delivered, NoInstance, TooLong };
    /**
     * Sends @p fileNames to a running instance of the same user and waits for its answer. A
     * message longer than kMaxMessageBytes is not sent at all (TooLong), and only when an
     * instance runs.
     */
    HandOver handOver(const QStringList &fileNames, int timeoutMs = 3000) const;

    /**
     * Starts listening; a stale socket left by a crashed instance is replaced. False when
     * another instance of this user listens already, or on failure, which errorString() then
     * explains. Once listening, it listens again by itself should the server stop (as Qt's
     * does when the process runs out of file descriptors).
     */
    bool listen();
    bool isListening() const;
    QString errorString() const { return m_error; }

    /** How long a connection may take to deliver its message before it is closed. */
    void setConnectionTimeout(int milliseconds) { m_connectionTimeoutMs = milliseconds; }

    /** The file names of a message body, or nothing when it is not exactly one list of names. */
    static std::optional<QStringList> decodeFileNames(const QByteArray &payload);

Q_SIGNALS:
    /** A second instance handed over these file names. */
    void filesHandedOver(const QStringList &fileNames);

private:
    void acceptConnection();
    void readMessage(QLocalSocket *socket);
    void keepListening();

    QString m_socketPath;
    QString m_error;
    QLocalServer *m_server = nullptr;
    QTimer *m_watchdog = nullptr;
    int m_connections = 0;
    int m_connectionTimeoutMs = 5000;
};

} // namespace platform
