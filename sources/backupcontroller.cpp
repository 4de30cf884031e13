#include "backupcontroller.h"

#include "DeviceManagerThread.h"
#include "Settings.h"
#include "backupcompare.h"
#include "backupview.h"
#include "contentwidget.h"
#include "deviceinfo.h"
#include "globals.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "presetlabel.h"
#include "presetname.h"
#include "restoreselecteddlg.h"
#include "resultcodes.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QListView>
#include <QLocale>
#include <QMimeData>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>

#include <algorithm>

namespace {
constexpr int kSetLists = 5;
constexpr int kSlots = 20;
// A question names at most this many presets (a set list's length), as the lists' own questions do.
constexpr int kMostNamed = 20;

bool isBackUpFile(const QString& path)
{
    return path.endsWith(QLatin1String(".tarb"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".tscb"), Qt::CaseInsensitive);
}

// The one back-up file a drag carries, empty for anything else.
QString draggedBackUp(const QMimeData* pMime)
{
    if (pMime == nullptr || pMime->urls().size() != 1 || !pMime->urls().constFirst().isLocalFile())
        return QString();
    const QString path = pMime->urls().constFirst().toLocalFile();
    return isBackUpFile(path) ? path : QString();
}

bool sameModel(const BackUpImage& a, const BackUpImage& b)
{
    return a.productCode == b.productCode && a.nameLength == b.nameLength && a.paramCount == b.paramCount &&
           a.presetCount == b.presetCount;
}

// "U08", "U08 and set list A", "U08, U09 and set list A".
QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.value(0);
    return BackUpController::tr("%1 and %2")
        .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.constLast());
}
} // namespace

BackUpController::BackUpController(MainWindow* pWindow, Ui_MainWindow* pUi)
    : QObject(pWindow), m_pWindow(pWindow), m_pView(pUi->backUpView), m_pUserList(pUi->listWidgetUserPreset),
      m_unitSetLists(kSetLists * kSlots, -1)
{
    setObjectName(QStringLiteral("backUpController"));
    m_chooseFile = [](QWidget* pParent, const QString& caption, const QString& folder, const QString& filter) {
        return QFileDialog::getOpenFileName(pParent, caption, folder, filter);
    };
    // Names, set lists and the unit's state arrive in bursts (a whole read): the marks follow once it has passed.
    m_marksTimer.setSingleShot(true);
    m_marksTimer.setInterval(0);
    connect(&m_marksTimer, &QTimer::timeout, this, &BackUpController::updateMarks);

    connect(m_pView, &BackUpView::closeRequested, this, &BackUpController::closeBackUp);
    connect(m_pView, &BackUpView::compareSettingsRequested, this, &BackUpController::compareSettings);
    connect(m_pView, &BackUpView::compareFileRequested, this, &BackUpController::compareWithFile);
    connect(m_pView, &BackUpView::compareUnitRequested, this, &BackUpController::compareWithUnit);
    connect(m_pView, &BackUpView::restoreSelectedRequested, this, &BackUpController::restoreSelected);
    connect(m_pUserList, &ContentWidget::backUpPresetsDropped, this, &BackUpController::putBack);
    connect(pWindow, &MainWindow::backUpOpenRequested, this, [this](const QString& path) { openBackUp(path); });
    // A back-up file double-clicked in the file pane, or dropped anywhere on the window that takes no drop itself.
    QListView* pFiles = pUi->listViewFileBrowser;
    connect(pFiles, &QListView::doubleClicked, this, [this, pFiles](const QModelIndex& index) {
        const auto* pModel = qobject_cast<const QFileSystemModel*>(pFiles->model());
        if (pModel != nullptr && !pModel->isDir(index) && isBackUpFile(pModel->filePath(index)))
            openBackUp(pModel->filePath(index));
    });
    pWindow->setAcceptDrops(true);
    pWindow->installEventFilter(this);

    // What the window reads of the unit is what the names and set lists are compared with; anything that changes
    // the unit drops the records read for the settings. The preset records handed over belong to the window: only
    // the fact that they came counts here.
    DeviceManagerThread* pWorker = DeviceManagerThread::instance();
    using W = DeviceManagerThread;
    connect(pWorker, qOverload<int, int, int, int*, int, int, int, int>(&W::singlePresetData), this,
            [this] { unitChanged(); });
    connect(pWorker, qOverload<int, int, int, QString, int, int, int, int>(&W::singlePresetData), this,
            [this] { unitChanged(); });
    connect(pWorker, qOverload<int, int, int, const int*, int, int, int, int>(&W::presetData), this,
            [this] { unitChanged(); });
    connect(pWorker, qOverload<int, int, int, QStringList>(&W::presetData), this, [this] { unitChanged(); });
    connect(pWorker, &W::setListData, this, [this](int index, const QVector<int>& entries) {
        if (index < 0 || index >= kSetLists || entries.size() < kSlots)
            return;
        for (int k = 0; k < kSlots; ++k)
            m_unitSetLists[index * kSlots + k] = entries.at(k) & 0xFF;
        unitChanged();
    });
    connect(pWorker, &W::undoAvailable, this, [this] { unitChanged(); });
    connect(pWorker, &W::operationFinished, this, [this](int result, bool) {
        if (result != ResultCode::Success) // a write that failed midway may have changed something
            unitChanged();
    });
    const auto unitGoneOrNew = [this] {
        m_unitSetLists.fill(-1);
        unitChanged();
    };
    connect(pWorker, &W::deviceRemoved, this, unitGoneOrNew);
    connect(pWorker, &W::deviceDetected, this, unitGoneOrNew);
    connect(pWorker, &W::unitRead, this, [this](const BackUpImage& image) {
        if (m_bReading)
            m_unitImage = image;
    });
}

