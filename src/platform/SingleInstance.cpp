#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QtEndian>

namespace platform {

namespace {

const char kAnswer = 'K';

QByteArray encode(const QStringList &fileNames)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_0);
    stream << fileNames;
    return payload;
}

} // namespace

std::optional<QStringList> SingleInstance::decodeFileNames(const QByteArray &payload)
{
    // The layout of a QDataStream'd QStringList, read by hand: QDataStream reserves memory
    // for whatever count or length the message claims, so a 64 KB message could make it
    // allocate gigabytes. Every claim is checked against the bytes really left.
    QDataStream stream(payload);
    stream.setVersion(QDataStream::Qt_6_0);
    quint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok || count > quint32(payload.size() / 4))
        return std::nullopt; // each name takes at least its 4-byte length
    QStringList fileNames;
    fileNames.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        const qint64 at = stream.device()->pos();
        quint32 bytes = 0;
        stream >> bytes;
        constexpr quint32 kNullString = 0xFFFFFFFF;
        if (stream.status() != QDataStream::Ok ||
            (bytes != kNullString && qint64(bytes) > payload.size() - at - 4))
            return std::nullopt;
        stream.device()->seek(at);
        QString name;
        stream >> name;
        if (stream.status() != QDataStream::Ok)
            return std::nullopt;
        fileNames << name;
    }
    return fileNames;
}

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent), m_serverName(serverName.isEmpty() ? defaultServerName() : serverName)
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

SingleInstance::HandOver SingleInstance::handOver(const QStringList &fileNames,
                                                  int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
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
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    }
    if (m_server->isListening())
        return true;
    // Ask first: with access options set, QLocalServer::listen() binds elsewhere and renames
    // its socket over the name, which would silently take it from a running instance.
    QLocalSocket probe;
    probe.connectToServer(m_serverName);
    if (probe.waitForConnected(500))
        return false;
    if (m_server->listen(m_serverName))
        return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // Nobody answers, so the socket was left behind by an instance that crashed.
    QLocalServer::removeServer(m_serverName);
    return m_server->listen(m_serverName);
}

bool SingleInstance::isListening() const { return m_server && m_server->isListening(); }

void SingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
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
            const QByteArray payload = socket->read(size);
            const std::optional<QStringList> decoded = decodeFileNames(payload);
            if (!decoded) {
                socket->abort();
                return;
            }
            const QStringList fileNames = *decoded;
            socket->write(&kAnswer, 1);
            socket->flush();
            // Open after answering: the sender need not wait for error boxes to be closed.
            QMetaObject::invokeMethod(
                this, [this, fileNames] { Q_EMIT filesHandedOver(fileNames); },
                Qt::QueuedConnection);
        });
    }
}

} // namespace platform
