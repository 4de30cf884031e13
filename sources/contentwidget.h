#pragma once

#include <QDrag>
#include <QEvent>
#include <QList>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

class DeviceManagerThread;
class QAction;
class QDropEvent;
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
    void changeEvent(QEvent* e) override;

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
    // Scrolls the list just enough to show the entry (changed in place: it is shown or hidden by the filter again).
    void showEntry(PresetButton* entry);
    // Shows only the entries whose name holds `text`, in any case; an empty text shows them all. Entries added
    // later follow it. A hidden entry is neither selected nor dragged; a drop or a paste overwrites the entries
    // shown from the one under it on, as they are lit.
    void setNameFilter(const QString& text);

    // Folder that the file dialogs of this list start in, for the model last detected.
    QString currentFolder() const { return *m_pCurrentFolder; }

    // The drag this list started last, while Qt still keeps it (it disposes of a drag once it has ended).
    const QDrag* lastDrag() const { return m_pDrag.data(); }

    // The file dialogs of "Save to computer..." and "Load preset...". They default to QFileDialog's static
    // functions; a test puts its own answers here.
    using DirectoryChooser =
        std::function<QString(QWidget* parent, const QString& caption, const QString& startFolder)>;
    using FilesChooser = std::function<QStringList(QWidget* parent, const QString& caption, const QString& startFolder,
                                                   const QString& filter)>;
    void setDirectoryChooser(DirectoryChooser chooser) { m_chooseDirectory = std::move(chooser); }
    void setFilesChooser(FilesChooser chooser) { m_chooseFiles = std::move(chooser); }

    // MIME type of a drag between the preset lists.
    static QString dragMimeType();
    // What a drag of this list carries under dragMimeType(): 8 bytes naming its selection in this process.
    QByteArray dragPayload() const;
    // "Favorites", "Set List A" to "Set List D"; empty for any other index.
    static QString setListName(int iIndex);
    // What a screen reader says for an entry of this list: "U01 Rock Lead", "A03: U12 Ballad Verb", "A04: empty";
    // and the kind of entry it is.
    QString spokenName(const PresetButton* entry) const;
    QString spokenDescription() const;
    // Every character a file name cannot hold on one desktop or another becomes "_".
    // ".tscp" while a Cadenzo unit is connected, otherwise ".tarp".
    static QString presetExtension();

    // The program's yes/no question: a Question box titled `title`, styled like every message box of the
    // program, parent g_mainWindow (or none). With bCloseOnDeviceRemoved the box closes as if No had been chosen
    // when the unit goes away. Returns the button chosen; a box closed any other way returns something that is
    // neither Yes nor No (Cancel when the box has a Cancel button).
    static int confirm(const QString& title, const QString& text,
                       QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
                       bool bCloseOnDeviceRemoved = true, bool bParentMainWindow = true);
    // Runs one device operation: a progress dialog (child of `parent`) listening to the device worker, the
    // operation's data handed over by `handOver`, then the event posted, then the dialog until the worker ends.
    static void runOperation(QWidget* parent, const QString& title, const QString& startText, QEvent::Type type,
                             const std::function<void(DeviceManagerThread*)>& handOver, bool bShowProgress = true,
                             int priority = Qt::NormalEventPriority);

    // "Undo" in the user list's menu (Ctrl+Z once the window adds it to itself): it emits undoRequested. Off
    // until the window learns that the unit's journal holds an overwrite.
    QAction* undoAction() const { return m_pUndoAction; }

signals:
    void undoRequested();
    // "Find in back-ups..." on one user preset: its name, and its parameters when the list has its record.
    void findInBackUpsRequested(QString name, QVector<int> settings);
    // Presets dragged from an opened back-up dropped here (user presets only): the back-up file, its preset numbers
    // in order, and the row they landed on. Whoever shows the back-up asks and puts them back.
    void backUpPresetsDropped(const QString& path, const QList<int>& presets, int row);

