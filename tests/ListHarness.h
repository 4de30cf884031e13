#pragma once

// What the preset-list suites share: a tap on the device worker that records each operation a list posts
// (with the data handed over first) and answers it, and an answerer for the modal boxes, the rename dialog
// and the context menu, so no test is ever left waiting on a window.

#include "DeviceManagerThread.h"
#include "contentwidget.h"
#include "progessdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

// Swallows every operation event posted to the (not started) device worker, keeps what its setters hold at
// that moment, and finishes the operation with operationFinished(0, true) so the progress dialog closes.
class WorkerTap : public QObject
{
public:
    struct Posted
    {
        int type = 0;
        int setListIndex = 0;
        QMap<int, int> setListEdit;
        QList<int> destinations;
        QStringList files;
        QList<int> sources;
        int presetNumber = 0;
        QString presetName;
        int presetNumber2 = 0;
        int* record = nullptr;
        QList<DeviceManagerThread::SaveItem> saveItems;
        QString saveFolder;
        QString dialogTitle; // of the progress dialog showing at that moment
    };

    WorkerTap() { DeviceManagerThread::instance()->installEventFilter(this); }
    ~WorkerTap() override { DeviceManagerThread::instance()->removeEventFilter(this); }
    WorkerTap(const WorkerTap&) = delete;
    WorkerTap& operator=(const WorkerTap&) = delete;

    QList<Posted> posted;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override
    {
        const int type = static_cast<int>(e->type());
        if (type < DeviceManagerThread::FirstEvent || type > DeviceManagerThread::LastEvent)
            return QObject::eventFilter(obj, e);
        auto* w = DeviceManagerThread::instance();
        Posted p;
        p.type = type;
        p.setListIndex = w->getSetListIndex();
        p.setListEdit = w->getSetListEdit();
        p.destinations = w->getPresetDestinations();
        p.files = w->getPresetFiles();
        p.sources = w->getPresetSources();
        p.presetNumber = w->getPresetNumber();
        p.presetName = w->getPresetName();
        p.presetNumber2 = w->getPresetNumber2();
        p.record = w->getPresetRecord();
        p.saveItems = w->getSaveItems();
        p.saveFolder = w->getSaveFolder();
        if (auto* dialog = qobject_cast<ProgressDialog*>(QApplication::activeModalWidget()))
            p.dialogTitle = dialog->windowTitle();
        posted.append(p);
        emit w->operationFinished(0, true);
        return true;
    }
};

// Polls for the window the code under test is waiting on and answers it from a script, in order:
// message boxes with "Yes", "No" or "Cancel"; the rename dialog with "ok:<text>" or "cancel"; a context menu is
// only recorded and closed. Anything unscripted is closed (and recorded), so a modal never waits for long.
class ModalAnswerer : public QObject
{
public:
    struct Seen
    {
        QString kind; // "box", "input", "menu"
        QString title;
        QString text;      // box text, input's initial text
        QStringList items; // box buttons, menu actions
        int maxLength = 0;
        QString objectName;
        bool iconsOnSaveLoad = true;
    };

    explicit ModalAnswerer(QStringList script = QStringList()) : m_script(std::move(script))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(10);
    }

    QList<Seen> seen;
    QStringList unanswered() const { return m_script; }

private:
    QString next() { return m_script.isEmpty() ? QString() : m_script.takeFirst(); }

    void poll()
    {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            Seen s;
            s.kind = "menu";
            const QList<QAction*> actions = menu->actions();
            for (QAction* a : actions) {
                s.items.append(a->text());
                if ((a->text().startsWith("Save") || a->text().startsWith("Load")) && a->icon().isNull())
                    s.iconsOnSaveLoad = false;
            }
            seen.append(s);
            menu->close();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* progress = qobject_cast<ProgressDialog*>(modal)) {
            // Safety net: an operation nobody finishes must not hold the suite.
            if (++m_progressPolls > 500) {
                m_progressPolls = 0;
                seen.append(Seen{"stuck progress", progress->windowTitle(), {}, {}, 0, {}, true});
                progress->done(0);
            }
            return;
        }
        m_progressPolls = 0;
        if (modal == nullptr || modal == m_pLast)
            return;
        m_pLast = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Seen s{"box", box->windowTitle(), box->text(), {}, 0, box->objectName(), true};
            const QList<QAbstractButton*> buttons = box->buttons();
            for (QAbstractButton* b : buttons)
                s.items.append(box->standardButton(b) == QMessageBox::Yes      ? "Yes"
                               : box->standardButton(b) == QMessageBox::No     ? "No"
                               : box->standardButton(b) == QMessageBox::Cancel ? "Cancel"
                                                                               : b->text());
            seen.append(s);
            const QString answer = next();
            QMessageBox::StandardButton button = answer == "Yes"  ? QMessageBox::Yes
                                                 : answer == "No" ? QMessageBox::No
                                                                  : QMessageBox::Cancel;
            if (QAbstractButton* b = box->button(button))
                b->click();
            else
                box->reject();
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            auto* edit = dialog->findChild<QLineEdit*>();
            Seen s{"input", dialog->windowTitle(),        edit ? edit->text() : QString(),
                   {},      edit ? edit->maxLength() : 0, dialog->objectName(),
                   true};
            seen.append(s);
            const QString answer = next();
            if (edit != nullptr && answer.startsWith("ok:")) {
                // Typed, so the line edit's length limit applies as it does for the user.
                edit->clear();
                edit->insert(answer.mid(3));
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            } else {
                dialog->reject();
            }
        }
    }

    QStringList m_script;
    QTimer m_timer;
    QPointer<QWidget> m_pLast;
    int m_progressPolls = 0;
};
