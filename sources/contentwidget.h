#pragma once

#include <QList>
#include <QListWidget>
#include <QPoint>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <memory>

class QAction;
class QDrag;
class QMenu;

// One preset, or one set-list slot, as a checkable entry of a ContentWidget. Mouse and drag events go
// straight through to the list underneath, which owns selection and dragging; a right-click is reported
// with contextMenuRequested so the list can show its menu.
class PresetButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY(PresetButton)
    Q_PROPERTY(int presetNumber READ presetNumber WRITE setPresetNumber)
    Q_PROPERTY(QString presetName READ presetName WRITE setPresetName)

public:
    explicit PresetButton(QWidget* parent = nullptr);
    ~PresetButton() override;

    int presetNumber() const { return m_iPresetNumber; }
    void setPresetNumber(int iPresetNumber) { m_iPresetNumber = iPresetNumber; }
    QString presetName() const { return m_strPresetName; }
    void setPresetName(const QString& strPresetName) { m_strPresetName = strPresetName; }
    int maxPresetNameLength() const { return m_iMaxPresetNameLength; }
    void setMaxPresetNameLength(int iLength) { m_iMaxPresetNameLength = iLength; }
    int maxPresetParamLength() const { return m_iMaxPresetParamLength; }
    void setMaxPresetParamLength(int iLength) { m_iMaxPresetParamLength = iLength; }
    int hardwareProductCode() const { return m_iHardwareProductCode; }
    void setHardwareProductCode(int iCode) { m_iHardwareProductCode = iCode; }
    int hardwarePatchVersion() const { return m_iHardwarePatchVersion; }
    void setHardwarePatchVersion(int iVersion) { m_iHardwarePatchVersion = iVersion; }

    // The preset record (name characters then parameters), null when none has been read.
    int* presetData() const { return m_pPresetData.get(); }
    // Takes ownership of the array (allocated with new[]) and frees the previous one; null clears it.
    void setPresetData(int* pPresetData);

signals:
    void contextMenuRequested(QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    int m_iPresetNumber = 0;
    QString m_strPresetName;
    int m_iMaxPresetNameLength = 0;
    int m_iMaxPresetParamLength = 0;
    int m_iHardwareProductCode = 0;
    int m_iHardwarePatchVersion = 0;
    std::unique_ptr<int[]> m_pPresetData;
};

// One bank of presets shown as a wrapping grid of PresetButtons, one entry per row. The main window gives
// each list a role ("UserPresets", "FactoryPresets" or "SetList") and the set lists their index
// (0 favourites, 1 to 4 set lists A to D). The Qt selection of rows is the truth; the entries mirror it
// by their checked state, and selectedEntries() keeps it in reading order.
class ContentWidget : public QListWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ContentWidget)

public:
    explicit ContentWidget(QWidget* parent = nullptr);
    ~ContentWidget() override;

    void setRole(const QString& role);
    QString role() const { return m_strRole; }
    void setSetListIndex(int iIndex) { m_iSetListIndex = iIndex; }
    int setListIndex() const { return m_iSetListIndex; }

    // Appends an entry as the widget of a new last row; the row takes the entry's current size.
    void addEntry(PresetButton* button);
    // Removes every entry; the view disposes of the entry widgets.
    void clearEntries();
    QList<PresetButton*> entries() const { return m_buttons; }
    QList<PresetButton*> selectedEntries() const { return m_selectedButtons; }

    // Folder that the file dialogs of this list start in, for the model last detected.
    QString currentFolder() const { return *m_pCurrentFolder; }

public slots:
    void onDeviceDetected(int iPid);
    void onContextMenuRequested(QPoint globalPos);
    void onPresetButtonClicked(PresetButton* pButton);
    void onItemSelectionChanged();

protected:
    void wheelEvent(QWheelEvent* e) override;

private:
    QPoint m_dragStartPos;
    QDrag* m_pDrag = nullptr;
    PresetButton* m_pPressedButton = nullptr;
    PresetButton* m_pDropTarget = nullptr;
    QList<PresetButton*> m_selectedButtons;
    QList<PresetButton*> m_buttons;
    QPointer<QMenu> m_pMenu;
    QPointer<QAction> m_pSaveAction;
    QPointer<QAction> m_pLoadAction;
    QPointer<QAction> m_pRenameAction;
    QPointer<QAction> m_pRemoveAction;
    QString m_strRole;
    QString m_strArietteFolder;
    QString m_strCadenzoFolder;
    QString* m_pCurrentFolder = nullptr;
    int m_iSetListIndex = 0;
    int m_iScrollStep = 0;
};
