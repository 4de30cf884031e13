#include "contentwidget.h"

#include "DeviceManagerThread.h"
#include "backupview.h"
#include "deviceinfo.h"
#include "globals.h"
#include "log.h"
#include "mainwindow.h"
#include "progessdialog.h"
#include "usbids.h"

#include <QApplication>
#include <QBitmap>
#include <QContextMenuEvent>
#include <QDataStream>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {
const QString kUserRole = QStringLiteral("UserPresets");
const QString kFactoryRole = QStringLiteral("FactoryPresets");
const QString kSetListRole = QStringLiteral("SetList");

// Set lists are 20 slots long, so up to 20 names fit a confirmation box; beyond that it asks without names.
constexpr int kMaxNamedItems = 20;

const char* const kLoadPresetsTitle = QT_TRANSLATE_NOOP("ContentWidget", "Load Presets");
const char* const kOverwriteQuestion = QT_TRANSLATE_NOOP("ContentWidget", "Do you want to overwrite the presets?");

// Every list alive, so that a drag whose event names no source widget can still be traced to its list by the
// payload (see dragSource()).
QList<ContentWidget*>& liveLists()
{
    static QList<ContentWidget*> lists;
    return lists;
}

// "A, B, C": the names each followed by ", ", then the last separator removed.
QString joinNames(const QStringList& names)
{
    QString joined;
    for (const QString& name : names)
        joined += name + QStringLiteral(", ");
    joined.chop(2);
    return joined;
}

QString entryLabel(const PresetButton* entry)
{
    return entry->text().replace(QLatin1Char('\n'), QLatin1Char('_'));
}

// The presets of the last "Copy", in reading order, and the list they were copied from. Guarded: a refresh
// or an unplugged unit disposes of the entries, and with them of anything left to paste.
QPointer<ContentWidget>& copiedFrom()
{
    static QPointer<ContentWidget> list;
    return list;
}

QList<QPointer<PresetButton>>& copiedEntries()
{
    static QList<QPointer<PresetButton>> entries;
    return entries;
}

// Places each entry on its row's whole cell. The default places an item's widget on the text part of the
// cell, a few pixels shorter than the row, and a style sheet that sets no minimum height lets the entry
// shrink to it; an entry given its size again later (a preset updated in place) then stood taller than its
// neighbours.
class EntryDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& /*index*/) const override
    {
        editor->setGeometry(option.rect);
    }
};

// The row under an entry. A screen reader reads a list by its rows, not by the widgets drawn over them, so the
// row answers with the words of the entry it carries.
class EntryItem : public QListWidgetItem
{
public:
    explicit EntryItem(PresetButton* entry) : m_pEntry(entry) {}
    QVariant data(int role) const override
    {
        const auto* pList = qobject_cast<const ContentWidget*>(listWidget());
        if (pList != nullptr && !m_pEntry.isNull()) {
            if (role == Qt::AccessibleTextRole)
                return pList->spokenName(m_pEntry);
            if (role == Qt::AccessibleDescriptionRole)
                return pList->spokenDescription();
        }
        return QListWidgetItem::data(role);
    }

private:
    QPointer<PresetButton> m_pEntry;
};

// Qt reads a dynamic property into the style sheet only when the widget is polished again.
void setRinged(PresetButton* entry, bool bRinged)
{
    if (entry == nullptr)
        return;
    entry->setProperty("current", bRinged);
    entry->style()->unpolish(entry);
    entry->style()->polish(entry);
    entry->update();
}
} // namespace

// The save command snapshots what the worker needs on the GUI thread: the worker never reads a widget.
void DeviceManagerThread::setSaveList(QList<PresetButton*> entries, QString folder)
{
    QList<SaveItem> items;
    for (const PresetButton* entry : qAsConst(entries)) {
        if (entry != nullptr)
            items.append(SaveItem{entry->text(), entry->presetNumber()});
    }
    setSaveItems(items, folder);
}

// ---------------------------------------------------------------------------------------------------------------
// PresetButton

PresetButton::PresetButton(QWidget* parent) : QPushButton(parent)
{
    setObjectName(QStringLiteral("PresetButton"));
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setToolTip(tr("Select preset(s) to drag"));
}

PresetButton::~PresetButton() = default;

void PresetButton::setPresetData(int* pPresetData)
{
    m_pPresetData.reset(pPresetData);
}

// The list underneath decides about clicks, selection and drags, so the entry lets every such event pass.
void PresetButton::mousePressEvent(QMouseEvent* e)
{
    e->ignore();
}

void PresetButton::mouseReleaseEvent(QMouseEvent* e)
{
    e->ignore();
}

void PresetButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    e->ignore();
}

void PresetButton::mouseMoveEvent(QMouseEvent* e)
{
    e->ignore();
}

void PresetButton::dragEnterEvent(QDragEnterEvent* e)
{
    e->ignore();
}

void PresetButton::dragMoveEvent(QDragMoveEvent* e)
{
    e->ignore();
}

void PresetButton::dragLeaveEvent(QDragLeaveEvent* e)
{
    e->ignore();
}

void PresetButton::dropEvent(QDropEvent* e)
{
    e->ignore();
}

void PresetButton::contextMenuEvent(QContextMenuEvent* e)
{
    emit contextMenuRequested(e->globalPos());
}

void PresetButton::changeEvent(QEvent* e)
{
    // An empty set-list slot is disabled, and a disabled widget keeps the clicks on it from the list: let
    // them through, so that an empty slot can be selected (and pasted into) like any other.
    if (e->type() == QEvent::EnabledChange)
        setAttribute(Qt::WA_TransparentForMouseEvents, !isEnabled());
    QPushButton::changeEvent(e);
}

// ---------------------------------------------------------------------------------------------------------------
// ContentWidget

