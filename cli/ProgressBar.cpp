#include "ProgressBar.h"

#include "Console.h"
#include "UnitSession.h"

#include <QString>

#include <unistd.h>

ProgressBar::ProgressBar(UnitSession& session) : m_session(session)
{
    if (!isatty(STDERR_FILENO))
        return;
    m_session.setProgressHandler([this](quint64 total, quint64 done) { draw(total, done); });
}

ProgressBar::~ProgressBar()
{
    m_session.setProgressHandler(nullptr);
    if (m_bDrawn)
        Console::print(stderr, QStringLiteral("\r\033[K"));
}

void ProgressBar::draw(quint64 total, quint64 done)
{
    if (total == 0)
        return;
    const int percent = static_cast<int>(qMin<quint64>(100, done * 100 / total));
    if (m_bDrawn && percent == m_iPercent)
        return;
    m_iPercent = percent;
    const int filled = percent * 40 / 100;
    Console::print(stderr, QStringLiteral("\r[%1%2] %3%")
                               .arg(QString(filled, QLatin1Char('#')), QString(40 - filled, QLatin1Char(' ')))
                               .arg(percent, 3));
    m_bDrawn = true;
}
