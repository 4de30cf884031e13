#include "singleapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

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

// The lock and the socket live where no other user can reach: the session's runtime folder (mode 0700, owned
// by this user; Qt refuses one that is not). In the shared temporary folder anybody could plant a lock under
// our name and so keep the program from starting. Without a usable runtime folder, a folder in the user's
// own cache serves.
QString privateFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                          QStringLiteral("/tessitra-stage-librarian");
    QDir().mkpath(cache);
    QFile::setPermissions(cache, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return cache;
}
} // namespace

QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool GUIenabled) : QApplication(argc, argv)
{
    Q_UNUSED(GUIenabled)
    const QByteArray identity = (applicationFilePath() + QLatin1Char('\n') + userName()).toUtf8();
    m_strId = QStringLiteral("tessitra-") +
              QString::fromLatin1(QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex().left(16));
    const QString base = privateFolder() + QLatin1Char('/') + m_strId;
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