ContentWidget::ContentWidget(QWidget* parent)
    : QListWidget(parent), m_strArietteFolder(g_arietteUserPresetsFolder),
      m_strCadenzoFolder(g_cadenzoUserPresetsFolder)
{
    m_pCurrentFolder = &m_strArietteFolder;

    setViewportMargins(10, 10, 0, 10);
    setViewMode(QListView::IconMode);
    setResizeMode(QListView::Adjust);
    setAcceptDrops(true);
    setWordWrap(true);
    setAutoScroll(true);
    setItemDelegate(new EntryDelegate(this));

    m_chooseDirectory = [](QWidget* pParent, const QString& caption, const QString& startFolder) {
        return QFileDialog::getExistingDirectory(pParent, caption, startFolder, QFileDialog::ShowDirsOnly);
    };
    m_chooseFiles = [](QWidget* pParent, const QString& caption, const QString& startFolder, const QString& filter) {
        return QFileDialog::getOpenFileNames(pParent, caption, startFolder, filter);
    };

    m_pUndoAction = new QAction(tr("Undo"), this);
    m_pUndoAction->setShortcut(QKeySequence::Undo);
    m_pUndoAction->setEnabled(false);
    connect(m_pUndoAction, &QAction::triggered, this, &ContentWidget::undoRequested);

    connect(this, &QListWidget::itemSelectionChanged, this, &ContentWidget::onItemSelectionChanged);
    connect(DeviceManagerThread::instance(), &DeviceManagerThread::deviceDetected, this,
            &ContentWidget::onDeviceDetected);
    liveLists().append(this);
}

ContentWidget::~ContentWidget()
{
    liveLists().removeOne(this);
    delete m_pDrag.data();
}

void ContentWidget::setRole(const QString& role)
{
    m_strRole = role;
    if (role == kUserRole) {
        connect(this, &QListWidget::itemDoubleClicked, this, &ContentWidget::renamePreset);
    } else if (role == kFactoryRole) {
        m_strArietteFolder = g_arietteFactoryPresetsFolder;
        m_strCadenzoFolder = g_cadenzoFactoryPresetsFolder;
    }
}

void ContentWidget::addEntry(PresetButton* button)
{
    auto* item = new EntryItem(button);
    item->setData(Qt::SizeHintRole, QSize(button->geometry().width(), button->geometry().height()));
    insertItem(count(), item);
    setItemWidget(item, button);
    m_buttons.append(button);
    applyNameFilter(count() - 1);
}

void ContentWidget::showEntry(PresetButton* entry)
{
    const int row = m_buttons.indexOf(entry);
    if (row < 0)
        return;
    applyNameFilter(row);
    scrollToItem(item(row));
}

void ContentWidget::setNameFilter(const QString& text)
{
    m_strNameFilter = text;
    for (int row = 0; row < count(); ++row)
        applyNameFilter(row);
    // The arrows and the focus ring start from an entry that shows.
    if (currentItem() != nullptr && isRowHidden(currentRow())) {
        const QList<int> shown = targetRows(0, 1);
        selectionModel()->setCurrentIndex(shown.isEmpty() ? QModelIndex() : indexFromItem(item(shown.first())),
                                          QItemSelectionModel::NoUpdate);
    }
}

void ContentWidget::applyNameFilter(int row)
{
    const PresetButton* pEntry = m_buttons.value(row);
    const bool bHide = pEntry != nullptr && !m_strNameFilter.isEmpty() &&
                       !pEntry->presetName().contains(m_strNameFilter, Qt::CaseInsensitive);
    if (bHide)
        item(row)->setSelected(false);
    setRowHidden(row, bHide);
}

void ContentWidget::clearEntries()
{
    // The selection list is emptied first: the entries it points to are about to go with their rows.
    m_selectedButtons.clear();
    m_buttons.clear();
    m_pPressedButton = nullptr;
    m_pDropTarget = nullptr;
    clear();
}

QString ContentWidget::dragMimeType()
{
    return QStringLiteral("application/aurivell/tessitrastageariette/dragndropPresets");
}

QByteArray ContentWidget::dragPayload() const
{
    // The address of this list's selection: unique per list for as long as the program runs, and meaningless
    // to any other program.
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream << static_cast<qint64>(reinterpret_cast<quintptr>(&m_selectedButtons));
    return payload;
}

QString ContentWidget::setListName(int iIndex)
{
    static const char* const names[] = {QT_TR_NOOP("Favorites"), QT_TR_NOOP("Set List A"), QT_TR_NOOP("Set List B"),
                                        QT_TR_NOOP("Set List C"), QT_TR_NOOP("Set List D")};
    return iIndex >= 0 && iIndex < 5 ? tr(names[iIndex]) : QString();
}

QString ContentWidget::spokenName(const PresetButton* entry) const
{
    const QString label = entry->text().section(QLatin1Char('\n'), 0, 0);
    const QString rest = entry->text().section(QLatin1Char('\n'), 1).trimmed();
    if (m_strRole != kSetListRole)
        return QString(label + QLatin1Char(' ') + rest).trimmed();
    // An empty slot shows "EMPTY" in capitals, which a screen reader would spell out letter by letter.
    if (entry->presetNumber() == 0)
        return tr("%1: empty").arg(label);
    return tr("%1: %2").arg(label, rest);
}

QString ContentWidget::spokenDescription() const
{
    if (m_strRole == kUserRole)
        return tr("User preset");
    if (m_strRole == kFactoryRole)
        return tr("Factory preset");
    return tr("Slot of %1").arg(setListName(m_iSetListIndex));
}

QString ContentWidget::presetExtension()
{
    return DeviceManagerThread::instance()->productId() == UsbIds::CadenzoProductId ? QStringLiteral(".tscp")
                                                                                    : QStringLiteral(".tarp");
}

int ContentWidget::confirm(const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
                           bool bCloseOnDeviceRemoved, bool bParentMainWindow)
{
    const std::unique_ptr<QMessageBox> pBox = MainWindow::makeMessageBox(QMessageBox::Question, title, text, buttons,
                                                                         bParentMainWindow ? g_mainWindow : nullptr);
    QMessageBox& box = *pBox;
    const QList<QAbstractButton*> boxButtons = box.buttons();
    for (QAbstractButton* button : boxButtons) {
        if (auto* pushButton = qobject_cast<QPushButton*>(button))
            pushButton->setFlat(true);
    }
    if (bCloseOnDeviceRemoved)
        connect(DeviceManagerThread::instance(), &DeviceManagerThread::deviceRemoved, &box, &QMessageBox::reject);
    return box.exec();
}

