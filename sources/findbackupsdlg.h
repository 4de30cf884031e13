#pragma once

#include "backupsearch.h"

#include <QDialog>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <memory>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QThread;
class QTreeWidget;

// "Find in back-ups": every back-up and preset file in the model's folders that holds a preset of a name, or one
// with the same settings, newest file first (file, date, slot, name, and "same settings" where the settings
// match). The files are read on a thread of their own, so a large folder never stops the window. Choosing a row
// (double-click, Enter or Open) asks for that file to be opened at that preset.
class FindBackUpsDlg : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(FindBackUpsDlg)

public:
    // Presets whose name holds `name` (none sought by name when it is empty) or whose parameters are `settings`
    // (none sought by settings when it is empty), in `folders` and the folders under them.
    FindBackUpsDlg(const QString& name, const QVector<int>& settings, const QStringList& folders,
                   QWidget* parent = nullptr);
    ~FindBackUpsDlg() override;

    // The connected model's preset and back-up folders; both models' while no unit is connected.
    static QStringList modelFolders();
    // Whether the search has ended and its rows are listed.
    bool isDone() const { return m_bDone; }

signals:
    // A back-up at user preset `userSlot` (1 for U01), or a preset file (userSlot -1).
    void openRequested(QString path, int userSlot);
    void searchDone();

private:
    void showHits(const QVector<BackUpSearch::Hit>& hits);
    void openChosen();

    QString m_strName;
    bool m_bBySettings = false;
    QLabel* m_pSummary = nullptr;
    QTreeWidget* m_pList = nullptr;
    QDialogButtonBox* m_pButtons = nullptr;
    QPushButton* m_pOpen = nullptr;
    QVector<BackUpSearch::Hit> m_hits;
    QThread* m_pThread = nullptr;
    std::atomic<bool> m_bStop{false};
    bool m_bDone = false;
};
