// tessitra: the command-line librarian. Argument parsing and output only: every unit operation is the device
// worker's, posted exactly as the window posts it.

#include "Console.h"
#include "Librarian.h"
#include "UnitSession.h"

#include "globals.h"
#include "language.h"
#include "logging.h"

#include <QCoreApplication>

using namespace Console;

namespace {
// What is wrong with the command line: a text and the word it names, translated once the language is known.
struct ParseError
{
    const char* text = nullptr;
    QString word;
};

// Options may stand anywhere; the first other word is the command. Returns what is wrong, or nothing: the error is
// told once the whole line is read, so that it points at the command's help and honours a later --json.
ParseError parse(const QStringList& arguments, Options* pOptions)
{
    ParseError error;
    bool bInOnly = false; // the words after --only are its slots, up to the next option
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1)
            bInOnly = false;
        if (arg == QLatin1String("--only")) {
            pOptions->bOnlyGiven = true;
            bInOnly = true;
        } else if (arg == QLatin1String("--setlists")) {
            if (i + 1 >= arguments.size())
                error = {QT_TRANSLATE_NOOP("tessitra", "%1 needs a value"), arg};
            else
                pOptions->setLists = arguments.at(++i);
        } else if (arg == QLatin1String("--sysparams")) {
            pOptions->bSysParams = true;
        } else if (arg == QLatin1String("--all")) {
            pOptions->bAll = true;
        } else if (bInOnly && !pOptions->command.isEmpty()) {
            pOptions->only.append(arg);
        } else if (arg == QLatin1String("--bus") || arg == QLatin1String("--to")) {
            if (i + 1 >= arguments.size()) {
                error = {QT_TRANSLATE_NOOP("tessitra", "%1 needs a value"), arg};
                continue;
            }
            if (arg == QLatin1String("--bus")) {
                pOptions->bus = arguments.at(++i);
            } else {
                pOptions->to = arguments.at(++i);
                pOptions->bToGiven = true;
            }
        } else if (arg == QLatin1String("--json")) {
            pOptions->bJson = true;
        } else if (arg == QLatin1String("--yes") || arg == QLatin1String("-y")) {
            pOptions->bYes = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            pOptions->bHelp = true;
        } else if (arg == QLatin1String("--version")) {
            pOptions->bVersion = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            if (!error.text)
                error = {QT_TRANSLATE_NOOP("tessitra", "unknown option %1"), arg};
        } else if (pOptions->command.isEmpty()) {
            pOptions->command = arg;
        } else {
            pOptions->args.append(arg);
        }
    }
    return error;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tessitra"));
    UnitSession::catchInterrupts();
    // The worker logs as it does for the window, into a log of the command line's own.
    qInstallMessageHandler(tessitraMessageHandler);
    openLogFile(g_logFolder + QStringLiteral("/tessitra"));

    Options options;
    options.bus = QString::fromLocal8Bit(qgetenv("TESSITRA_VIRTUAL_BUS"));
    const ParseError error = parse(QCoreApplication::arguments(), &options);
    // JSON is for scripts: its texts, errors included, are the same whatever the user's language.
    if (!options.bJson)
        Language::install(&app, Language::fromEnvironment());
    setErrorStyle(options.bJson, options.command);
    int code = Exit::Ok;
    if (error.text) {
        code = usage(say(error.text).arg(error.word));
    } else if (options.bVersion) {
        // The project's version, handed over by the build.
        print(stdout, QStringLiteral("tessitra " TESSITRA_VERSION "\n"));
    } else if (options.bHelp || options.command.isEmpty()) {
        const HelpText::Command* pCommand = findCommand(options.command);
        if (!options.command.isEmpty() && !pCommand) {
            code = usage(QCoreApplication::translate("tessitra", "unknown command %1").arg(options.command));
        } else if (options.command.isEmpty() && !options.bHelp) {
            code = usage(QCoreApplication::translate("tessitra", "no command given"));
        } else {
            printHelp(pCommand);
        }
    } else {
        code = Librarian(options).run();
    }
    closeLogFile();
    return finish(code);
}
