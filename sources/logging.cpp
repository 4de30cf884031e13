#include "logging.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <cstdlib>

QFile g_logFile;

namespace {
// One lock for the log file object: the three threads share it, and a QFile is not safe to use from
// two threads at once. Opening and closing take it too, so a worker that logs while the program shuts
// down never writes into a half-closed file.
QMutex g_logMutex;

QString functionName(const char* function)
{
    const QString text = function ? QString::fromUtf8(function) : QString();
    const int separator = text.lastIndexOf(QLatin1String("::"));
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
    // Filled one argument after the other, text first.
    return pattern.arg(message).arg(file).arg(context.line).arg(functionName(context.function));
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
    if (!QDir(folder).exists())
        QDir().mkpath(folder);

    QMutexLocker lock(&g_logMutex);
    if (g_logFile.isOpen())
        g_logFile.close();
    g_logFile.setFileName(folder + QStringLiteral("/ui.log"));
    // Each run starts a fresh log.
    if (g_logFile.exists())
        g_logFile.remove();
    return g_logFile.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered);
}

void closeLogFile()
{
    QMutexLocker lock(&g_logMutex);
    g_logFile.close();
}
