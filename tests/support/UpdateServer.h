#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

// The stand-in update server (updateserver.py) on 127.0.0.1, serving a temporary folder the test fills with
// an update-targets file and images. Started by start(), stopped by the destructor.
class UpdateServer
{
public:
    // Extra options of the script: "--auth", "user:pass", "--fail", "--stall", "--empty", "--malformed".
    explicit UpdateServer(const QStringList& options = {});
    ~UpdateServer();
    Q_DISABLE_COPY(UpdateServer)

    // Starts python3 and waits (bounded) for the port it picked. False when the server did not come up.
    bool start();

    // Writes a file below the served folder ("images/dsp.ldr"); served as "/images/dsp.ldr".
    bool addFile(const QString& relativePath, const QByteArray& bytes);
    // Writes the update-targets file where the program looks for it.
    bool setUpdateTargets(const QByteArray& xml) { return addFile(UpdateTargetsPath, xml); }

    int port() const { return m_iPort; }
    // "http://127.0.0.1:<port>/<relativePath>"; with a mode ("fail", "stall", "empty", "malformed") the path
    // gets that behaviour, whatever options the server was started with.
    QUrl url(const QString& relativePath, const QString& mode = QString()) const;
    QString root() const { return m_dir.path(); }

    // "GET /path" for every request the server has received since the last call, in order.
    QStringList requests();

    static constexpr const char* UpdateTargetsPath = "updater/common/config/UpdateTargets.xml";

private:
    QStringList m_options;
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_iPort = 0;
    QByteArray m_pending;
};
