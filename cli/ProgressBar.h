#pragma once

#include <QString>
#include <QtGlobal>

class UnitSession;

// A progress bar on standard error, only for a person watching: one bar for the whole operation, with its step
// and the time left once the worker reports them by the operation's plan.
class ProgressBar
{
public:
    explicit ProgressBar(UnitSession& session);
    ~ProgressBar();
    Q_DISABLE_COPY(ProgressBar)

private:
    void draw(int percent, const QString& words);
    UnitSession& m_session;
    bool m_bDrawn = false;
    bool m_bPlanned = false; // the plan's progress came: the byte counts of each part no longer draw
    QString m_strLine;
};
