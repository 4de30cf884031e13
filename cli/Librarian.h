#pragma once

#include "Console.h"
#include "UnitSession.h"

#include <QCoreApplication>

#include <functional>

class DeviceManagerThread;
class QEvent;

// The commands: each checks its arguments, finds the unit, and posts to the device worker what the window would
// post for the same action, then prints the outcome.
class Librarian
{
    // Its texts share one translation context with the rest of the command line and the worker.
    Q_DECLARE_TR_FUNCTIONS(tessitra)

public:
    explicit Librarian(Console::Options options) : m_options(std::move(options)) {}
    int run();

private:
    static int presetCount();
    // The unit's preset number for a slot argument, or -1 after saying what is wrong.
    int slotArgument(const QString& text, bool bUserOnly);
    // Every slot argument of a list, or false after saying what is wrong with the first bad one.
    bool slotArguments(const QStringList& texts, bool bUserOnly, QList<int>* numbers);
    // Reads the names and set lists as the window does when a unit arrives.
    int readLists();
    QString describe(int presetNumber) const;
    // confirm() will put a question to someone (no --yes, and a terminal).
    bool willAsk() const;

    // Runs an operation with a progress bar, gone again before the result is printed.
    UnitSession::Outcome runWithProgress(QEvent* event,
                                         const std::function<void(DeviceManagerThread*)>& setter = nullptr);

    int info();
    int list();
    int backUp();
    int restore();
    // restore FILE --only/--setlists/--sysparams: only the chosen parts of the back-up.
    int restoreSelected(const QString& path);
    // diff FILE (the unit against a back-up) or diff FILE1 FILE2 (two back-ups, no unit needed).
    int diff();
    int find();
    int save();
    int load();
    int copy();
    int rename();
    int setList();
    int undo();
    int factoryUpdate();
    int firmware();
    int checkUpdate();

    Console::Options m_options;
    UnitSession* m_pSession = nullptr;
};