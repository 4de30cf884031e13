#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVector>
#include <QWidget>

struct BackUpImage;
class QCheckBox;
class QLabel;
class QMimeData;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// What a drag of presets out of an opened back-up carries: the file and the back-up's preset numbers, in the order
// they are listed. Only this program makes one; a payload from elsewhere that does not read is no drag of ours.
struct BackUpDrag
{
    QString path;
    QList<int> presets;

    static QString mimeType();
    QByteArray encode() const;
    // False for anything that is not such a payload, or names more presets than a unit holds.
    static bool decode(const QMimeData* pMime, BackUpDrag* pDrag);
    QMimeData* toMime() const;
};

// The opened back-up beside the unit's lists, read-only: its user presets, the favourites, set lists A to D and
// whether it holds system parameters, one row each with its mark against the unit (or against a second back-up),
// the file's name and date at the top. Presets are dragged from here onto the unit's user presets; the buttons ask
// the controller for the rest.
class BackUpView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(BackUpView)

public:
    explicit BackUpView(QWidget* parent = nullptr);
    ~BackUpView() override;

    // One row per preset, then the five set lists and the system parameters, every mark "not compared".
    void showBackUp(const QString& path, const BackUpImage& image, const QDateTime& taken);
    QString path() const { return m_strPath; }

    // What a row's mark says, and whether it is a difference (the filter keeps only those).
    struct Mark
    {
        QString text;
        bool bDiffers = false;
    };
    // The marks in row order: the presets, the five set lists, the system parameters.
    void setMarks(const QVector<Mark>& marks);
    // "Compared with the unit", "Compared with last.tarb"...
    void setReference(const QString& text);
    void setCompareSettingsEnabled(bool bEnabled);
    void setComparingFiles(bool bFiles);
    void setRestoreEnabled(bool bEnabled);

    // The rows chosen: presets by number, set lists by index, and whether the system parameters' row is.
    QList<int> selectedPresets() const;
    QList<int> selectedSetLists() const;
    bool sysParamsSelected() const;
    // Selects the preset's row alone and scrolls to it.
    void selectPreset(int presetNumber);

signals:
    void closeRequested();
    void compareSettingsRequested();
    // With another back-up instead of the unit, or back with the unit.
    void compareFileRequested();
    void compareUnitRequested();
    void restoreSelectedRequested();

private:
    void applyFilter();
    QList<QTreeWidgetItem*> selectedRows(int kind) const;

    QString m_strPath;
    int m_iPresetCount = 0;
    QLabel* m_pTitle = nullptr;
    QLabel* m_pTaken = nullptr;
    QLabel* m_pReference = nullptr;
    QPushButton* m_pClose = nullptr;
    QPushButton* m_pCompareSettings = nullptr;
    QPushButton* m_pCompareFile = nullptr;
    QPushButton* m_pCompareUnit = nullptr;
    QCheckBox* m_pOnlyDifferences = nullptr;
    QTreeWidget* m_pTree = nullptr;
    QPushButton* m_pRestoreSelected = nullptr;
    QVector<Mark> m_marks;
};