void ContentWidget::runOperation(QWidget* parent, const QString& title, const QString& startText, QEvent::Type type,
                                 const std::function<void(DeviceManagerThread*)>& handOver, bool bShowProgress,
                                 int priority)
{
    DeviceManagerThread* pWorker = DeviceManagerThread::instance();
    auto* pDialog = new ProgressDialog(parent);
    pDialog->setWindowTitle(title);
    connect(pWorker, &DeviceManagerThread::operationFinished, pDialog,
            qOverload<int, bool>(&ProgressDialog::onOperationFinished));
    connect(pWorker, &DeviceManagerThread::updateText, pDialog, &ProgressDialog::onUpdateText);
    if (bShowProgress)
        connect(pWorker, &DeviceManagerThread::dataSent, pDialog, &ProgressDialog::onProgress);
    connect(pWorker, &DeviceManagerThread::progress, pDialog, &ProgressDialog::onStepProgress);
    pDialog->setStoppable(DeviceManagerThread::canStop(type));
    // The worker reads its data when the event reaches it: the data first, then the event.
    handOver(pWorker);
    QCoreApplication::postEvent(pWorker, new QEvent(type), priority);
    pDialog->exec(startText, nullptr);
    delete pDialog;
}

void ContentWidget::onDeviceDetected(int iPid)
{
    m_pCurrentFolder = iPid == UsbIds::ArietteProductId ? &m_strArietteFolder : &m_strCadenzoFolder;
}

void ContentWidget::onContextMenuRequested(QPoint globalPos)
{
    if (m_pMenu.isNull()) {
        m_pMenu = new QMenu(this);
        m_pSaveAction =
            new QAction(QIcon(QStringLiteral(":/images/savePreset.png")), tr("Save to computer..."), this);
        m_pLoadAction =
            new QAction(QIcon(QStringLiteral(":/images/loadPreset.png")), tr("Load preset..."), this);
        m_pRenameAction = new QAction(tr("Rename..."), this);
        m_pRemoveAction = new QAction(tr("Remove..."), this);
        m_pCopyAction = new QAction(tr("Copy"), this);
        m_pPasteAction = new QAction(tr("Paste..."), this);
        m_pFindAction = new QAction(tr("Find in back-ups..."), this);
        // Shown in the menu; the list itself answers these keys (keyPressEvent).
        m_pRenameAction->setShortcut(QKeySequence(Qt::Key_F2));
        m_pRemoveAction->setShortcut(QKeySequence::Delete);
        m_pCopyAction->setShortcut(QKeySequence::Copy);
        m_pPasteAction->setShortcut(QKeySequence::Paste);
        connect(m_pSaveAction, &QAction::triggered, this, &ContentWidget::savePreset);
        connect(m_pLoadAction, &QAction::triggered, this, &ContentWidget::loadPreset);
        connect(m_pRenameAction, &QAction::triggered, this, &ContentWidget::renamePreset);
        connect(m_pRemoveAction, &QAction::triggered, this, &ContentWidget::removePreset);
        connect(m_pCopyAction, &QAction::triggered, this, &ContentWidget::copyPresets);
        connect(m_pPasteAction, &QAction::triggered, this, &ContentWidget::pastePresets);
        connect(m_pFindAction, &QAction::triggered, this, &ContentWidget::findInBackUps);
    }
    m_pMenu->clear();

    if (m_selectedButtons.isEmpty())
        return;
    if (m_strRole == kSetListRole) {
        m_pMenu->addAction(m_pRemoveAction);
    } else {
        m_pMenu->addAction(m_pSaveAction);
        if (m_strRole == kUserRole) {
            m_pMenu->addAction(m_pLoadAction);
            if (m_selectedButtons.size() == 1)
                m_pMenu->addActions({m_pRenameAction, m_pFindAction});
        }
        m_pMenu->addAction(m_pCopyAction);
    }
    // Offered wherever Ctrl+V works, greyed out while nothing copied can go here, so the singer finds it.
    if (m_strRole != kFactoryRole) {
        m_pPasteAction->setEnabled(!pasteSources().isEmpty());
        m_pMenu->addAction(m_pPasteAction);
    }
    if (m_strRole == kUserRole)
        m_pMenu->addAction(m_pUndoAction);
    m_pMenu->exec(globalPos);
}

void ContentWidget::onItemSelectionChanged()
{
    TS_DEBUG("Entering");
    QList<PresetButton*> selected;
    const QList<QListWidgetItem*> items = selectedItems();
    for (QListWidgetItem* item : items) {
        // Ctrl+A selects hidden rows too: what the filter hides is never copied, dragged or overwritten.
        if (isRowHidden(row(item)))
            continue;
        if (auto* button = qobject_cast<PresetButton*>(itemWidget(item)))
            selected.append(button);
    }

    const QList<PresetButton*> previous = m_selectedButtons;
    for (PresetButton* button : previous) {
        if (!selected.contains(button)) {
            button->setChecked(false);
            m_selectedButtons.removeOne(button);
        }
    }
    for (PresetButton* button : qAsConst(selected))
        onPresetButtonClicked(button);
}

void ContentWidget::onPresetButtonClicked(PresetButton* pButton)
{
    if (pButton == nullptr || m_selectedButtons.contains(pButton))
        return;
    pButton->setChecked(true);

    // Keep the selection in reading order, whatever order the entries were clicked in.
    const QPoint pos = pButton->pos();
    int index = 0;
    for (; index < m_selectedButtons.size(); ++index) {
        const QPoint other = m_selectedButtons.at(index)->pos();
        if (other.y() > pos.y() || (other.y() == pos.y() && other.x() > pos.x()))
            break;
    }
    m_selectedButtons.insert(index, pButton);
}

