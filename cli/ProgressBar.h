#pragma once

#include <QtGlobal>

class UnitSession;

// A progress bar on standard error, only for a person watching.
class ProgressBar
{
public:
    explicit ProgressBar(UnitSession& session);
    ~ProgressBar();
    Q_DISABLE_COPY(ProgressBar)

private:
    void draw(quint64 total, quint64 done);
    UnitSession& m_session;
    bool m_bDrawn = false;
    int m_iPercent = 0;
};