BackUpController::~BackUpController() = default;

bool BackUpController::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    const QEvent::Type type = pEvent->type();
    if (pWatched != m_pWindow || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return QObject::eventFilter(pWatched, pEvent);
    auto* pDrop = static_cast<QDropEvent*>(pEvent);
    const QString path = draggedBackUp(pDrop->mimeData());
    if (path.isEmpty())
        return false;
    pDrop->acceptProposedAction();
    // Opened once the drop is over: the drag's owner is still waiting for its answer.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path] { openBackUp(path); });
    return true;
}

void BackUpController::openBackUp(const QString& path, int userSlot)
{
    BackUpImage image;
    const int result = BackUpImage::read(path, image);
    const QString name = QFileInfo(path).fileName();
    // A preset file reads as a bank of one preset without set lists: no back-up to compare.
    if (result != ResultCode::Success || (image.presetCount == 1 && !image.hasSetLists)) {
        const QString text = result == ResultCode::FileNotFound    ? tr("%1: File not found.").arg(name)
                             : result == ResultCode::FileCorrupted ? tr("%1 is cut short or damaged.").arg(name)
                                                                   : tr("%1 is not a back-up file.").arg(name);
        MainWindow::makeMessageBox(QMessageBox::Warning, tr("Open Back-Up"), text, QMessageBox::Ok, m_pWindow)->exec();
        return;
    }
    m_image = image;
    m_other.reset();
    m_pView->showBackUp(QFileInfo(path).absoluteFilePath(), image, QFileInfo(path).lastModified());
    m_pView->setComparingFiles(false);
    if (!m_pView->isVisible()) {
        m_pView->show();
        // The lists keep the room their tabs need in one row; the back-up takes the rest, up to what shows its
        // names whole, and at least what shows its words. The singer can move the handle.
        if (auto* pSplitter = qobject_cast<QSplitter*>(m_pView->parentWidget())) {
            constexpr int kWidestPanel = 420;
            QWidget* pLists = pSplitter->widget(0);
            int listsNeed = pLists->minimumSizeHint().width();
            if (const auto* pTabs = pLists->findChild<QTabWidget*>())
                listsNeed =
                    std::max(listsNeed, pTabs->tabBar()->sizeHint().width() + pLists->width() - pTabs->width() + 8);
            const int total = pSplitter->width() - pSplitter->handleWidth();
            const int panelMin = m_pView->minimumSizeHint().width();
            const int panel = std::clamp(total - listsNeed, panelMin, std::max(panelMin, kWidestPanel));
            pSplitter->setSizes({total - panel, panel});
        }
    }
    updateMarks();
    m_pView->selectPreset(userSlot);
}

void BackUpController::closeBackUp()
{
    m_pView->hide();
    m_image.reset();
    m_other.reset();
    m_pUserList->setFocus(Qt::OtherFocusReason);
}

bool BackUpController::fitsUnit() const
{
    return m_image && g_bDeviceConnected.load() && m_image->productCode == g_deviceInfo.hardwareProductCode.load() &&
           m_image->nameLength == g_deviceInfo.maxPresetNameLength.load() &&
           m_image->paramCount == g_deviceInfo.maxPresetParamLength.load() &&
           m_image->presetCount == g_deviceInfo.presetCount.load();
}

void BackUpController::unitChanged()
{
    if (m_bReading)
        return;
    m_unitImage.reset();
    scheduleMarks();
}

void BackUpController::scheduleMarks()
{
    if (m_image)
        m_marksTimer.start();
}

QString BackUpController::presetText(int presetNumber) const
{
    return PresetLabel::label(presetNumber) + QLatin1Char(' ') +
           PresetName::fromCodes(m_image->record(presetNumber - 1), m_image->nameLength);
}

