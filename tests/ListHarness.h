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
#include <QtTest>

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
// message boxes with "Yes", "No", "Cancel" or "unit lost" (the worker reports the unit gone); the rename dialog with
// "ok:<text>" or "cancel"; a context menu is only recorded and closed. Anything unscripted is closed (and recorded), so
// a modal never waits for long.
class ListAnswerer : public QObject
{
public:
    struct Seen
    {
        QString kind; // "box", "input", "menu", "stuck progress"
        QString title;
        QString text;      // box text, input's initial text
        QStringList items; // box buttons (sorted), menu actions ("*" after one with an icon)
        int maxLength = 0;
        QString objectName;
    };

    explicit ListAnswerer(QStringList script = QStringList()) : m_script(std::move(script))
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
            Seen s{"menu", {}, {}, {}, 0, {}};
            const QList<QAction*> actions = menu->actions();
            for (QAction* a : actions)
                s.items.append(a->text() + (a->icon().isNull() ? "" : "*"));
            seen.append(s);
            menu->close();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* progress = qobject_cast<ProgressDialog*>(modal)) {
            // Safety net: an operation nobody finishes must not hold the suite.
            if (++m_progressPolls > 500) {
                m_progressPolls = 0;
                seen.append(Seen{"stuck progress", progress->windowTitle(), {}, {}, 0, {}});
                progress->done(0);
            }
            return;
        }
        m_progressPolls = 0;
        if (modal != nullptr && modal == m_pLast && m_bUnitLost) {
            // Still open after the unit went away: recorded, then answered No.
            m_bUnitLost = false;
            seen.append(Seen{"survived unit loss", modal->windowTitle(), {}, {}, 0, {}});
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->button(QMessageBox::No)->click();
            return;
        }
        if (modal == nullptr || modal == m_pLast)
            return;
        m_pLast = modal;
        m_bUnitLost = false;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Seen s{"box", box->windowTitle(), box->text(), {}, 0, box->objectName()};
            const QList<QAbstractButton*> buttons = box->buttons();
            for (QAbstractButton* b : buttons)
                s.items.append(b->text().remove('&'));
            s.items.sort();
            seen.append(s);
            const QString answer = next();
            if (answer == "unit lost") {
                m_bUnitLost = true;
                emit DeviceManagerThread::instance()->deviceRemoved();
                return;
            }
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
            seen.append(Seen{"input",
                             dialog->windowTitle(),
                             edit ? edit->text() : QString(),
                             {},
                             edit ? edit->maxLength() : 0,
                             dialog->objectName()});
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
    bool m_bUnitLost = false;
};

// A shown list with a role and `count` 119 x 35 entries: user (or no role) "U01\nName 1"... numbered 1...,
// factory "F01\nName 1"... numbered 101..., set-list slots "S01\nName 1"... holding preset 30 + slot.
inline void fillRole(ContentWidget& list, const QString& role, int count)
{
    if (!role.isEmpty())
        list.setRole(role);
    list.setSpacing(12);
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.resize(600, 400);
    const int base = role == "FactoryPresets" ? 100 : role == "SetList" ? 30 : 0;
    const QString prefix = role == "FactoryPresets" ? "F" : role == "SetList" ? "S" : "U";
    for (int i = 1; i <= count; ++i) {
        auto* entry = new PresetButton();
        entry->resize(119, 35);
        entry->setPresetNumber(base + i);
        entry->setPresetName(QString("Name %1").arg(i));
        entry->setText(QString("%1%2\nName %3").arg(prefix).arg(i, 2, 10, QChar('0')).arg(i));
        list.addEntry(entry);
    }
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
}

inline void selectRows(ContentWidget& list, const QList<int>& rows)
{
    list.clearSelection();
    for (int row : rows)
        list.item(row)->setSelected(true);
}

inline QList<int> selectedRows(const ContentWidget& list)
{
    QList<int> rows;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected())
            rows << row;
    return rows;
}

inline QPoint rowCentre(const ContentWidget& list, int row)
{
    return list.visualItemRect(list.item(row)).center();
}
