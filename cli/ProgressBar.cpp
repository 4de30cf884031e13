#include "ProgressBar.h"

#include "Console.h"
#include "UnitSession.h"
#include "operationplan.h"

#include <unistd.h>

ProgressBar::ProgressBar(UnitSession& session) : m_session(session)
{
    if (!isatty(STDERR_FILENO))
        return;
    m_session.setProgressHandler([this](quint64 total, quint64 done) {
        if (total > 0 && !m_bPlanned)
            draw(static_cast<int>(qMin<quint64>(100, done * 100 / total)), QString());
    });
    m_session.setStepHandler([this](const QString& step, qint64 done, qint64 total) {
        if (total <= 0)
            return;
        m_bPlanned = true;
        draw(static_cast<int>(qBound<qint64>(0, done * 100 / total, 100)),
             step + QStringLiteral(", ") + OperationPlan::timeLeftText(total - done));
    });
}

ProgressBar::~ProgressBar()
{
    m_session.setProgressHandler(nullptr);
    m_session.setStepHandler(nullptr);
    if (m_bDrawn)
        Console::print(stderr, QStringLiteral("\r\033[K"));
}

void ProgressBar::draw(int percent, const QString& words)
{
    const int filled = percent * 40 / 100;
    const QString line = QStringLiteral("[%1%2] %3% %4")
                             .arg(QString(filled, QLatin1Char('#')), QString(40 - filled, QLatin1Char(' ')))
                             .arg(percent, 3)
                             .arg(words);
    if (m_bDrawn && line == m_strLine)
        return;
    m_strLine = line;
    Console::print(stderr, QStringLiteral("\r\033[K") + line);
    m_bDrawn = true;
}