void ContentWidget::renamePreset()
{
    if (m_selectedButtons.size() != 1 || m_selectedButtons.first() == nullptr)
        return;
    // Guarded: the list may be refilled while the dialog is open.
    const QPointer<PresetButton> pEntry = m_selectedButtons.first();

    const QString slot = pEntry->text().section(QLatin1Char('\n'), 0, 0);
    QDialog dialog(g_mainWindow);
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog.setObjectName(QStringLiteral("InputDialog"));
    dialog.setWindowTitle(tr("Rename %1").arg(slot));
    dialog.setContentsMargins(10, 0, 10, 0);
    auto* pLayout = new QVBoxLayout(&dialog);
    auto* pLabel = new QLabel(tr("Preset Name"), &dialog);
    pLabel->setObjectName(QStringLiteral("TessitraLabel"));
    auto* pEdit = new QLineEdit(pEntry->presetName(), &dialog);
    pLabel->setBuddy(pEdit); // a screen reader names the field after its label
    // Under the field, once it matters: what the unit's slot holds at most, and what it cannot store.
    auto* pHint = new QLabel(&dialog);
    pHint->setObjectName(QStringLiteral("RenameHint"));
    pHint->setWordWrap(true);
    pHint->hide();
    const int maxLength = g_deviceInfo.maxPresetNameLength.load();
    // The unit keeps one byte per character: blanks, printable ASCII and the Latin-1 letters and signs. Anything
    // else typed or pasted is taken out again (and named), rather than refused without a word.
    connect(pEdit, &QLineEdit::textChanged, &dialog, [pEdit, pHint, maxLength, slot](const QString& text) {
        QString kept;
        QStringList dropped; // each sign once, a pair of surrogates (an emoji) as one
        for (int i = 0; i < text.size(); ++i) {
            const ushort code = text.at(i).unicode();
            if ((code >= 0x20 && code <= 0x7E) || (code >= 0xA0 && code <= 0xFF)) {
                kept += text.at(i);
                continue;
            }
            const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString sign = text.mid(i, length);
            i += length - 1;
            if (!dropped.contains(sign))
                dropped << sign;
        }
        const bool bCut = kept.size() > maxLength;
        kept.truncate(maxLength);
        if (kept != text) {
            const int cursor = qMin(pEdit->cursorPosition(), kept.size());
            const QSignalBlocker blocker(pEdit);
            pEdit->setText(kept);
            pEdit->setCursorPosition(cursor);
        }
        if (dropped.isEmpty() && !bCut && kept.size() < maxLength)
            return;
        pHint->setText(dropped.isEmpty() ? tr("%1: at most %2 characters").arg(slot).arg(maxLength)
                                         : tr("%1: at most %2 characters; the unit cannot store %3")
                                               .arg(slot)
                                               .arg(maxLength)
                                               .arg(dropped.join(QStringLiteral(", "))));
        pHint->show();
    });
    pEdit->selectAll();
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    pButtons->setObjectName(QStringLiteral("TessitraButtonBox"));
    const QList<QAbstractButton*> buttons = pButtons->buttons();
    for (QAbstractButton* button : buttons) {
        if (auto* pushButton = qobject_cast<QPushButton*>(button))
            pushButton->setFlat(true);
    }
    connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    pLayout->addWidget(pLabel);
    pLayout->addWidget(pEdit);
    pLayout->addWidget(pHint);
    pLayout->addWidget(pButtons);
    dialog.resize(300, 100);
    pEdit->setFocus();

    if (dialog.exec() != QDialog::Accepted || pEntry.isNull())
        return;
    const QString name = pEdit->text();
    if (name.isEmpty() || name == pEntry->presetName())
        return;

    // The entry keeps its old name: the worker reports the renamed preset back, and that refreshes the entry.
    const int iPresetNumber = pEntry->presetNumber();
    int* pRecord = pEntry->presetData();
    runOperation(this, tr("Rename"), tr("Renaming Preset..."),
                 DeviceManagerThread::RenamePresetEvent,
                 [&](DeviceManagerThread* pWorker) { pWorker->setRenameData(iPresetNumber, name, -1, pRecord); });
}

int ContentWidget::slotNumber(const PresetButton* entry)
{
    return entry->text().mid(1, 2).toInt();
}

void ContentWidget::removePreset()
{
    // The whole set list is written back: the selected slots as 0 (empty), every other slot as it is.
    QMap<int, int> slotMap;
    for (int row = 0; row < count(); ++row) {
        const auto* pEntry = qobject_cast<PresetButton*>(itemWidget(item(row)));
        if (pEntry == nullptr)
            continue;
        const int key = slotNumber(pEntry) - 1;
        const int value = item(row)->isSelected() ? 0 : pEntry->presetNumber();
        TS_DEBUG("%d %d", key, value);
        slotMap[key] = value;
    }

    // Unlike the other questions, this one stays open when the unit goes away: answering Yes then only shows
    // the worker's "Device disconnected!" in the progress dialog, and the set list is untouched. Closing it
    // under the user's hand would hide what happened to a choice they were about to make.
    const int answer =
        confirm(tr(kLoadPresetsTitle), tr("Do you want to remove selected preset(s) from set list?"),
                QMessageBox::Yes | QMessageBox::No, false);
    if (answer == QMessageBox::Yes) {
        const int iSetList = m_iSetListIndex;
        runOperation(this, tr("Editing Set List"), tr("Removing preset(s) from Set List."),
                     DeviceManagerThread::WriteSetListEvent,
                     [&](DeviceManagerThread* pWorker) { pWorker->setSetListEdit(iSetList, slotMap); });
    }
    clearSelection();
}

