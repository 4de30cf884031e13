#pragma once

#include "HelpText.h"

#include <QString>
#include <QStringList>

#include <cstdio>

// What the command line says and how it ends: exit codes, the words it has of its own, the command line as parsed,
// and the few ways it talks to the person or script that started it.
namespace Console {
namespace Exit {
constexpr int Ok = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;
constexpr int NoUnit = 3;
constexpr int SeveralUnits = 4;
constexpr int Communication = 5;
constexpr int BadFile = 6;
constexpr int Verification = 7;
constexpr int Refused = 8;
constexpr int InUse = 9;
constexpr int Changed = 10;      // an undo or redo found a slot changed since; never overwritten from a script
constexpr int Interrupted = 130; // as a shell reports a command ended by Ctrl-C
} // namespace Exit

// The window's words where it has them; these are the command line's own.
namespace Text {
constexpr char NoUnit[] = QT_TRANSLATE_NOOP("tessitra", "No unit found. Connect the unit and switch it on.");
constexpr char WindowHoldsUnit[] =
    QT_TRANSLATE_NOOP("tessitra", "The Tessitra Stage Librarian window is using the unit. Close it and try again.");
constexpr char OtherHoldsUnit[] =
    QT_TRANSLATE_NOOP("tessitra", "Another tessitra command is using the unit. Wait for it to end and try again.");
constexpr char NeedsYes[] = QT_TRANSLATE_NOOP(
    "tessitra", "%1 changes what the unit holds: give --yes to confirm when not run from a terminal.");
constexpr char NotConfirmed[] = QT_TRANSLATE_NOOP("tessitra", "Nothing was changed.");
constexpr char Interrupted[] = QT_TRANSLATE_NOOP("tessitra", "Stopped.");
constexpr char InterruptedAfter[] = QT_TRANSLATE_NOOP("tessitra", "Stopped. The operation's last words: %1");
constexpr char Stopping[] = QT_TRANSLATE_NOOP(
    "tessitra", "stopping: the operation ends at its next record or packet (Ctrl-C again ends the program "
                "at once, leaving the unit as it is then).");
// A write broken off leaves the unit half old, half new: it goes on, and its own result is reported.
constexpr char WriteFinishes[] = QT_TRANSLATE_NOOP("tessitra", "A write to the unit cannot be stopped safely; it will "
                                                               "finish first (Ctrl-C again ends the program at once, "
                                                               "leaving the unit half written).");
constexpr char Disconnected[] = QT_TRANSLATE_NOOP("tessitra", "Device disconnected!");
constexpr char CommunicationFailure[] = QT_TRANSLATE_NOOP("tessitra", "Failed to communicate with device.");
constexpr char BackedUpBefore[] =
    QT_TRANSLATE_NOOP("tessitra", "The unit was backed up before it started; to put it back: tessitra restore \"%1\"");
constexpr char FactoryKeptBefore[] = QT_TRANSLATE_NOOP(
    "tessitra", "The factory bank was kept before it started; to put it back: tessitra factory-update "
                "\"%1\"");
} // namespace Text

// The command line as given. Options may stand anywhere; the first other word is the command.
struct Options
{
    QString bus;
    QString to;
    bool bToGiven = false;
    bool bJson = false;
    bool bYes = false;
    bool bHelp = false;
    bool bVersion = false;
    QString command;
    QStringList args;
    // restore: --only SLOT... (the words after it up to the next option), --setlists LIST, --sysparams.
    bool bOnlyGiven = false;
    QStringList only;
    QString setLists;
    bool bSysParams = false;
    bool bAll = false; // diff: list the slots that are the same too
};

void print(FILE* stream, const QString& text);
// A text of the command line's (or the worker's) in the user's language, when a translation is installed.
QString say(const char* source);
// The worker's texts are made for the window's rich-text labels.
QString plain(QString text);
// Remembers how errors are to be told: as JSON on standard output (--json), and which command's help to point at.
void setErrorStyle(bool bJson, const QString& command);
// "tessitra: message" on standard error, or kept for the one JSON object finish() prints; returns code.
int fail(int code, const QString& message);
// A usage error and where to read the usage; returns Exit::Usage.
int usage(const QString& message);
// With --json and a failure, prints {"error": ..., "exit": code} on standard output; returns code.
int finish(int code);
const HelpText::Command* findCommand(const QString& name);
// The whole help, or one command's.
void printHelp(const HelpText::Command* pCommand);
// Standard input and standard error are a terminal: someone is there to answer and to watch progress.
bool interactive();
// -1 when the user agreed (or --yes was given), otherwise the exit code.
int confirm(const Options& options, const QString& question);
} // namespace Console
