#include "singleapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
// A message goes out as a 32-bit length followed by that many bytes of UTF-8; the receiver answers one
// byte once it has taken the message.
const char kAck = '\x06';

QString userName()
{
    for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QDir::homePath();
}
} // namespace

QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool GUIenabled) : QApplication(argc, argv)
{
    Q_UNUSED(GUIenabled)
    const QByteArray identity = (applicationFilePath() + QLatin1Char('\n') + userName()).toUtf8();
    m_strId = QStringLiteral("tessitra-") +
              QString::fromLatin1(QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex().left(16));
    const QString base = QDir::tempPath() + QLatin1Char('/') + m_strId;
    m_strSocketName = base + QStringLiteral(".socket");

    m_pLockFile.reset(new QLockFile(base + QStringLiteral(".lock")));
    // Only a lock whose process is gone is stale; a first instance running for days keeps its lock.
    m_pLockFile->setStaleLockTime(0);
    m_bRunning = !m_pLockFile->tryLock(0);
    if (m_bRunning)
        return;

    // We are the first instance: a socket file left by a crashed one is ours to replace.
    QLocalServer::removeServer(m_strSocketName);
    m_pServer = new QLocalServer(this);
    m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (m_pServer->listen(m_strSocketName))
        connect(m_pServer, &QLocalServer::newConnection, this, &QtSingleApplication::onNewConnection);
}

QtSingleApplication::~QtSingleApplication()
{
    if (m_pServer)
        m_pServer->close();
}

bool QtSingleApplication::isRunning() const
{
    return m_bRunning;
}

QString QtSingleApplication::id() const
{
    return m_strId;
}

bool QtSingleApplication::sendMessage(const QString& message, int timeout)
{
    if (!m_bRunning)
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_strSocketName);
    if (!socket.waitForConnected(timeout))
        return false;
    const QByteArray payload = message.toUtf8();
    QByteArray packet;
    QDataStream stream(&packet, QIODevice::WriteOnly);
    stream << static_cast<quint32>(payload.size());
    packet.append(payload);
    socket.write(packet);
    if (!socket.waitForBytesWritten(timeout))
        return false;
    // The running instance answers from its event loop, which may still be busy starting up.
    if (!socket.waitForReadyRead(timeout))
        return false;
    return socket.read(1) == QByteArray(1, kAck);
}

void QtSingleApplication::onNewConnection()
{
    while (QLocalSocket* socket = m_pServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        onReadyRead(socket);
    }
}

void QtSingleApplication::onReadyRead(QLocalSocket* socket)
{
    // A message may arrive in pieces: wait for the whole of it. A sender that claims more than a sane
    // message holds is cut off.
    const int header = static_cast<int>(sizeof(quint32));
    if (socket->bytesAvailable() < header)
        return;
    quint32 length = 0;
    {
        QDataStream stream(socket->peek(header));
        stream >> length;
    }
    if (length > 1024 * 1024) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < header + static_cast<qint64>(length))
        return;
    socket->read(header);
    const QString message = QString::fromUtf8(socket->read(static_cast<qint64>(length)));
    socket->write(&kAck, 1);
    socket->flush();
    socket->disconnectFromServer();
    emit messageReceived(message);
}