public slots:
    void onDeviceDetected(int iPid);
    void onContextMenuRequested(QPoint globalPos);
    void onPresetButtonClicked(PresetButton* pButton);
    void onItemSelectionChanged();
    void savePreset();
    void loadPreset();
    void renamePreset();
    void removePreset();
    // Keeps the selected entries for a later paste ("Copy", Ctrl+C): user and factory presets.
    void copyPresets();
    // Puts the presets copied last into the slots from the first selected entry on, as a drop there would
    // ("Paste...", Ctrl+V): factory presets into user presets, user or factory presets into a set list.
    void pastePresets();
    void findInBackUps();

protected:
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void updateGeometries() override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    enum class DropKind
    {
        Refused,
        CopyFactoryPresets, // factory presets onto user presets (1011)
        LoadFiles,          // preset files onto user presets (1009)
        WriteSetList,       // user or factory presets onto a set list (1006)
        BackUpPresets,      // presets of an opened back-up onto user presets (1019)
    };

    // The list a drag comes from, null for anything else (files, other programs).
    ContentWidget* dragSource(const QDropEvent* e) const;
    // What a drag of this kind may do here, whatever lies under the cursor.
    DropKind dropKind(const QDropEvent* e, const ContentWidget* src) const;
    // What presets of the list `src` may do here (dragged or pasted).
    DropKind presetDropKind(const ContentWidget* src) const;
    // The entries of the last copy while they all still exist and may be pasted here; otherwise empty.
    QList<PresetButton*> pasteSources() const;
    // Distance from one line of entries to the next: what one wheel notch or scroll-bar step moves.
    int linePitch() const;
    // Scrolls while a drag moves within the auto-scroll margin at the top or bottom edge.
    void dragScroll(const QPoint& pos);
    // The context menu of the Menu key or Shift+F10, beside the current entry.
    void keyboardMenu();
    // Draws the focus ring on the entry the arrow keys rest on while the list has the keyboard focus.
    void markCurrentEntry();
    // How many presets or files the drag carries.
    static int draggedCount(const QDropEvent* e, const ContentWidget* src);
    // The rows a drop or paste of `n` items at `row` overwrites: those shown, from `row` on.
    QList<int> targetRows(int row, int n) const;
    // Selects the rows a drop at `row` of `n` items overwrites, so their entries show checked.
    void highlightTargets(int row, int n);
    void applyNameFilter(int row);
    QPixmap dragImage() const;
    // Slot number (1 to 20) of a set-list entry, read from the two digits after the prefix of its text.
    static int slotNumber(const PresetButton* entry);

    void dropFactoryPresets(const QList<PresetButton*>& sources, int row);
    void dropFiles(const QList<QUrl>& urls, int row);
    void dropOnSetList(const QList<PresetButton*>& sources, int row);

    QPoint m_dragStartPos;
    // Qt disposes of a drag once it has ended, so the pointer is guarded.
    QPointer<QDrag> m_pDrag;
    PresetButton* m_pPressedButton = nullptr;
    PresetButton* m_pDropTarget = nullptr;
    QPointer<PresetButton> m_pRingedEntry;
    QList<PresetButton*> m_selectedButtons;
    QList<PresetButton*> m_buttons;
    QPointer<QMenu> m_pMenu;
    QPointer<QAction> m_pSaveAction;
    QPointer<QAction> m_pLoadAction;
    QPointer<QAction> m_pRenameAction;
    QPointer<QAction> m_pRemoveAction;
    QAction* m_pUndoAction = nullptr;
    QPointer<QAction> m_pCopyAction;
    QPointer<QAction> m_pPasteAction;
    QPointer<QAction> m_pFindAction;
    QString m_strRole;
    QString m_strNameFilter;
    QString m_strArietteFolder;
    QString m_strCadenzoFolder;
    QString* m_pCurrentFolder = nullptr;
    int m_iSetListIndex = 0;
    // Wheel movement not yet turned into whole pixels, in pixels x 120.
    int m_iWheelRemainder = 0;
    // Where the last drag move was seen: the list scrolls under a drag only while it moves.
    QPoint m_lastDragPos;
    DirectoryChooser m_chooseDirectory;
    FilesChooser m_chooseFiles;
};