void BackUpController::updateMarks()
{
    if (!m_image)
        return;
    using BackUpCompare::Mark;
    const BackUpImage& shown = *m_image;
    const int firstList = shown.presetCount;
    const int sysRow = firstList + kSetLists;
    QVector<BackUpView::Mark> marks(sysRow + 1, {tr("not compared"), false});
    const auto put = [&marks](int row, Mark mark) {
        static const char* const texts[] = {QT_TR_NOOP("same"), QT_TR_NOOP("other settings"), QT_TR_NOOP("renamed"),
                                            QT_TR_NOOP("changed"), QT_TR_NOOP("missing")};
        marks[row] = {tr(texts[static_cast<int>(mark)]), mark != Mark::Same};
    };
    const auto putRows = [&](const BackUpImage& reference) {
        for (const BackUpCompare::Row& row : BackUpCompare::compare(reference, shown))
            put(row.kind == BackUpCompare::Kind::Preset    ? row.index - 1
                : row.kind == BackUpCompare::Kind::SetList ? firstList + row.index
                                                           : sysRow,
                row.mark);
    };
    QString reference;
    if (m_other) {
        putRows(*m_other);
        reference = tr("Compared with %1, taken %2")
                        .arg(QFileInfo(m_strOtherPath).fileName(),
                             QLocale().toString(QFileInfo(m_strOtherPath).lastModified(), QLocale::ShortFormat));
    } else if (fitsUnit() && m_unitImage) {
        putRows(*m_unitImage);
        reference = tr("Compared with the unit, settings included.");
    } else if (fitsUnit()) {
        // By name only: the same name may still hold other settings until the unit's records are read.
        const QList<PresetButton*> entries = m_pUserList->entries();
        for (const PresetButton* pEntry : entries) {
            const int number = pEntry->presetNumber();
            if (number < 1 || number > shown.presetCount)
                continue;
            if (PresetName::fromCodes(shown.record(number - 1), shown.nameLength) == pEntry->presetName())
                marks[number - 1] = {tr("same name"), false};
            else
                put(number - 1, Mark::Renamed);
        }
        for (int index = 0; index < kSetLists; ++index)
            if (m_unitSetLists.at(index * kSlots) >= 0)
                put(firstList + index, BackUpCompare::setListMark(m_unitSetLists, shown.setLists, index));
        reference = tr("Compared with the unit by names and set lists; Compare settings reads its presets once.");
    } else {
        reference = g_bDeviceConnected.load() ? tr("Not compared: the unit connected is of another model.")
                                              : tr("Not compared: no unit is connected.");
    }
    m_presetMarks.clear();
    for (int row = 0; row < firstList; ++row)
        m_presetMarks.append(marks.at(row).text);
    m_pView->setMarks(marks);
    m_pView->setReference(reference);
    m_pView->setCompareSettingsEnabled(!m_other && fitsUnit() && !m_unitImage);
    m_pView->setRestoreEnabled(fitsUnit());
}

void BackUpController::run(const QString& title, const QString& startText, int type,
                           const std::function<void()>& handOver)
{
    MainWindow::handOverSafetyOptions();
    ContentWidget::runOperation(m_pWindow, title, startText, static_cast<QEvent::Type>(type),
                                [&handOver](DeviceManagerThread*) { handOver(); });
}

void BackUpController::compareSettings()
{
    if (!fitsUnit() || m_unitImage)
        return;
    // A read costs what a back-up costs; its box tells the step and the time left, and Cancel stops it.
    m_bReading = true;
    run(tr("Compare Settings"), tr("Reading the presets of the unit..."), DeviceManagerThread::ReadUnitEvent, [] {});
    m_bReading = false;
    updateMarks();
}

void BackUpController::compareWithFile()
{
    if (!m_image)
        return;
    const QFileInfo shown(m_pView->path());
    const QString path =
        m_chooseFile(m_pWindow, tr("Compare With"), shown.absolutePath(), tr("BACKUP(*.%1)").arg(shown.suffix()));
    if (path.isEmpty())
        return;
    BackUpImage other;
    const int result = BackUpImage::read(path, other);
    const QString name = QFileInfo(path).fileName();
    QString refusal;
    if (result == ResultCode::FileNotFound)
        refusal = tr("%1: File not found.").arg(name);
    else if (result == ResultCode::FileCorrupted)
        refusal = tr("%1 is cut short or damaged.").arg(name);
    else if (result != ResultCode::Success || (other.presetCount == 1 && !other.hasSetLists))
        refusal = tr("%1 is not a back-up file.").arg(name);
    else if (!sameModel(other, *m_image))
        refusal = tr("%1 and %2 are back-ups of different models.").arg(shown.fileName(), name);
    if (!refusal.isEmpty()) {
        MainWindow::makeMessageBox(QMessageBox::Warning, tr("Compare With"), refusal, QMessageBox::Ok, m_pWindow)
            ->exec();
        return;
    }
    m_other = other;
    m_strOtherPath = path;
    m_pView->setComparingFiles(true);
    updateMarks();
}

