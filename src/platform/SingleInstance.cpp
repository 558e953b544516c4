#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

#if defined(Q_OS_UNIX)
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

const char kAnswer = 'K';
// How often a server that has stopped (out of file descriptors) tries to listen again.
constexpr int kWatchdogMs = 2000;

QByteArray encode(const QStringList &fileNames)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_0);
    stream << fileNames;
    return payload;
}

QString socketPathFor(const QString &name)
{
    if (QDir::isAbsolutePath(name))
        return name;
    // Qt makes sure the folder is the user's own and closed to everybody else (and says so
    // on every call when it has to make one up).
    static const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QString() : runtime + QLatin1Char('/') + name;
}

/** Whether the process at the other end of a connected local socket runs as this user. */
bool peerIsSameUser(qintptr descriptor)
{
#if defined(Q_OS_LINUX)
    struct ucred credentials {};
    socklen_t length = sizeof credentials;
    if (getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return false;
    return credentials.uid == geteuid();
#elif defined(Q_OS_UNIX)
    uid_t user = 0;
    gid_t group = 0;
    return getpeereid(int(descriptor), &user, &group) == 0 && user == geteuid();
#else
    Q_UNUSED(descriptor);
    return true;
#endif
}

quint32 readCount(const QByteArray &bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

} // namespace

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent),
      m_socketPath(socketPathFor(serverName.isEmpty() ? defaultServerName() : serverName))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName()
{
    const QByteArray home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation).toUtf8();
    const QByteArray user = qEnvironmentVariable("USER").toUtf8();
    return QStringLiteral("tessel-") +
           QString::fromLatin1(
               QCryptographicHash::hash(user + '\n' + home, QCryptographicHash::Sha1).toHex().left(16));
}

std::optional<QStringList> SingleInstance::decodeFileNames(const QByteArray &payload)
{
    // Every count is checked against the bytes that are left before anything is reserved.
    if (payload.size() < 4)
        return std::nullopt;
    const quint32 count = readCount(payload, 0);
    qsizetype at = 4;
    if (count > quint32((payload.size() - at) / 4))
        return std::nullopt;
    QStringList names;
    names.reserve(qsizetype(count));
    for (quint32 i = 0; i < count; ++i) {
        if (payload.size() - at < 4)
            return std::nullopt;
        const quint32 bytes = readCount(payload, at);
        at += 4;
        if (bytes == 0xFFFFFFFF) { // a null string
            names.append(QString());
            continue;
        }
        if (bytes % 2 != 0 || bytes > quint32(payload.size() - at))
            return std::nullopt;
        QString name(qsizetype(bytes / 2), Qt::Uninitialized);
        qFromBigEndian<char16_t>(payload.constData() + at, bytes / 2, name.data());
        at += bytes;
        names.append(name);
    }
    if (at != payload.size())
        return std::nullopt;
    return names;
}

SingleInstance::HandOver SingleInstance::handOver(const QStringList &fileNames,
                                                  int timeoutMs) const
{
    if (m_socketPath.isEmpty())
        return HandOver::NoInstance;
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return HandOver::NoInstance;
    // File names are private: they go to nobody but this user's own instance.
    if (!peerIsSameUser(socket.socketDescriptor()))
        return HandOver::NoInstance;
    // Only too long for a running instance: without one, this start opens the files itself.
    const QByteArray payload = encode(fileNames);
    if (quint32(payload.size()) > kMaxMessageBytes)
        return HandOver::TooLong;

    QByteArray message(4, '\0');
    qToBigEndian<quint32>(quint32(payload.size()), message.data());
    message += payload;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return HandOver::NoInstance;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return HandOver::NoInstance;
    }
    return socket.read(1) == QByteArray(1, kAnswer) ? HandOver::Delivered : HandOver::NoInstance;
}

bool SingleInstance::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    }
    m_error.clear();
    if (m_server->isListening())
        return true;
    if (m_socketPath.isEmpty()) {
        m_error = QStringLiteral("there is no private runtime folder for the socket");
        return false;
    }
    QLocalSocket probe;
    probe.connectToServer(m_socketPath);
    if (probe.waitForConnected(500)) {
        if (peerIsSameUser(probe.socketDescriptor()))
            return false;
        m_error = QStringLiteral("%1 belongs to another user").arg(m_socketPath);
        return false;
    }
    bool listening = m_server->listen(m_socketPath);
    if (!listening && m_server->serverError() == QAbstractSocket::AddressInUseError) {
        // Nobody answers, so the socket was left behind by an instance that crashed.
        QLocalServer::removeServer(m_socketPath);
        listening = m_server->listen(m_socketPath);
    }
    if (!listening) {
        m_error = QStringLiteral("%1: %2").arg(m_socketPath, m_server->errorString());
        return false;
    }
    if (!m_watchdog) {
        m_watchdog = new QTimer(this);
        m_watchdog->setInterval(kWatchdogMs);
        connect(m_watchdog, &QTimer::timeout, this, &SingleInstance::keepListening);
    }
    m_watchdog->start();
    return true;
}

bool SingleInstance::isListening() const { return m_server && m_server->isListening(); }

void SingleInstance::keepListening()
{
    // Qt's server closes for good when accepting fails; later starts must still find us.
    if (!m_server->isListening() && !listen() && m_error.isEmpty())
        m_watchdog->stop();
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (m_connections >= kMaxConnections || !peerIsSameUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_connections;
        connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A connection that keeps its message back would hold a descriptor for ever.
        QTimer::singleShot(m_connectionTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
    }
}

void SingleInstance::readMessage(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < 4)
        return;
    quint32 size = 0;
    socket->peek(reinterpret_cast<char *>(&size), 4);
    size = qFromBigEndian(size);
    if (size > kMaxMessageBytes) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < qint64(4 + size))
        return;
    socket->read(4);
    const std::optional<QStringList> fileNames = decodeFileNames(socket->read(size));
    if (!fileNames) {
        socket->abort();
        return;
    }
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    socket->write(&kAnswer, 1);
    socket->disconnectFromServer();
    // Open after answering: the sender need not wait for error boxes to be closed.
    QMetaObject::invokeMethod(
        this, [this, names = *fileNames] { Q_EMIT filesHandedOver(names); }, Qt::QueuedConnection);
}

} // namespace platform
