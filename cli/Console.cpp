#include "Console.h"

#include "UnitSession.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <unistd.h>

namespace Console {
void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QString say(const char* source)
{
    return QCoreApplication::translate("tessitra", source);
}

QString plain(QString text)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    return text.remove(tags);
}

namespace {
bool g_bJsonErrors = false;
QString g_command;
// With --json the messages of one failure (the error, then what helps) become one object at the end.
QStringList g_errors;
} // namespace

void setErrorStyle(bool bJson, const QString& command)
{
    g_bJsonErrors = bJson;
    g_command = command;
}

int fail(int code, const QString& message)
{
    if (g_bJsonErrors)
        g_errors.append(plain(message));
    else
        print(stderr, QStringLiteral("tessitra: ") + plain(message) + QLatin1Char('\n'));
    return code;
}

int usage(const QString& message)
{
    fail(Exit::Usage, message);
    // The one line that helps; the whole usage would bury the error.
    if (!g_bJsonErrors)
        print(stderr, (findCommand(g_command)
                           ? QCoreApplication::translate("tessitra", "See 'tessitra %1 --help'.").arg(g_command)
                           : QCoreApplication::translate("tessitra", "See 'tessitra --help'.")) +
                          QLatin1Char('\n'));
    return Exit::Usage;
}

int finish(int code)
{
    if (!g_bJsonErrors || code == Exit::Ok)
        return code;
    const QString error = g_errors.isEmpty() ? QCoreApplication::translate("tessitra", "Operation failed.")
                                             : g_errors.join(QLatin1Char('\n'));
    print(stdout,
          QString::fromUtf8(
              QJsonDocument(QJsonObject{{QStringLiteral("error"), error}, {QStringLiteral("exit"), code}}).toJson()));
    return code;
}

const HelpText::Command* findCommand(const QString& name)
{
    for (const HelpText::Command& command : HelpText::Commands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

void printHelp(const HelpText::Command* pCommand)
{
    const auto translated = [](const char* text) { return QCoreApplication::translate("tessitra", text); };
    if (pCommand) {
        print(stdout, translated(HelpText::CommandUsage).arg(QLatin1String(pCommand->synopsis)) + QLatin1Char('\n') +
                          translated(pCommand->text) + QLatin1Char('\n'));
        return;
    }
    int width = 0;
    for (const HelpText::Command& command : HelpText::Commands)
        width = qMax(width, static_cast<int>(qstrlen(command.synopsis)));
    QString text = translated(HelpText::Usage) + translated(HelpText::Overview);
    for (const HelpText::Command& command : HelpText::Commands)
        text +=
            QStringLiteral("  %1  %2\n").arg(QLatin1String(command.synopsis), -width).arg(translated(command.summary));
    print(stdout, text + translated(HelpText::ExitCodes));
}

namespace {
// One line from the terminal, read byte by byte: Ctrl-C interrupts the read (EINTR) and ends the answer, where a
// buffered stream would try again for ever. At most 80 characters are kept; the rest of a long line is read away.
QString readAnswer()
{
    QByteArray line;
    char c = 0;
    while (read(STDIN_FILENO, &c, 1) == 1 && c != '\n') {
        if (line.size() < 80)
            line.append(c);
    }
    return QString::fromLocal8Bit(line);
}
} // namespace

bool interactive()
{
    return isatty(STDIN_FILENO) && isatty(STDERR_FILENO);
}

int confirm(const Options& options, const QString& question)
{
    if (options.bYes)
        return -1;
    if (!interactive())
        return fail(Exit::Refused, say(Text::NeedsYes).arg(options.command));
    print(stderr, plain(question) + QStringLiteral(" [y/N] "));
    const QString answer = readAnswer().trimmed().toLower();
    if (answer == QLatin1String("y") || answer == QLatin1String("yes"))
        return -1;
    if (UnitSession::interrupted())
        return fail(Exit::Interrupted, say(Text::NotConfirmed));
    return fail(Exit::Refused, say(Text::NotConfirmed));
}
} // namespace Console