void ContentWidget::savePreset()
{
    TS_DEBUG("Entering");
    TS_DEBUG("Directory path before: %s", m_pCurrentFolder->toLocal8Bit().constData());
    const QString folder = m_chooseDirectory(this, tr("Choose Directory"), *m_pCurrentFolder);
    TS_DEBUG("Directory path after: %s", folder.toLocal8Bit().constData());
    if (folder.isEmpty()) {
        TS_DEBUG("Exiting");
        return;
    }
    *m_pCurrentFolder = folder;

    // Guarded: the list may be refilled while an overwrite question is open; an entry gone by then is skipped.
    QList<QPointer<PresetButton>> selected;
    for (PresetButton* pEntry : qAsConst(m_selectedButtons))
        selected.append(pEntry);
    QList<PresetButton*> toSave;
    for (const QPointer<PresetButton>& pEntry : qAsConst(selected)) {
        if (pEntry.isNull())
            continue;
        const QString name = DeviceManagerThread::cleanFileName(pEntry->text() + presetExtension());
        if (QDir(folder).exists(name)) {
            const int answer = confirm(tr("Confirmation"),
                                       tr("%1 file already exists, do you want to overwrite?").arg(name),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, false, false);
            if (answer == QMessageBox::No)
                continue;
            if (answer != QMessageBox::Yes) {
                // Cancel abandons the whole command, the files already confirmed included.
                TS_DEBUG("Exiting");
                return;
            }
        }
        if (!pEntry.isNull())
            toSave.append(pEntry);
    }

    if (!toSave.isEmpty()) {
        runOperation(
            this, tr("Save Presets"), tr("Savings presets..."),
            DeviceManagerThread::SavePresetsToFilesEvent,
            [&](DeviceManagerThread* pWorker) { pWorker->setSaveList(toSave, folder); }, false, Qt::HighEventPriority);
    }
    TS_DEBUG("Exiting");
}

void ContentWidget::loadPreset()
{
    TS_DEBUG("Entering");
    const QString filter = tr("Preset(*%1)", "file type in the file dialog").arg(presetExtension());
    const QStringList files = m_chooseFiles(this, tr("Select Files"), *m_pCurrentFolder, filter);
    if (files.isEmpty()) {
        TS_DEBUG("Exiting");
        return;
    }

    const QList<PresetButton*> targets = m_selectedButtons;
    const int pairs = qMin(files.size(), targets.size());
    QString text = tr(kOverwriteQuestion);
    if (files.size() <= kMaxNamedItems) {
        QStringList targetNames;
        QStringList fileNames;
        for (int i = 0; i < pairs; ++i) {
            targetNames.append(entryLabel(targets.at(i)));
            fileNames.append(QFileInfo(files.at(i)).fileName());
        }
        text = tr("Do you want to overwrite the presets <b>%1</b>\nwith\n<b>%2</b>?")
                   .arg(joinNames(targetNames), joinNames(fileNames));
    }

    // The numbers are taken before the question: the list may be refilled while it is open.
    QList<int> destinations;
    for (int i = 0; i < pairs; ++i)
        destinations.append(targets.at(i)->presetNumber());
    const QStringList paths = files.mid(0, pairs);
    if (confirm(tr(kLoadPresetsTitle), text, QMessageBox::Yes | QMessageBox::No, false) == QMessageBox::Yes) {
        runOperation(this, tr("Load Preset"), tr("Loading presets."),
                     DeviceManagerThread::LoadPresetFilesEvent, [&](DeviceManagerThread* pWorker) {
                         pWorker->setPresetTransfer(destinations, paths, QList<int>());
                     });
    }
    TS_DEBUG("Exiting");
}

void ContentWidget::mousePressEvent(QMouseEvent* e)
{
    QListWidget::mousePressEvent(e);
    QListWidgetItem* pItem = itemAt(e->pos());
    emit itemPressed(pItem);
    m_pPressedButton = pItem != nullptr ? qobject_cast<PresetButton*>(itemWidget(pItem)) : nullptr;
    if (m_pPressedButton != nullptr && !m_selectedButtons.isEmpty())
        m_dragStartPos = e->pos();
    else
        m_pPressedButton = nullptr;
}

void ContentWidget::mouseReleaseEvent(QMouseEvent* e)
{
    m_pPressedButton = nullptr;
    QListWidget::mouseReleaseEvent(e);
}

void ContentWidget::contextMenuEvent(QContextMenuEvent* e)
{
    if (e->reason() == QContextMenuEvent::Keyboard)
        keyboardMenu();
    else
        onContextMenuRequested(e->globalPos());
}

int ContentWidget::linePitch() const
{
    const QList<int> shown = targetRows(0, count());
    if (shown.isEmpty())
        return 1;
    const QRect first = visualItemRect(item(shown.first()));
    for (int row : shown) {
        const int top = visualItemRect(item(row)).top();
        if (top != first.top())
            return qMax(1, top - first.top());
    }
    return first.height() + spacing();
}

void ContentWidget::updateGeometries()
{
    QListWidget::updateGeometries();
    verticalScrollBar()->setSingleStep(linePitch());
}

void ContentWidget::wheelEvent(QWheelEvent* e)
{
    // One notch (120) moves one line of entries, whatever the desktop's lines per notch; a finer wheel or a
    // touch pad moves in proportion, the part of a pixel left over kept for its next event.
    const int delta = e->angleDelta().y();
    if (delta == 0) {
        QListWidget::wheelEvent(e);
        return;
    }
    m_iWheelRemainder += delta * linePitch();
    const int pixels = m_iWheelRemainder / 120;
    m_iWheelRemainder -= pixels * 120;
    verticalScrollBar()->setValue(verticalScrollBar()->value() - pixels);
    e->accept();
}

void ContentWidget::keyPressEvent(QKeyEvent* e)
{
    const bool bArrow = e->modifiers() == Qt::NoModifier && (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right ||
                                                             e->key() == Qt::Key_Up || e->key() == Qt::Key_Down);
    if (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier)
        keyboardMenu();
    else if (e == QKeySequence::Copy && m_strRole != kSetListRole)
        copyPresets();
    else if (e == QKeySequence::Paste)
        pastePresets();
    else if (e->key() == Qt::Key_F2 && e->modifiers() == Qt::NoModifier && m_strRole == kUserRole)
        renamePreset();
    else if (e == QKeySequence::Delete && m_strRole == kSetListRole && !m_selectedButtons.isEmpty())
        removePreset();
    else if (bArrow && m_selectedButtons.isEmpty() && currentItem() != nullptr)
        // The ring already shows on the entry the arrows rest on (the first one once the list is tabbed into):
        // the first arrow picks that entry instead of jumping past it.
        setCurrentItem(currentItem(), QItemSelectionModel::ClearAndSelect);
    else
        QListWidget::keyPressEvent(e);
}

