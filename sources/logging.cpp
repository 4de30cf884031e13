#include "logging.h"

#include "globals.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <cstdlib>

#include <fcntl.h>

QFile g_logFile;

namespace {
// One lock for the log file object: the three threads share it, and a QFile is not safe to use from
// two threads at once. Opening and closing take it too, so a worker that logs while the program shuts
// down never writes into a half-closed file.
QMutex g_logMutex;

// The function's own name: what follows the last "::" of the signature, so "void MainWindow::initialize()"
// reads "initialize()". A "::" inside the argument list or a template argument ("QEvent::Type",
// "std::function<...>") is not the one that qualifies the name, and a line logged from inside a lambda names
// the function that holds the lambda, not the compiler's name for the lambda.
QString functionName(const char* function)
{
    QString text = function ? QString::fromUtf8(function) : QString();
    for (const char* lambda : {"::<lambda", "::(lambda", "::(anonymous class)"}) {
        const int at = text.indexOf(QLatin1String(lambda));
        if (at >= 0)
            text.truncate(at);
    }
    int separator = -1;
    int depth = 0;
    for (int i = 0; i + 1 < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('(') || c == QLatin1Char('<') || c == QLatin1Char('['))
            ++depth;
        else if ((c == QLatin1Char(')') || c == QLatin1Char('>') || c == QLatin1Char(']')) && depth > 0)
            --depth;
        else if (depth == 0 && c == QLatin1Char(':') && text.at(i + 1) == QLatin1Char(':'))
            separator = i;
    }
    return separator < 0 ? text : text.mid(separator + 2);
}

QString lineTemplate(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("Debug: %1\t[%2: %3, %4]\n");
    case QtWarningMsg:
        return QStringLiteral("Warning: %1\t[%2: %3, %4]\n");
    case QtCriticalMsg:
        return QStringLiteral("Critical: %1\t[%2: %3, %4]\n");
    case QtFatalMsg:
        return QStringLiteral("Fatal: %1\t[%2: %3, %4]\n");
    default:
        return QString();
    }
}
} // namespace

QString formatLogLine(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // Qt repeats this one for every shader on some drivers; it would drown everything else.
    if (message.contains(QLatin1String("QOpenGLShader::link:")))
        return QString();
    const QString pattern = lineTemplate(type);
    if (pattern.isEmpty())
        return QString();
    const QString file = QFileInfo(context.file ? QString::fromUtf8(context.file) : QString()).fileName();
    // Filled in one pass: a message that itself holds "%1" or a percent-encoded URL ("%2F") stays as it was.
    return pattern.arg(message, file, QString::number(context.line), functionName(context.function));
}

void tessitraMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("QOpenGLShader::link:")))
        return;

    QMutexLocker lock(&g_logMutex);
    if (!g_logFile.isOpen())
        return;
    const QString line = formatLogLine(type, context, message);
    if (line.isEmpty())
        return;
    // The whole line goes out in one unbuffered write, up to its first NUL byte.
    const QByteArray bytes = line.toLocal8Bit();
    g_logFile.write(bytes.constData());
    if (type == QtFatalMsg)
        std::abort();
    g_logFile.flush();
}

bool openLogFile(const QString& folder)
{
    makeDataFolder(folder);

    QMutexLocker lock(&g_logMutex);
    if (g_logFile.isOpen())
        g_logFile.close();
    g_logFile.setFileName(folder + QStringLiteral("/ui.log"));
    // Each run starts a fresh log, in a file it creates itself: a link or a pipe left under the name is removed,
    // never written through.
    QFile::remove(g_logFile.fileName());
    const int iFd = ::open(QFile::encodeName(g_logFile.fileName()).constData(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    return iFd >= 0 && g_logFile.open(iFd, QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered,
                                      QFileDevice::AutoCloseHandle);
}

void closeLogFile()
{
    QMutexLocker lock(&g_logMutex);
    g_logFile.close();
}
