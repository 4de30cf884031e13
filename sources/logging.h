#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>

// The program's log, ui.log in the log folder. Every message of the program and of Qt reaches it
// through tessitraMessageHandler, from the GUI thread and both worker threads alike.
extern QFile g_logFile;

// The message handler installed at start-up. One line per message:
//   "Debug: <text>\t[<file name>: <line>, <function name after the last ::>]\n"
// with "Warning: ", "Critical: " and "Fatal: " twins. Messages holding "QOpenGLShader::link:" are
// dropped, as is everything while the log is closed. A fatal message is written, then the process aborts.
// Calls from different threads are serialised, so a line is always written whole.
void tessitraMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

// Builds the line the handler writes for a message, or an empty string when nothing would be written
// (an OpenGL shader link message, or a type without a template).
QString formatLogLine(QtMsgType type, const QMessageLogContext& context, const QString& message);

// Creates folder when it is missing, deletes an older folder/ui.log and opens a fresh one (write-only,
// text, unbuffered). Returns false when the log could not be opened; the program then runs without a log.
bool openLogFile(const QString& folder);

// Closes the log; messages logged afterwards are dropped.
void closeLogFile();