void ContentWidget::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListWidget::currentChanged(current, previous);
    markCurrentEntry();
}

void ContentWidget::focusInEvent(QFocusEvent* e)
{
    QListWidget::focusInEvent(e);
    markCurrentEntry();
}

void ContentWidget::focusOutEvent(QFocusEvent* e)
{
    QListWidget::focusOutEvent(e);
    markCurrentEntry();
}

void ContentWidget::markCurrentEntry()
{
    // The entries cover the view's own focus rectangle, so the entry itself shows the ring (the style sheet's
    // [current="true"] look), also on an empty slot, where a paste lands.
    PresetButton* pNow = nullptr;
    if (hasFocus() && currentItem() != nullptr)
        pNow = qobject_cast<PresetButton*>(itemWidget(currentItem()));
    if (pNow == m_pRingedEntry)
        return;
    setRinged(m_pRingedEntry, false);
    setRinged(pNow, true);
    m_pRingedEntry = pNow;
}

void ContentWidget::keyboardMenu()
{
    // The entry the arrow keys rest on is the one meant, even when nothing is selected yet.
    QListWidgetItem* pCurrent = currentItem();
    if (pCurrent != nullptr && m_selectedButtons.isEmpty())
        pCurrent->setSelected(true);
    QListWidgetItem* pAt = pCurrent;
    if (!m_selectedButtons.isEmpty())
        pAt = item(m_buttons.indexOf(m_selectedButtons.first()));
    const QRect rect = pAt != nullptr ? visualItemRect(pAt) : viewport()->rect();
    onContextMenuRequested(viewport()->mapToGlobal(rect.center()));
}

void ContentWidget::copyPresets()
{
    if (m_strRole == kSetListRole || m_selectedButtons.isEmpty())
        return;
    copiedFrom() = this;
    copiedEntries().clear();
    for (PresetButton* pEntry : qAsConst(m_selectedButtons))
        copiedEntries().append(pEntry);
}

void ContentWidget::findInBackUps()
{
    if (m_strRole != kUserRole || m_selectedButtons.size() != 1)
        return;
    const PresetButton* pEntry = m_selectedButtons.first();
    QVector<int> settings;
    const int nameLength = pEntry->maxPresetNameLength(), paramCount = pEntry->maxPresetParamLength();
    // Names alone are read on connection; the settings are known once the record itself was read.
    if (pEntry->presetData() != nullptr && nameLength >= 0 && paramCount > 0)
        settings = QVector<int>(pEntry->presetData() + nameLength, pEntry->presetData() + nameLength + paramCount);
    emit findInBackUpsRequested(pEntry->presetName(), settings);
}

QList<PresetButton*> ContentWidget::pasteSources() const
{
    QList<PresetButton*> sources;
    if (copiedFrom().isNull() || presetDropKind(copiedFrom()) == DropKind::Refused)
        return sources;
    for (const QPointer<PresetButton>& pEntry : qAsConst(copiedEntries())) {
        if (pEntry.isNull())
            return {};
        sources.append(pEntry);
    }
    return sources;
}

void ContentWidget::pastePresets()
{
    const QList<PresetButton*> sources = pasteSources();
    if (sources.isEmpty() || m_selectedButtons.isEmpty())
        return;
    const int iRow = m_buttons.indexOf(m_selectedButtons.first());
    // The slots about to be written show lit while the question is open, as under a drag.
    highlightTargets(iRow, sources.size());
    if (presetDropKind(copiedFrom()) == DropKind::CopyFactoryPresets)
        dropFactoryPresets(sources, iRow);
    else
        dropOnSetList(sources, iRow);
}

// ---------------------------------------------------------------------------------------------------------------
// Drag and drop

QPixmap ContentWidget::dragImage() const
{
    const int n = m_selectedButtons.size();
    if (n == 1) {
        // The entry as the list shows it, background and border included; only its rectangle is rendered.
        const PresetButton* pEntry = m_selectedButtons.first();
        QPixmap pixmap(pEntry->size());
        pixmap.fill(QColor(0, 0, 0, 0));
        viewport()->render(&pixmap, QPoint(0, 0), QRegion(pEntry->frameGeometry()),
                           QWidget::DrawWindowBackground | QWidget::DrawChildren);
        pixmap.setMask(pixmap.mask());
        return pixmap;
    }
    QPixmap pixmap(QStringLiteral(":/images/presets_selected.png"));
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setWeight(75);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 255));
    // The trailing line break lifts the count above the middle of the picture.
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::number(n) + QStringLiteral("\n"));
    return pixmap;
}

void ContentWidget::mouseMoveEvent(QMouseEvent* e)
{
    if (!(e->buttons() & Qt::LeftButton)) {
        m_pPressedButton = nullptr;
        QListWidget::mouseMoveEvent(e);
        return;
    }
    if ((e->pos() - m_dragStartPos).manhattanLength() < QApplication::startDragDistance()) {
        e->ignore();
        return;
    }
    if (m_pPressedButton == nullptr || m_selectedButtons.isEmpty()) {
        m_pPressedButton = nullptr;
        QListWidget::mouseMoveEvent(e);
        return;
    }

    QElapsedTimer timer;
    timer.start();
    TS_DEBUG("start dragging");
    auto* pMimeData = new QMimeData();
    pMimeData->setData(dragMimeType(), dragPayload());

    delete m_pDrag.data();
    m_pDrag = new QDrag(this);
    m_pDrag->setMimeData(pMimeData);
    const QPixmap image = dragImage();
    m_pDrag->setPixmap(image);
    m_pDrag->setHotSpot(QPoint(image.width() / 2, image.height() * 2 / 3));
    TS_DEBUG("time taken to start drag in mili secs: %d", static_cast<int>(timer.elapsed()));

    QCoreApplication::processEvents();
    // Blocks in a nested event loop until the drop or the cancel; the device worker's signals still arrive.
    const Qt::DropAction result = m_pDrag->exec(Qt::CopyAction);
    m_pPressedButton = nullptr;
    if (result == Qt::IgnoreAction)
        TS_DEBUG("files not dropped");
    else
        TS_DEBUG("files copied");
}

