#pragma once

#include "DeviceManagerThread.h"
#include "globals.h"
#include "support/Accessibility.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>

// For GUI tests only (header-only: the support library links no widgets). Answers the modal widgets of a test
// from a script, in order, and records each one once in `seen`: a box as "title|text" (and "|informative text"
// where it has one), an input dialog as "title|initial text", a context menu as "menu|action,action*" (a star
// after an action with an icon, " (off)" after one greyed out). Every modal widget's controls a screen reader
// could not name go to `unnamed`. Script answers: "Yes", "No", "Cancel" and "Escape" for a box, "ok:<typed
// text>" or "cancel" for an input dialog, "unit lost" (the poll reports the unit gone; a box still open
// afterwards is recorded as "survived|title" and answered No), or an Action of the test's own. A finished
// progress dialog gets its OK pressed and its text kept. A box left waiting for seconds (a progress dialog for
// a minute) is closed and counted in `leftovers`, so no test hangs on a forgotten one.
class ModalAnswerer : public QObject
{
public:
    using Action = std::function<bool(QWidget*)>;
    explicit ModalAnswerer(const QStringList& script = {})
    {
        for (const QString& answer : script)
            push(answer);
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start(10);
        m_waiting.start();
    }
    void push(const Action& action) { m_actions.append(action); }
    void push(const QString& answer)
    {
        m_actions.append([this, answer](QWidget* w) { return scripted(w, answer); });
    }
    int pending() const { return m_actions.size(); }

    QStringList seen;
    QStringList finishedTexts;
    QStringList unnamed;
    int leftovers = 0;

private:
    bool scripted(QWidget* pModal, const QString& answer)
    {
        auto* pBox = qobject_cast<QMessageBox*>(pModal);
        if (answer == "unit lost" && pBox != nullptr) {
            m_pLost = pBox;
            g_bDeviceConnected.store(false); // as the poll reports a lost unit: the flag first, then the signal
            emit DeviceManagerThread::instance()->deviceRemoved();
        } else if ((answer == "Escape" || answer == "Enter") && pBox != nullptr) {
            QTest::keyClick(pBox, answer == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        } else if (pBox != nullptr) {
            const QMap<QString, QMessageBox::StandardButton> buttons{{"Yes", QMessageBox::Yes},
                                                                     {"No", QMessageBox::No}};
            QAbstractButton* pButton = pBox->button(buttons.value(answer, QMessageBox::Cancel));
            for (QAbstractButton* pOwn : pBox->buttons()) // a button of the program's own words
                pButton = pOwn->text() == answer ? pOwn : pButton;
            if (pButton == nullptr)
                return false;
            pButton->click();
        } else if (auto* pEdit = pModal->findChild<QLineEdit*>(); pEdit != nullptr && answer.startsWith("ok:")) {
            pEdit->clear();
            pEdit->insert(answer.mid(3)); // typed, so the length limit applies as it does for the user
            pModal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        } else if (pEdit != nullptr && answer == "cancel") {
            qobject_cast<QDialog*>(pModal)->reject();
        } else {
            return false;
        }
        return true;
    }

    void tick()
    {
        if (auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QStringList items;
            for (const QAction* pAction : pMenu->actions())
                items << pAction->text() + (pAction->icon().isNull() ? "" : "*") +
                             (pAction->isEnabled() ? "" : " (off)");
            seen << "menu|" + items.join(',');
            pMenu->close();
            return;
        }
        QWidget* pModal = QApplication::activeModalWidget();
        if (pModal == nullptr) {
            m_waiting.restart();
            return;
        }
        auto* pBox = qobject_cast<QMessageBox*>(pModal);
        if (pModal != m_pLast) {
            m_pLast = pModal;
            unnamed << unnamedControls(accessibleControls(pModal));
            auto* pEdit = pModal->findChild<QLineEdit*>();
            if (pBox != nullptr || pEdit != nullptr)
                seen << pModal->windowTitle() + '|' + (pBox != nullptr ? pBox->text() : pEdit->text()) +
                            (pBox != nullptr && !pBox->informativeText().isEmpty() ? "|" + pBox->informativeText()
                                                                                   : QString());
        } else if (pBox != nullptr && pBox == m_pLost) {
            seen << "survived|" + pBox->windowTitle();
            m_pLost = nullptr;
            pBox->button(QMessageBox::No)->click();
            return;
        }
        if (!m_actions.isEmpty() && m_actions.first()(pModal)) {
            m_actions.removeFirst();
            m_waiting.restart();
            return;
        }
        auto* pOk = pModal->findChild<QPushButton*>(QStringLiteral("CancelProgress"));
        if (pModal->objectName() == "ProgressDialog" && pOk != nullptr && pOk->isVisible() &&
            pOk->text() == QCoreApplication::translate("ProgressDialog", "OK")) {
            finishedTexts << pModal->findChild<QLabel*>(QStringLiteral("TessitraLabel"))->text();
            pOk->click();
        } else if (m_waiting.elapsed() > (pModal->objectName() == "ProgressDialog" ? 60000 : 8000)) {
            ++leftovers;
            qWarning("closing a modal widget nobody answered: %s", qPrintable(pModal->windowTitle()));
            if (auto* pDialog = qobject_cast<QDialog*>(pModal))
                pDialog->done(0);
            else
                pModal->close();
        } else {
            return;
        }
        m_waiting.restart();
    }

    QTimer m_timer;
    QElapsedTimer m_waiting;
    QList<Action> m_actions;
    QPointer<QWidget> m_pLast;
    QPointer<QMessageBox> m_pLost;
};
