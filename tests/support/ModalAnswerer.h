#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>

// For GUI tests only (it needs widgets; the support library does not link them): header-only.
// Answers the modal widgets of a test. Queued actions get the active modal widget and say whether they
// handled it; a finished progress dialog gets its OK pressed unless an action comes first. A widget left
// waiting for seconds is closed and counted, so no test hangs on a forgotten box.
class ModalAnswerer : public QObject
{
public:
    using Action = std::function<bool(QWidget*)>;
    ModalAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start(10);
        m_waiting.start();
    }
    void push(const Action& action) { m_actions.append(action); }
    int pending() const { return m_actions.size(); }

    QStringList boxes;         // "title|text" of every message box seen, once each
    QStringList finishedTexts; // the progress dialog's text when its OK was pressed
    int leftovers = 0;

private:
    void tick()
    {
        QWidget* pModal = QApplication::activeModalWidget();
        if (pModal == nullptr) {
            m_waiting.restart();
            return;
        }
        if (auto* pBox = qobject_cast<QMessageBox*>(pModal)) {
            if (!m_seen.contains(pBox)) {
                m_seen.append(pBox);
                boxes.append(pBox->windowTitle() + QLatin1Char('|') + pBox->text());
            }
        }
        if (!m_actions.isEmpty() && m_actions.first()(pModal)) {
            m_actions.removeFirst();
            m_waiting.restart();
            return;
        }
        if (pModal->objectName() == QLatin1String("ProgressDialog")) {
            auto* pOk = pModal->findChild<QPushButton*>(QStringLiteral("CancelProgress"));
            if (pOk != nullptr && pOk->isVisible()) {
                finishedTexts.append(pModal->findChild<QLabel*>(QStringLiteral("TessitraLabel"))->text());
                pOk->click();
                m_waiting.restart();
                return;
            }
        }
        if (m_waiting.elapsed() > 10000) {
            ++leftovers;
            qWarning("closing a modal widget nobody answered: %s", qPrintable(pModal->windowTitle()));
            if (auto* pDialog = qobject_cast<QDialog*>(pModal))
                pDialog->done(0);
            else
                pModal->close();
            m_waiting.restart();
        }
    }

    QTimer m_timer;
    QElapsedTimer m_waiting;
    QList<Action> m_actions;
    QList<QPointer<QMessageBox>> m_seen;
};

inline ModalAnswerer::Action clickBox(QMessageBox::StandardButton which)
{
    return [which](QWidget* pModal) {
        auto* pBox = qobject_cast<QMessageBox*>(pModal);
        if (pBox == nullptr || pBox->button(which) == nullptr)
            return false;
        pBox->button(which)->click();
        return true;
    };
}

inline ModalAnswerer::Action escapeBox()
{
    return [](QWidget* pModal) {
        if (qobject_cast<QMessageBox*>(pModal) == nullptr)
            return false;
        QTest::keyClick(pModal, Qt::Key_Escape);
        return true;
    };
}