ContentWidget* ContentWidget::dragSource(const QDropEvent* e) const
{
    if (auto* pSource = qobject_cast<ContentWidget*>(e->source()))
        return pSource;
    // Some drags reach us without a source object (a drag replayed by a test or an accessibility tool, a
    // platform that does not pass it on); the payload still names the list inside this program.
    const QMimeData* pMime = e->mimeData();
    if (pMime == nullptr || !pMime->hasFormat(dragMimeType()))
        return nullptr;
    const QByteArray payload = pMime->data(dragMimeType());
    if (payload.size() != 8)
        return nullptr;
    const QList<ContentWidget*>& lists = liveLists();
    for (ContentWidget* pList : lists) {
        if (pList->dragPayload() == payload)
            return pList;
    }
    return nullptr;
}

ContentWidget::DropKind ContentWidget::dropKind(const QDropEvent* e, const ContentWidget* src) const
{
    if (src == this)
        return DropKind::Refused;
    if (src == nullptr) {
        // Files from the file pane or the desktop: user presets only, and only preset files of the model
        // connected (case matters: "x.TARP" is not taken).
        if (m_strRole != kUserRole || e->mimeData() == nullptr)
            return DropKind::Refused;
        BackUpDrag fromBackUp;
        if (BackUpDrag::decode(e->mimeData(), &fromBackUp))
            return DropKind::BackUpPresets;
        const QList<QUrl> urls = e->mimeData()->urls();
        // A drag without files would do nothing here, so it shows the forbidden cursor.
        if (urls.isEmpty())
            return DropKind::Refused;
        const QString extension = presetExtension();
        for (const QUrl& url : urls) {
            const QString path = url.toLocalFile();
            const QFileInfo info(path);
            if (info.isDir() || !info.fileName().endsWith(extension, Qt::CaseSensitive))
                return DropKind::Refused;
        }
        return DropKind::LoadFiles;
    }
    return presetDropKind(src);
}

ContentWidget::DropKind ContentWidget::presetDropKind(const ContentWidget* src) const
{
    if (src == this || src == nullptr)
        return DropKind::Refused;
    if (m_strRole == kUserRole && src->role() == kFactoryRole)
        return DropKind::CopyFactoryPresets;
    if (m_strRole == kSetListRole && (src->role() == kUserRole || src->role() == kFactoryRole))
        return DropKind::WriteSetList;
    return DropKind::Refused;
}

int ContentWidget::draggedCount(const QDropEvent* e, const ContentWidget* src)
{
    if (src != nullptr)
        return src->m_selectedButtons.size();
    BackUpDrag fromBackUp;
    if (BackUpDrag::decode(e->mimeData(), &fromBackUp))
        return fromBackUp.presets.size();
    return e->mimeData() != nullptr ? e->mimeData()->urls().size() : 0;
}

QList<int> ContentWidget::targetRows(int row, int n) const
{
    QList<int> rows;
    for (int r = qMax(row, 0); r < count() && rows.size() < n; ++r) {
        if (!isRowHidden(r))
            rows.append(r);
    }
    return rows;
}

void ContentWidget::highlightTargets(int row, int n)
{
    clearSelection();
    const QList<int> rows = targetRows(row, n);
    for (int r : rows)
        item(r)->setSelected(true);
}

void ContentWidget::dragEnterEvent(QDragEnterEvent* e)
{
    // Whatever it carries, a drag from elsewhere is let in; each move decides whether it may land.
    if (dragSource(e) == this)
        e->ignore();
    else
        e->accept();
}

void ContentWidget::dragScroll(const QPoint& pos)
{
    // Only a moving pointer scrolls, deeper into the margin faster. Scrolling on a timer would carry the
    // list on under a pointer that has stopped over a slot near the edge, and the drop would land on
    // another slot than the one lit, or on none.
    if (pos == m_lastDragPos)
        return;
    m_lastDragPos = pos;
    const int margin = autoScrollMargin();
    const QRect area = viewport()->rect();
    if (!area.contains(pos))
        return;
    int step = 0;
    if (pos.y() - area.top() < margin)
        step = -(margin - (pos.y() - area.top()));
    else if (area.bottom() - pos.y() < margin)
        step = margin - (area.bottom() - pos.y());
    if (step != 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + step);
}

void ContentWidget::dragLeaveEvent(QDragLeaveEvent* e)
{
    // The highlighted slots stay selected.
    QListWidget::dragLeaveEvent(e);
}

void ContentWidget::dragMoveEvent(QDragMoveEvent* e)
{
    // Refused (the forbidden cursor) unless accepted below.
    e->ignore();
    ContentWidget* pSource = dragSource(e);
    if (pSource == this)
        return;
    if (dropKind(e, pSource) == DropKind::Refused) {
        m_pDropTarget = nullptr;
        return;
    }
    // The target is taken after any scrolling: it is the slot under the pointer now, and stays so.
    dragScroll(e->pos());
    QListWidgetItem* pItem = itemAt(e->pos());
    m_pDropTarget = pItem != nullptr ? qobject_cast<PresetButton*>(itemWidget(pItem)) : nullptr;
    if (m_pDropTarget == nullptr) {
        clearSelection();
        return;
    }
    e->accept();
    highlightTargets(row(pItem), draggedCount(e, pSource));
}

