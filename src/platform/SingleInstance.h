#pragma once

#include <QObject>
#include <QStringList>
#include <optional>

class QLocalServer;

namespace platform {

/**
 * Hands a command line over to a running instance, and receives such hand-overs.
 *
 * The running instance listens on a per-user local socket. A message is a 32-bit
 * big-endian byte count followed by the file names (QDataStream of a QStringList);
 * the receiver answers one byte once it has taken the message.
 */
class SingleInstance : public QObject {
    Q_OBJECT
public:
    /** The largest hand-over accepted, in bytes. */
    static constexpr quint32 kMaxMessageBytes = 64 * 1024;

    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    /** The file names of a hand-over message's payload; nothing when it is malformed. */
    static std::optional<QStringList> decodeFileNames(const QByteArray &payload);

    /** The per-user server name used when none is given. */
    static QString defaultServerName();

    enum class HandOver { Delivered, NoInstance, TooLong };
    /**
     * Sends @p fileNames to a running instance and waits for its answer. A message longer
     * than kMaxMessageBytes is not sent at all (TooLong), and only when an instance runs.
     */
    HandOver handOver(const QStringList &fileNames, int timeoutMs = 3000) const;

    /** Starts listening; a stale socket left by a crashed instance is replaced. */
    bool listen();
    bool isListening() const;

Q_SIGNALS:
    /** A second instance handed over these file names. */
    void filesHandedOver(const QStringList &fileNames);

private:
    void acceptConnection();

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};

} // namespace platform
