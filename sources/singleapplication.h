#pragma once

#include <QApplication>
#include <QLockFile>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

// The application object, refusing to run twice for the same user and the same program.
//
// How another instance is recognised: the key is derived from the program's file path and the user's name
// (a hash of both), so two users on one machine, or two installed copies of the program, each run once.
// The first instance holds a lock file "<key>.lock" in the user's private runtime folder
// (QStandardPaths::RuntimeLocation, mode 0700) for as long as it lives and listens on a local socket
// "<key>.socket" beside it; later instances find the lock taken, and may send the first one a text through
// the socket. No other user can plant a lock there. A lock left behind by a crashed instance does not block
// a new start: QLockFile recognises it as stale because its process is gone. A live instance's lock never
// goes stale with age. Tests point XDG_RUNTIME_DIR at a folder of their own to keep their instances apart.
//
// Qt 5 always builds a GUI application object; GUIenabled is accepted and ignored.
class QtSingleApplication : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY(QtSingleApplication)

public:
    QtSingleApplication(int& argc, char** argv, bool GUIenabled = true);
    ~QtSingleApplication() override;

    // True when another instance of this program holds the lock for this user.
    bool isRunning() const;
    // Sends message to the running instance and waits up to timeout ms for it to be taken. Returns false
    // when no other instance runs, when it cannot be reached, or when it does not answer in time.
    bool sendMessage(const QString& message, int timeout = 5000);

    QString id() const;

signals:
    // In the running instance: a later instance sent this text.
    void messageReceived(const QString& message);

private:
    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);

    QString m_strId;
    QString m_strSocketName;
    std::unique_ptr<QLockFile> m_pLockFile;
    bool m_bRunning = false;
    QLocalServer* m_pServer = nullptr;
};