void ContentWidget::dropEvent(QDropEvent* e)
{
    TS_DEBUG("Entering");
    e->accept();
    ContentWidget* pSource = dragSource(e);
    const DropKind kind = dropKind(e, pSource);
    QListWidgetItem* pItem = itemAt(e->pos());
    // Qt only delivers a drop the last move accepted, so neither case happens from a real drag; a drop that
    // arrives regardless changes nothing.
    if (kind == DropKind::Refused || pItem == nullptr || qobject_cast<PresetButton*>(itemWidget(pItem)) == nullptr) {
        e->ignore();
        TS_DEBUG("Exiting");
        return;
    }
    const int iRow = row(pItem);
    switch (kind) {
    case DropKind::CopyFactoryPresets:
        dropFactoryPresets(pSource->m_selectedButtons, iRow);
        break;
    case DropKind::LoadFiles:
        dropFiles(e->mimeData()->urls(), iRow);
        break;
    case DropKind::WriteSetList:
        dropOnSetList(pSource->m_selectedButtons, iRow);
        break;
    case DropKind::BackUpPresets: {
        BackUpDrag fromBackUp;
        if (BackUpDrag::decode(e->mimeData(), &fromBackUp))
            emit backUpPresetsDropped(fromBackUp.path, fromBackUp.presets, iRow);
        break;
    }
    case DropKind::Refused:
        break;
    }
    TS_DEBUG("Exiting");
}

void ContentWidget::dropFactoryPresets(const QList<PresetButton*>& sourceEntries, int iRow)
{
    const QList<PresetButton*> sources = sourceEntries;
    QList<PresetButton*> targets;
    for (int row : targetRows(iRow, sources.size()))
        targets.append(qobject_cast<PresetButton*>(itemWidget(item(row))));
    if (targets.contains(nullptr)) {
        clearSelection();
        return;
    }

    QString text = tr(kOverwriteQuestion);
    if (sources.size() <= kMaxNamedItems) {
        QStringList targetNames;
        QStringList sourceNames;
        for (int i = 0; i < targets.size(); ++i) {
            targetNames.append(entryLabel(targets.at(i)));
            sourceNames.append(entryLabel(sources.at(i)));
        }
        text = tr("Do you want to overwrite the presets <b>%1</b>\nwith\n<b>%2</b>?")
                   .arg(joinNames(targetNames), joinNames(sourceNames));
    }
    // The numbers are taken before the question: the lists may be refilled while it is open.
    QList<int> destinations;
    QList<int> sourceNumbers;
    for (int i = 0; i < targets.size(); ++i) {
        destinations.append(targets.at(i)->presetNumber());
        sourceNumbers.append(sources.at(i)->presetNumber());
    }
    if (confirm(tr(kLoadPresetsTitle), text) != QMessageBox::Yes) {
        clearSelection();
        return;
    }
    for (int i = 0; i < destinations.size(); ++i)
        TS_DEBUG("Src: %d, dst: %d", sourceNumbers.at(i), destinations.at(i));
    runOperation(
        this, tr("Load Preset"), tr("Loading presets."), DeviceManagerThread::CopyPresetsEvent,
        [&](DeviceManagerThread* pWorker) { pWorker->setPresetTransfer(destinations, QStringList(), sourceNumbers); });
}

void ContentWidget::dropFiles(const QList<QUrl>& urls, int iRow)
{
    QList<PresetButton*> targets;
    for (int row : targetRows(iRow, urls.size()))
        targets.append(qobject_cast<PresetButton*>(itemWidget(item(row))));
    if (targets.contains(nullptr)) {
        clearSelection();
        return;
    }

    QString text = tr(kOverwriteQuestion);
    if (urls.size() <= kMaxNamedItems) {
        QStringList targetNames;
        QStringList fileNames;
        for (int i = 0; i < targets.size(); ++i) {
            targetNames.append(DeviceManagerThread::cleanFileName(targets.at(i)->text()));
            fileNames.append(QFileInfo(urls.at(i).toLocalFile()).completeBaseName());
        }
        text = tr("Do you want to overwrite the presets <b>%1</b> with <b>%2</b>?")
                   .arg(joinNames(targetNames), joinNames(fileNames));
    }
    QList<int> destinations;
    QStringList paths;
    for (int i = 0; i < targets.size(); ++i) {
        destinations.append(targets.at(i)->presetNumber());
        paths.append(urls.at(i).toLocalFile());
    }
    if (confirm(tr(kLoadPresetsTitle), text) != QMessageBox::Yes) {
        clearSelection();
        return;
    }
    runOperation(this, tr("Load Preset"), tr("Loading presets."),
                 DeviceManagerThread::LoadPresetFilesEvent,
                 [&](DeviceManagerThread* pWorker) { pWorker->setPresetTransfer(destinations, paths, QList<int>()); });
}

void ContentWidget::dropOnSetList(const QList<PresetButton*>& sourceEntries, int iRow)
{
    const QList<PresetButton*> sources = sourceEntries;
    QMap<int, int> slotMap;
    const QList<int> rows = targetRows(iRow, sources.size());
    for (int i = 0; i < rows.size(); ++i) {
        const auto* pTarget = qobject_cast<PresetButton*>(itemWidget(item(rows.at(i))));
        if (pTarget == nullptr)
            continue;
        const int key = slotNumber(pTarget) - 1;
        const int value = sources.at(i)->presetNumber();
        TS_DEBUG("%d %d", key, value);
        slotMap[key] = value;
    }

    if (confirm(tr(kLoadPresetsTitle),
                tr("Do you want to edit <b>%1</b>?").arg(setListName(m_iSetListIndex))) !=
        QMessageBox::Yes) {
        clearSelection();
        return;
    }
    // Only the dropped slots travel; the worker keeps every other slot as the unit holds it.
    const int iSetList = m_iSetListIndex;
    runOperation(this, tr("Editing Set List"), tr("Adding preset(s) to Set List."),
                 DeviceManagerThread::WriteSetListEvent,
                 [&](DeviceManagerThread* pWorker) { pWorker->setSetListEdit(iSetList, slotMap); });
}