void BackUpController::compareWithUnit()
{
    m_other.reset();
    m_pView->setComparingFiles(false);
    updateMarks();
}

// What k presets cost: a write and its read-back each, about 4 s a preset. Above some 40 presets a whole restore
// is quicker, and the singer sees it in the time said here and in the restore question.
QString BackUpController::presetsTime(int presets)
{
    if (presets == 0)
        return QString();
    const OperationPlan plan = OperationPlan::writePresets(OperationPlan::Unit::connected(), presets, false,
                                                           CSettings::instance()->m_bVerifyWrites, 0);
    return QLatin1Char(' ') + OperationPlan::durationText(plan.totalMs());
}

void BackUpController::restoreSelected()
{
    if (!fitsUnit())
        return;
    const QString path = m_pView->path();
    const QString fileName = QFileInfo(path).fileName();
    RestoreSelectedDlg dialog(*m_image, fileName, m_presetMarks, m_pWindow);
    dialog.choose(m_pView->selectedPresets(), m_pView->selectedSetLists(), m_pView->sysParamsSelected());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QList<int> presets = dialog.presets();
    const QList<int> setLists = dialog.setLists();
    const bool bSysParams = dialog.sysParams();
    QStringList chosen;
    for (int number : presets)
        chosen.append(PresetLabel::label(number));
    for (int index : setLists)
        chosen.append(index == 0 ? tr("the favourites") : tr("set list %1").arg(PresetLabel::setListName(index)));
    if (bSysParams)
        chosen.append(tr("the system parameters"));
    if (chosen.isEmpty() ||
        !m_pWindow->confirmOverwrite(
            tr("Restore Selected"),
            tr("What the unit holds in %1 will be replaced by what %2 holds there; everything else stays as it is.")
                    .arg(listed(chosen), fileName) +
                presetsTime(presets.size()),
            tr("Do you want to put them back?")))
        return;
    run(tr("Restore Selected"), tr("Restoring..."), DeviceManagerThread::RestoreSelectedEvent,
        [&] { DeviceManagerThread::instance()->setSelectedRestore(path, presets, setLists, bSysParams); });
}

void BackUpController::putBack(const QString& path, const QList<int>& presets, int row)
{
    // Only the back-up shown here is dragged from; the worker checks the file whole again before it writes.
    if (!m_image || path != m_pView->path())
        return;
    if (!fitsUnit()) {
        MainWindow::makeMessageBox(QMessageBox::Warning, tr("Load Presets"),
                                   tr("%1 is not a back-up of the unit connected's model. Nothing was changed.")
                                       .arg(QFileInfo(path).fileName()),
                                   QMessageBox::Ok, m_pWindow)
            ->exec();
        return;
    }
    // Into the slots from the one dropped on, as preset files go; what runs past the last slot is left out.
    const QList<PresetButton*> entries = m_pUserList->entries();
    QList<int> sources;
    QList<int> destinations;
    QStringList targetNames;
    QStringList sourceNames;
    for (int i = 0; i < presets.size() && row + i < entries.size(); ++i) {
        const int number = presets.at(i);
        if (number < 1 || number > m_image->presetCount)
            continue;
        const PresetButton* pTarget = entries.at(row + i);
        sources.append(number);
        destinations.append(pTarget->presetNumber());
        targetNames.append(QString(pTarget->text()).replace(QLatin1Char('\n'), QLatin1Char('_')).toHtmlEscaped());
        sourceNames.append(QString(PresetLabel::label(number) + QLatin1Char('_') +
                                   PresetName::fromCodes(m_image->record(number - 1), m_image->nameLength))
                               .toHtmlEscaped());
    }
    if (sources.isEmpty())
        return;
    const QString text = sources.size() > kMostNamed
                             ? tr("Do you want to overwrite the presets?")
                             : tr("Do you want to overwrite the presets <b>%1</b> with <b>%2</b> from <b>%3</b>?")
                                   .arg(targetNames.join(QStringLiteral(", ")), sourceNames.join(QStringLiteral(", ")),
                                        QFileInfo(path).fileName().toHtmlEscaped());
    if (ContentWidget::confirm(tr("Load Presets"), text) != QMessageBox::Yes) {
        m_pUserList->clearSelection();
        return;
    }
    run(tr("Load Preset"), tr("Loading presets."), DeviceManagerThread::RestoreSelectedEvent,
        [&] { DeviceManagerThread::instance()->setSelectedRestore(path, sources, {}, false, destinations); });
}
