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
        int type = 0, setListIndex = 0, presetNumber = 0, presetNumber2 = 0;
        int* record = nullptr;
        QMap<int, int> setListEdit;
        QList<int> destinations, sources;
        QStringList files;
        QString presetName, saveFolder;
        QList<DeviceManagerThread::SaveItem> saveItems;
        QString dialogTitle; // of the progress dialog showing at that moment
    };

    WorkerTap() { DeviceManagerThread::instance()->installEventFilter(this); }
    ~WorkerTap() override { DeviceManagerThread::instance()->removeEventFilter(this); }
    WorkerTap(const WorkerTap&) = delete;
    WorkerTap& operator=(const WorkerTap&) = delete;

    QList<Posted> posted;

    // Each operation as "<event type> <progress title>", in the order posted.
    QStringList summary() const
    {
        QStringList lines;
        for (const Posted& p : posted)
            lines << QString::number(p.type) + ' ' + p.dialogTitle;
        return lines;
    }

protected:
    bool eventFilter(QObject* obj, QEvent* e) override
    {
        const int type = static_cast<int>(e->type());
        if (type < DeviceManagerThread::FirstEvent || type > DeviceManagerThread::LastEvent)
            return QObject::eventFilter(obj, e);
        auto* w = DeviceManagerThread::instance();
        Posted p{type, w->getSetListIndex(), w->getPresetNumber(), w->getPresetNumber2(), w->getPresetRecord(),
                 w->getSetListEdit(), w->getPresetDestinations(), w->getPresetSources(), w->getPresetFiles(),
                 w->getPresetName(), w->getSaveFolder(), w->getSaveItems(), QString()};
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
        QString kind; // "box", "input", "menu", "stuck progress", "survived unit loss"
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
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (modal != nullptr && modal == m_pLast && m_bUnitLost) {
            // Still open after the unit went away: recorded, then answered No.
            m_bUnitLost = false;
            seen.append(Seen{"survived unit loss", modal->windowTitle(), {}, {}, 0, {}});
            if (box != nullptr)
                box->button(QMessageBox::No)->click();
            return;
        }
        if (modal == nullptr || modal == m_pLast)
            return;
        m_pLast = modal;
        m_bUnitLost = false;
        const QString answer = m_script.isEmpty() ? QString() : m_script.takeFirst();
        if (box != nullptr) {
            Seen s{"box", box->windowTitle(), box->text(), {}, 0, box->objectName()};
            const QList<QAbstractButton*> buttons = box->buttons();
            for (QAbstractButton* b : buttons)
                s.items.append(b->text().remove('&'));
            s.items.sort();
            seen.append(s);
            m_bUnitLost = answer == "unit lost";
            if (m_bUnitLost)
                emit DeviceManagerThread::instance()->deviceRemoved();
            else if (QAbstractButton* b = box->button(answer == "Yes"  ? QMessageBox::Yes
                                                      : answer == "No" ? QMessageBox::No
                                                                       : QMessageBox::Cancel))
                b->click();
            else
                box->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            auto* edit = dialog->findChild<QLineEdit*>();
            seen.append(Seen{"input", dialog->windowTitle(), edit ? edit->text() : QString(), {},
                             edit ? edit->maxLength() : 0, dialog->objectName()});
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
