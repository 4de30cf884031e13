#include "Console.h"

#include "UnitSession.h"

#include <QRegularExpression>

#include <unistd.h>

namespace Console {
void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QString plain(QString text)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    return text.remove(tags);
}

int fail(int code, const QString& message)
{
    print(stderr, QStringLiteral("tessitra: ") + plain(message) + QLatin1Char('\n'));
    return code;
}

int usage(const QString& message)
{
    print(stderr, QStringLiteral("tessitra: ") + message + QLatin1Char('\n') + QLatin1String(HelpText::Usage) +
                      QStringLiteral("Try `tessitra --help'.\n"));
    return Exit::Usage;
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
    if (pCommand) {
        print(stdout, QStringLiteral("usage: tessitra [--bus DIR] [--json] [--yes] %1\n%2\n")
                          .arg(QLatin1String(pCommand->synopsis), QLatin1String(pCommand->text)));
        return;
    }
    QString text = QLatin1String(HelpText::Usage) + QLatin1String(HelpText::Overview);
    for (const HelpText::Command& command : HelpText::Commands)
        text += QStringLiteral("  %1\n").arg(QLatin1String(command.synopsis));
    print(stdout, text + QLatin1String(HelpText::ExitCodes));
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
        return fail(Exit::Refused, QString::fromLatin1(Text::NeedsYes).arg(options.command));
    print(stderr, plain(question) + QStringLiteral(" [y/N] "));
    const QString answer = readAnswer().trimmed().toLower();
    if (answer == QLatin1String("y") || answer == QLatin1String("yes"))
        return -1;
    if (UnitSession::interrupted())
        return fail(Exit::Interrupted, QString::fromLatin1(Text::NotConfirmed));
    return fail(Exit::Refused, QString::fromLatin1(Text::NotConfirmed));
}
} // namespace Console
