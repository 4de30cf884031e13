#pragma once

#include "backupimage.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <functional>
#include <optional>

class BackUpView;
class ContentWidget;
class MainWindow;
class Ui_MainWindow;

// A back-up opened beside the unit: opens it (from the restore question, a double click in the file pane, a file
// dropped on the window, or another dialog through openBackUp), marks its entries against the unit or against a
// second back-up, and puts back what is dragged from it or chosen in "Restore selected...".
//
// Names and set lists are compared with what the window has already read; the settings need the unit's records,
// read once on request (Compare settings) and kept until the unit changes: any operation that writes, an undo,
// a restore, a refresh or the unit going drops them.
class BackUpController : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(BackUpController)

public:
    BackUpController(MainWindow* pWindow, Ui_MainWindow* pUi);
    ~BackUpController() override;

    // Where "Compare with..." asks for the second back-up; QFileDialog by default, a test puts its answer here.
    using FileChooser =
        std::function<QString(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

public slots:
    // Opens the back-up file beside the unit's lists and selects user slot `userSlot` in it (-1: none). A file
    // that does not read as a back-up is refused with a message; the one shown stays.
    void openBackUp(const QString& path, int userSlot = -1);

private:
    void closeBackUp();
    void compareSettings();
    void compareWithFile();
    void compareWithUnit();
    void restoreSelected();
    // " This takes about ..." for putting back that many presets; empty for none.
    static QString presetsTime(int presets);
    void putBack(const QString& path, const QList<int>& presets, int row);
    // Whether the opened back-up can go into the unit connected (its model's identity).
    bool fitsUnit() const;
    // The unit has changed (or is gone): its records read for the settings no longer count.
    void unitChanged();
    void scheduleMarks();
    void updateMarks();
    // "U08 Reverse Swell" for a preset of the opened back-up.
    QString presetText(int presetNumber) const;
    // Runs a device operation with the progress box; the safety settings go to the worker first.
    void run(const QString& title, const QString& startText, int type, const std::function<void()>& handOver);

    MainWindow* m_pWindow;
    BackUpView* m_pView;
    ContentWidget* m_pUserList;
    FileChooser m_chooseFile;
    std::optional<BackUpImage> m_image; // the back-up shown
    std::optional<BackUpImage> m_other; // the second back-up it is compared with, instead of the unit
    QString m_strOtherPath;
    std::optional<BackUpImage> m_unitImage; // the unit's records, read on request
    QVector<int> m_unitSetLists;            // as the window last read them: 5 x 20, -1 while unread
    QStringList m_presetMarks;              // the presets' marks as shown, for "Restore selected..."
    bool m_bReading = false;
    QTimer m_marksTimer;
};
