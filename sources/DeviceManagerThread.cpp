#include "DeviceManagerThread.h"

#include "Connect.h"
#include "autobackup.h"
#include "backupimage.h"
#include "deviceinfo.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "hidseam.h"
#include "log.h"
#include "protocol.h"
#include "resultcodes.h"
#include "settle.h"
#include "unitlock.h"
#include "usbids.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>

namespace {
// Every text the worker shows the user. The window prints them as they come, so their wording, slips included,
// is what users know and what support asks for: keep them exactly, and only here.
namespace Text {
constexpr char CommunicationFailure[] = QT_TRANSLATE_NOOP("tessitra", "Failed to communicate with device.");
constexpr char Disconnected[] = QT_TRANSLATE_NOOP("tessitra", "Device disconnected!");
constexpr char MultipleUnits[] =
    QT_TRANSLATE_NOOP("tessitra", "Multiple devices detected. Please connect only one device.");
constexpr char Success[] = QT_TRANSLATE_NOOP("tessitra", "Success.");
constexpr char SetListWritten[] = QT_TRANSLATE_NOOP("tessitra", "Success"); // the set-list write never had a full stop
constexpr char OperationFailed[] = QT_TRANSLATE_NOOP("tessitra", "Operation failed.");

constexpr char ReadingFactoryPresets[] = QT_TRANSLATE_NOOP("tessitra", "Reading factory presets...");
constexpr char FactoryPresetsReadFailed[] = QT_TRANSLATE_NOOP("tessitra", "Failed to read factory presets.");
constexpr char ReadingUserPresets[] = QT_TRANSLATE_NOOP("tessitra", "Reading user presets...");
constexpr char ReadingSetLists[] = QT_TRANSLATE_NOOP("tessitra", "Reading set lists...");
constexpr char SetListsReadFailed[] = QT_TRANSLATE_NOOP("tessitra", "Failed to read set lists.");

constexpr char Saving[] = QT_TRANSLATE_NOOP("tessitra", "Saving <b>%1</b>.");
constexpr char NotSaved[] =
    QT_TRANSLATE_NOOP("tessitra", "<b>%1</b> was not saved; any earlier file of that name is unchanged.");
constexpr char FileNotWritten[] =
    QT_TRANSLATE_NOOP("tessitra", "The file could not be written: the folder may be read-only or the disk full.");
constexpr char EarlierBackUpKept[] = QT_TRANSLATE_NOOP("tessitra", "Any earlier back-up of that name is unchanged.");
constexpr char FactoryFileSetAside[] =
    QT_TRANSLATE_NOOP("tessitra", "The factory preset file was damaged or made for another unit. It was set "
                                  "aside as %1 and is made again from the unit.");

constexpr char FileNotFound[] = QT_TRANSLATE_NOOP("tessitra", "File not found.");
constexpr char FileVersionMismatch[] = QT_TRANSLATE_NOOP("tessitra", "File version mismatch.");
constexpr char FileDataCorrupted[] = QT_TRANSLATE_NOOP("tessitra", "File data corrupted.");
constexpr char FilesNotFound[] = QT_TRANSLATE_NOOP("tessitra", "File(s) not found.");
constexpr char FilesVersionMismatch[] = QT_TRANSLATE_NOOP("tessitra", "File(s) version mismatch.");
constexpr char FilesDataCorrupted[] = QT_TRANSLATE_NOOP("tessitra", "File(s) data corrupted.");
constexpr char LoadFailedUnknown[] = QT_TRANSLATE_NOOP("tessitra", "Failed to load preset. Unknown error.");
constexpr char LoadFailed[] = QT_TRANSLATE_NOOP("tessitra", "Failed to load preset.");

constexpr char BackingUp[] = QT_TRANSLATE_NOOP("tessitra", "Backing up user presets and set lists...");
constexpr char BackedUp[] = QT_TRANSLATE_NOOP("tessitra", "Succesfully backed up user presets and set lists.");
constexpr char BackUpFailed[] = QT_TRANSLATE_NOOP("tessitra", "Failed to backed up user presets and set lists.");
constexpr char Restoring[] = QT_TRANSLATE_NOOP("tessitra", "Restoring user presets and set lists...");
constexpr char Restored[] = QT_TRANSLATE_NOOP("tessitra", "Succesfully restored user presets and set lists.");
constexpr char NoBackUpFile[] = QT_TRANSLATE_NOOP("tessitra", "Couldn't find a back up file.\nPlease back up first.");
constexpr char RestoreFailed[] = QT_TRANSLATE_NOOP("tessitra", "Failed to restore user presets and set lists.");

constexpr char NotAllowed[] = QT_TRANSLATE_NOOP("tessitra", "Not allowed!");
constexpr char UpdatingFactoryPresets[] = QT_TRANSLATE_NOOP("tessitra", "updating factory presets...");
constexpr char FactoryResetNeeded[] = QT_TRANSLATE_NOOP("tessitra", "Please perform a factory reset of your device.");
constexpr char FactoryFileMissing[] =
    QT_TRANSLATE_NOOP("tessitra", "Factory preset file not found. Please re-install the application.");
constexpr char FactoryUpdateFailed[] =
    QT_TRANSLATE_NOOP("tessitra", "Failed to update factory presets. Please try again.");

constexpr char UpdatingDsp[] =
    QT_TRANSLATE_NOOP("tessitra", "Updating DSP Firmware.\nDo not disconnect or power down the device.");
constexpr char DspSent[] = QT_TRANSLATE_NOOP(
    "tessitra", "Do not power down the device until the Tessitra display says:\n\"Done - Cycle power now\".");
constexpr char DspFailed[] = QT_TRANSLATE_NOOP("tessitra", "Failed to update DSP Firmware.");
//: uP: the unit's microcontroller
constexpr char UpdatingMicro[] =
    QT_TRANSLATE_NOOP("tessitra", "Updating uP Firmware.\nDo not disconnect or power down the device.");
// Two spaces after "until": the microcontroller text has always read so.
constexpr char MicroSent[] = QT_TRANSLATE_NOOP(
    "tessitra", "Do not power down the device until  the Tessitra display says:\n\"Done - Cycle power now\".");
constexpr char MicroFailed[] = QT_TRANSLATE_NOOP("tessitra", "Failed to update uP Firmware.");

// A unit is listed but the system will not let us open it.
constexpr char UnitNotPermitted[] = QT_TRANSLATE_NOOP(
    "tessitra",
    "The unit was found but this user may not open it. Install the udev rule that comes with the librarian "
    "(the tessitra-stage-librarian package installs it), or reconnect the unit if the rule is already installed.");
constexpr char UnitInUse[] = QT_TRANSLATE_NOOP(
    "tessitra", "The unit was found but another program is using it. Close that program, or reconnect "
                "the unit.");
constexpr char UnitGone[] =
    QT_TRANSLATE_NOOP("tessitra", "The unit was found but went away before it could be opened. Check the USB cable and "
                                  "reconnect the unit.");
constexpr char UnitNotOpened[] =
    QT_TRANSLATE_NOOP("tessitra", "The unit was found but could not be opened. Reconnect the unit; the log file "
                                  "ui.log names the cause.");
// What a transfer cut off by a lost or failing unit left in it, on the line under the failure text.
constexpr char NothingWritten[] =
    QT_TRANSLATE_NOOP("tessitra", "Nothing was written; the unit holds its presets as before.");
constexpr char RestoreLeft[] = QT_TRANSLATE_NOOP(
    "tessitra", "%1 of %2 user presets were written; the unit holds a mix of old and restored presets. "
                "Restore the back-up again.");
// A restore the unit went away from, stage by stage, and what comes next.
constexpr char RestoreStopped[] = QT_TRANSLATE_NOOP("tessitra", "The unit was disconnected during the restore.");
constexpr char RestoreStoppedPresets[] =
    QT_TRANSLATE_NOOP("tessitra", "%1 of %2 user presets were written, so it holds a mix of old and restored "
                                  "presets.");
constexpr char RestoreStoppedSetLists[] =
    QT_TRANSLATE_NOOP("tessitra", "All %1 user presets were written, but not all set lists.");
constexpr char RestoreStoppedSysParams[] =
    QT_TRANSLATE_NOOP("tessitra", "All %1 user presets and the set lists were written, but not the system "
                                  "parameters.");
constexpr char RestoreOfferFollows[] =
    QT_TRANSLATE_NOOP("tessitra", "When the unit answers again, the librarian offers to put back the state from "
                                  "before the restore.");
constexpr char RestoreAgain[] = QT_TRANSLATE_NOOP("tessitra", "Connect it again and restore the back-up again.");
// A file refused before anything happened: nothing was backed up, nothing rotated, nothing sent.
constexpr char NotABackUp[] = QT_TRANSLATE_NOOP("tessitra", "%1 is not a %2 back-up. Nothing was changed.");
constexpr char DamagedBackUp[] = QT_TRANSLATE_NOOP("tessitra", "%1 is cut short or damaged. Nothing was changed.");
constexpr char ModelAriette[] = "Stage Ariette";
constexpr char ModelCadenzo[] = "Stage Cadenzo";
constexpr char FactoryLeft[] =
    QT_TRANSLATE_NOOP("tessitra", "%1 of %2 factory presets were written; the unit holds a mix of old and new factory "
                                  "presets.");
constexpr char FirmwareLeft[] =
    QT_TRANSLATE_NOOP("tessitra", "%1 of %2 bytes of the firmware image were sent; the unit holds no complete new "
                                  "firmware. Keep it powered, connect it again and update the firmware again.");

// The safety net: the back-up before a destructive operation, read-back verification, undo.
constexpr char BackingUpFirst[] = QT_TRANSLATE_NOOP("tessitra", "Backing up the unit first...");
constexpr char AutoBackUpFailed[] =
    QT_TRANSLATE_NOOP("tessitra", "Nothing was changed: the unit could not be backed up first.");
//: %1 names one slot, set list or the system parameters
constexpr char VerifyFailedOne[] =
    QT_TRANSLATE_NOOP("tessitra", "Verification failed: %1 differs from what was written.");
//: %1 names several slots or set lists: "U05 and U07"
constexpr char VerifyFailedMany[] =
    QT_TRANSLATE_NOOP("tessitra", "Verification failed: %1 differ from what was written.");
//: The last two names of a list: "U01, U02 and U03"
constexpr char ListLastTwo[] = QT_TRANSLATE_NOOP("tessitra", "%1 and %2");
constexpr char Favourites[] = QT_TRANSLATE_NOOP("tessitra", "the favourites");
//: %1 is the letter of the set list: A, B, C or D
constexpr char SetListName[] = QT_TRANSLATE_NOOP("tessitra", "set list %1");
constexpr char SystemParameters[] = QT_TRANSLATE_NOOP("tessitra", "the system parameters");
constexpr char NothingToUndo[] = QT_TRANSLATE_NOOP("tessitra", "There is nothing to undo.");
constexpr char NothingToRedo[] = QT_TRANSLATE_NOOP("tessitra", "There is nothing to redo.");
//: %1 is one slot or set list, %3 the step being undone ("copy F03 to U90")
constexpr char UndoConflictOne[] =
    QT_TRANSLATE_NOOP("tessitra", "%1 no longer holds what \"%2\" wrote: it was changed since (on the unit, by "
                                  "another program or by a restore). Nothing was changed.");
//: %1 names several slots or set lists, %2 the step being undone ("copy F03 to U90")
constexpr char UndoConflictMany[] =
    QT_TRANSLATE_NOOP("tessitra", "%1 no longer hold what \"%2\" wrote: it was changed since (on the unit, by "
                                  "another program or by a restore). Nothing was changed.");
constexpr char RedoConflictOne[] =
    QT_TRANSLATE_NOOP("tessitra", "%1 no longer holds what was there before \"%2\": it was changed since. "
                                  "Nothing was changed.");
constexpr char RedoConflictMany[] =
    QT_TRANSLATE_NOOP("tessitra", "%1 no longer hold what was there before \"%2\": it was changed since. "
                                  "Nothing was changed.");
constexpr char Undone[] = QT_TRANSLATE_NOOP("tessitra", "Undone: %1.");
constexpr char Redone[] = QT_TRANSLATE_NOOP("tessitra", "Redone: %1.");
//: The steps the undo history names, after "Undo: " in the Edit menu: copy F03 to U90
constexpr char DescribeCopy[] = QT_TRANSLATE_NOOP("tessitra", "copy %1 to %2");
constexpr char DescribeLoad[] = QT_TRANSLATE_NOOP("tessitra", "load %1 to %2");
constexpr char DescribeRename[] = QT_TRANSLATE_NOOP("tessitra", "rename %1 to %2");
constexpr char DescribeSetList[] = QT_TRANSLATE_NOOP("tessitra", "change %1");
constexpr char DescribeRestoreSelected[] = QT_TRANSLATE_NOOP("tessitra", "restore %1 from %2");
constexpr char RestoringSelected[] = QT_TRANSLATE_NOOP("tessitra", "Restoring %1 from %2...");
constexpr char RestoredSelected[] = QT_TRANSLATE_NOOP("tessitra", "Restored %1 from %2.");
constexpr char NotInBackUp[] = QT_TRANSLATE_NOOP("tessitra", "%1 does not hold %2. Nothing was changed.");
//: a back-up's preset put into another user slot of the unit: "U08 into U10"
constexpr char SlotInto[] = QT_TRANSLATE_NOOP("tessitra", "%1 into %2");
constexpr char JournalSetAside[] =
    QT_TRANSLATE_NOOP("tessitra", "The undo journal was damaged or made for another unit and was not used. It was "
                                  "set aside as %1.");
constexpr char JournalUnreadable[] = QT_TRANSLATE_NOOP("tessitra", "The undo journal cannot be read and was not used.");
} // namespace Text

// The user's language where a translation is installed; the product names stay as they are.
QString text(const char* source)
{
    return QCoreApplication::translate("tessitra", source);
}

constexpr char kFactoryPresetFile[] = "/FactoryPresets.dat";

// What the user reads when opening a listed unit failed with this errno.
QString accessText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return text(Text::UnitNotPermitted);
    case EBUSY:
        return text(Text::UnitInUse);
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return text(Text::UnitGone);
    default:
        return text(Text::UnitNotOpened);
    }
}

// The state line for a restore, factory rewrite or firmware transfer that the unit failed in the middle of; empty
// for any other result (a refused file never reached the unit).
QString leftInUnit(int iResult, const CUSBConnect& link, const char* partial)
{
    if (!ResultCode::isCommunicationFailure(iResult))
        return QString();
    if (link.writtenCount() == 0 && partial != Text::FirmwareLeft)
        return QLatin1Char('\n') + text(Text::NothingWritten);
    return QLatin1Char('\n') + text(partial).arg(link.writtenCount()).arg(link.writeTotal());
}

// A preset as the window shows it: "U08", "F03".
QString slotName(int number)
{
    return number > g_deviceInfo.presetCount.load() ? QStringLiteral("F%1").arg(number - 100, 2, 10, QLatin1Char('0'))
                                                    : QStringLiteral("U%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString setListName(int setList)
{
    return setList == 0 ? text(Text::Favourites)
                        : text(Text::SetListName).arg(QChar(QLatin1Char('A').unicode() + setList - 1));
}

// "U08", "U08 and U09", "U08, U09 and U10".
QString listed(const QStringList& names)
{
    QString list = names.value(0);
    for (int i = 1; i < names.size(); ++i)
        list = i + 1 == names.size() ? text(Text::ListLastTwo).arg(list, names.at(i))
                                     : list + QStringLiteral(", ") + names.at(i);
    return list;
}

QString slotNames(const QList<int>& numbers)
{
    QStringList names;
    for (int number : numbers)
        names.append(slotName(number));
    return listed(names);
}

// What a verification found, for the user: "Verification failed: U05 and U07 differ from what was written."
QString mismatchText(const CUSBConnect::Mismatches& found)
{
    QStringList names;
    for (int number : found.presets)
        names.append(slotName(number));
    for (int setList : found.setLists)
        names.append(setListName(setList));
    if (found.sysParams)
        names.append(text(Text::SystemParameters));
    return text(names.size() == 1 ? Text::VerifyFailedOne : Text::VerifyFailedMany).arg(listed(names));
}

// How one operation's result reads for the user.
struct ResultTexts
{
    struct CodeText
    {
        int code;
        const char* text;
    };
    const char* success;
    const char* failure;           // any code without a text of its own
    std::array<CodeText, 3> codes; // codes with a text of their own (the file codes)
    bool communication = true;     // 3 to 5 read as "the unit took no part"
};

// The message rule: 0 gives the success text; 3 to 5 (no unit open, read or write failed) the communication
// failure, where the operation reads them so; a listed code its own text; anything else the failure text.
QString resultText(int result, const ResultTexts& texts)
{
    if (result == ResultCode::Success)
        return text(texts.success);
    if (texts.communication && ResultCode::isCommunicationFailure(result))
        return text(Text::CommunicationFailure);
    for (const ResultTexts::CodeText& entry : texts.codes)
        if (entry.text && entry.code == result)
            return text(entry.text);
    return text(texts.failure);
}

// The result's text, or for a verification that found differences the slots that differ.
QString outcome(int result, const ResultTexts& texts, const CUSBConnect& link)
{
    return result == ResultCode::VerifyMismatch ? mismatchText(link.mismatches()) : resultText(result, texts);
}

// Each operation's texts.
const ResultTexts kLoadPresetFileTexts = {Text::Success,
                                          Text::LoadFailedUnknown,
                                          {{{ResultCode::FileNotFound, Text::FileNotFound},
                                            {ResultCode::FileVersionMismatch, Text::FileVersionMismatch},
                                            {ResultCode::FileCorrupted, Text::FileDataCorrupted}}}};
const ResultTexts kLoadPresetFilesTexts = {Text::Success,
                                           Text::LoadFailedUnknown,
                                           {{{ResultCode::FileNotFound, Text::FilesNotFound},
                                             {ResultCode::FileVersionMismatch, Text::FilesVersionMismatch},
                                             {ResultCode::FileCorrupted, Text::FilesDataCorrupted}}}};
const ResultTexts kCopyPresetTexts = {Text::Success,
                                      Text::LoadFailed,
                                      {{{ResultCode::FileNotFound, Text::FileNotFound},
                                        {ResultCode::FileVersionMismatch, Text::FileVersionMismatch},
                                        {0, nullptr}}}};
const ResultTexts kSetListWriteTexts = {Text::SetListWritten, Text::OperationFailed, {}};
const ResultTexts kRenameTexts = {Text::Success, Text::OperationFailed, {}};
const ResultTexts kBackUpTexts = {Text::BackedUp, Text::BackUpFailed, {}};
const ResultTexts kRestoreTexts = {
    Text::Restored, Text::RestoreFailed, {{{ResultCode::FileNotFound, Text::NoBackUpFile}}}};
// The factory update names no communication text of its own: a lost unit reads as "please try again".
const ResultTexts kFactoryUpdateTexts = {Text::FactoryResetNeeded,
                                         Text::FactoryUpdateFailed,
                                         {{{ResultCode::FileNotFound, Text::FactoryFileMissing}}},
                                         false};
const ResultTexts kDspUpdateTexts = {Text::DspSent, Text::DspFailed, {}};
const ResultTexts kMicroUpdateTexts = {Text::MicroSent, Text::MicroFailed, {}};
} // namespace

std::atomic<DeviceManagerThread*> DeviceManagerThread::s_pInstance{nullptr};

DeviceManagerThread* DeviceManagerThread::instance(QObject* parent)
{
    DeviceManagerThread* pInstance = s_pInstance.load();
    if (!pInstance) {
        pInstance = new DeviceManagerThread(parent);
        s_pInstance.store(pInstance);
    }
    return pInstance;
}

DeviceManagerThread::DeviceManagerThread(QObject* parent) : QThread(parent)
{
    // The window's connections to our signals are queued; these argument types must be known by name.
    qRegisterMetaType<int*>("int*");
    qRegisterMetaType<const int*>("const int*");
    qRegisterMetaType<quint64>("quint64");
    qRegisterMetaType<BackUpImage>("BackUpImage");
}

DeviceManagerThread::~DeviceManagerThread()
{
    // The window stops the thread before deleting it; should anyone not, stop it here rather than let Qt
    // abort the process on a running thread.
    if (isRunning()) {
        setAbort(true);
        quit();
        wait();
    }
    // ThreadSanitizer cannot see QThread::wait() in the distribution's Qt. This acquire pairs with the release
    // at the end of run(), so everything the thread did comes before the members are destroyed here, and a
    // thread that still touches this object while it goes is reported.
    static_cast<void>(m_bRunEnded.load(std::memory_order_acquire));
    DeviceManagerThread* pSelf = this;
    s_pInstance.compare_exchange_strong(pSelf, nullptr);
}

void DeviceManagerThread::setAbort(bool bAbort)
{
    m_bAbort.store(bAbort);
}

bool DeviceManagerThread::isAborting() const
{
    return m_bAbort.load();
}

void DeviceManagerThread::requestStop()
{
    m_bStop.store(true);
}

bool DeviceManagerThread::canStop(int operation)
{
    return (operation >= ReadFactoryPresetsEvent && operation <= ReadSetListsEvent) ||
           operation == SavePresetsToFilesEvent || operation == BackUpEvent || operation == ReadUnitEvent;
}

OperationPlan DeviceManagerThread::planFor(int operation, const QEvent* event) const
{
    const OperationPlan::Unit unit = OperationPlan::Unit::connected();
    const bool bVerify = m_bVerifyWrites.load();
    const QString factoryFile = m_strFactoryPresetFolder + QLatin1String(kFactoryPresetFile);
    switch (operation) {
    case ReadFactoryPresetsEvent:
    case RefreshFactoryPresetsEvent:
        // Without its file the factory bank is read from the unit first, a whole back-up's worth of waits.
        return OperationPlan::readLists(unit, !QFile::exists(factoryFile), true);
    case ReadUserPresetsEvent:
    case RefreshUserPresetsEvent:
        return OperationPlan::readLists(unit, false, true);
    case ReadSetListsEvent:
        return OperationPlan::readLists(unit, false, false);
    case WriteSetListEvent:
        return OperationPlan::setListWrite();
    case SavePresetsToFilesEvent:
        return OperationPlan::savePresets(unit, m_listSaveItems.size());
    case LoadPresetFileEvent:
        return OperationPlan::writePresets(unit, 1, false, bVerify, Protocol::Settle::BeforeLoadPresetFile);
    case LoadPresetFilesEvent:
        return OperationPlan::writePresets(unit, std::min(m_listDestinations.size(), m_listPresetFiles.size()), false,
                                           bVerify, 0);
    case CopyPresetEvent:
        return OperationPlan::writePresets(unit, 1, true, bVerify, Protocol::Settle::BeforeCopyPreset);
    case CopyPresetsEvent:
        return OperationPlan::writePresets(unit, std::min(m_listDestinations.size(), m_listSources.size()), true,
                                           bVerify, 0);
    case RenamePresetEvent:
        return OperationPlan::writePresets(unit, 1, true, bVerify, 0);
    case BackUpEvent:
        return OperationPlan::backUp(unit);
    case ReadUnitEvent:
        return OperationPlan::readUnit(unit);
    case RestoreEvent:
        return OperationPlan::restore(unit, m_bAutoBackup.load() && !m_bRecovery.load(), bVerify);
    case RestoreSelectedEvent:
        // The records come from the checked file, so each costs its write and read-back, like a load.
        return OperationPlan::writePresets(unit, m_listRestorePresets.size(), false, bVerify, 0);
    case UpdateFactoryPresetsEvent:
        return OperationPlan::factoryRewrite(
            unit, m_bAutoBackup.load() && m_strFactorySource.isEmpty() && QFile::exists(factoryFile), bVerify);
    case UpdateFirmwareEvent: {
        const auto* pFirmware = dynamic_cast<const FirmwareFileEvent*>(event);
        QString path;
        qint64 size = 0;
        if (pFirmware != nullptr) {
            path = pFirmware->path();
            size = pFirmware->bytes().isNull() ? QFileInfo(path).size() : pFirmware->bytes().size();
        } else {
            std::lock_guard<std::mutex> lock(m_firmwareMutex);
            path = m_strFirmwareFilePath;
            size = QFileInfo(path).size();
        }
        return OperationPlan::firmware(unit, m_bAutoBackup.load(), size,
                                       path.endsWith(QLatin1String(".ldr"), Qt::CaseInsensitive));
    }
    default:
        return OperationPlan();
    }
}

void DeviceManagerThread::startPlan(const OperationPlan& plan)
{
    m_plan = plan;
    m_iDoneMs = 0;
    m_iLimitMs = plan.totalMs();
    if (plan.stages().isEmpty())
        return;
    enterStep(plan.stages().first().step);
}

void DeviceManagerThread::enterStep(OperationPlan::Step step)
{
    const int stage = m_plan.stageOf(step);
    if (stage < 0)
        return;
    m_iDoneMs = std::max(m_iDoneMs, m_plan.startOf(stage));
    m_iLimitMs = m_plan.totalMs();
    for (int next = stage + 1; next < m_plan.stages().size(); ++next) {
        if (m_plan.stages().at(next).anchor) {
            m_iLimitMs = m_plan.startOf(next);
            break;
        }
    }
    reportProgress();
}

void DeviceManagerThread::onWaited(int milliseconds)
{
    m_iDoneMs = std::min(m_iDoneMs + milliseconds, m_iLimitMs);
    reportProgress();
}

void DeviceManagerThread::reportProgress()
{
    if (!m_plan.stages().isEmpty())
        emit progress(m_plan.stepText(m_iDoneMs), m_iDoneMs, m_plan.totalMs());
}

int DeviceManagerThread::productId() const
{
    return m_iProductId.load();
}

QString DeviceManagerThread::operationText(int operation, int result, bool bMicroImage)
{
    switch (operation) {
    case WriteSetListEvent:
        return resultText(result, kSetListWriteTexts);
    case LoadPresetFileEvent:
        return resultText(result, kLoadPresetFileTexts);
    case LoadPresetFilesEvent:
        return resultText(result, kLoadPresetFilesTexts);
    case CopyPresetEvent:
    case CopyPresetsEvent:
        return resultText(result, kCopyPresetTexts);
    case RenamePresetEvent:
        return resultText(result, kRenameTexts);
    case BackUpEvent:
        return resultText(result, kBackUpTexts);
    case RestoreEvent:
        return resultText(result, kRestoreTexts);
    case UpdateFactoryPresetsEvent:
        return resultText(result, kFactoryUpdateTexts);
    case UpdateFirmwareEvent:
        return resultText(result, bMicroImage ? kMicroUpdateTexts : kDspUpdateTexts);
    default:
        return QString();
    }
}

QString DeviceManagerThread::multipleUnitsText()
{
    return text(Text::MultipleUnits);
}

QString DeviceManagerThread::unitDescription(int productId, const QString& serial)
{
    const QString model = text(productId == UsbIds::ArietteProductId ? Text::ModelAriette : Text::ModelCadenzo);
    return serial.isEmpty() ? model : tr("%1, serial number %2").arg(model, serial);
}

QString DeviceManagerThread::factoryPresetFolder() const
{
    return m_strFactoryPresetFolder;
}

void DeviceManagerThread::setFirmwareFilePath(QString path)
{
    std::lock_guard<std::mutex> lock(m_firmwareMutex);
    m_strFirmwareFilePath = path;
}

void DeviceManagerThread::setRenameData(int presetNumber, QString name, int presetNumber2, int* record)
{
    m_iPresetNumber = presetNumber;
    m_strPresetName = name;
    m_iPresetNumber2 = presetNumber2;
    m_pPresetRecord = record;
}

void DeviceManagerThread::setPresetTransfer(QList<int> destinations, QStringList files, QList<int> sources)
{
    m_listDestinations = destinations;
    m_listPresetFiles = files;
    m_listSources = sources;
}

void DeviceManagerThread::setBackUpFilePath(QString path)
{
    m_strBackUpFilePath = path;
}

void DeviceManagerThread::setSelectedRestore(QString path, QList<int> presets, QList<int> setLists, bool bSysParams,
                                             QList<int> destinations)
{
    m_strBackUpFilePath = std::move(path);
    m_listRestorePresets = std::move(presets);
    m_listRestoreSetLists = std::move(setLists);
    m_bRestoreSysParams = bSysParams;
    m_listRestoreDestinations = std::move(destinations);
}

void DeviceManagerThread::setSafetyOptions(bool autoBackup, bool verifyWrites)
{
    m_bAutoBackup.store(autoBackup);
    m_bVerifyWrites.store(verifyWrites);
}

void DeviceManagerThread::setUndoForce(bool bForce)
{
    m_bUndoForce.store(bForce);
}

void DeviceManagerThread::setFactorySource(QString path)
{
    m_strFactorySource = std::move(path);
}

void DeviceManagerThread::setRecovery(bool bRecovery)
{
    m_bRecovery.store(bRecovery);
}

void DeviceManagerThread::setSetListEdit(int setListIndex, QMap<int, int> slotMap)
{
    m_iSetListNumber = setListIndex;
    m_mapSetListEdits = slotMap;
}

QMap<int, int> DeviceManagerThread::getSetListEdit() const
{
    return m_mapSetListEdits;
}

bool DeviceManagerThread::presetCallback(int storage, int presetBase, int presetOffset, int* presetData,
                                         int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                                         int hardwarePatchVersion)
{
    DeviceManagerThread* pSelf = s_pInstance.load();
    if (!pSelf) {
        // Nobody to hand the record to; it is ours to free.
        delete[] presetData;
        return true;
    }
    emit pSelf->singlePresetData(storage, presetBase, presetOffset, presetData, maxPresetNameLength,
                                 maxPresetParamLength, hardwareProductCode, hardwarePatchVersion);
    return pSelf->m_bAbort.load() || pSelf->stopRequested() || !g_bDeviceConnected.load();
}

bool DeviceManagerThread::nameCallback(int storage, int presetBase, int presetOffset, QString name,
                                       int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                                       int hardwarePatchVersion)
{
    DeviceManagerThread* pSelf = s_pInstance.load();
    if (!pSelf)
        return true;
    emit pSelf->singlePresetData(storage, presetBase, presetOffset, name, maxPresetNameLength, maxPresetParamLength,
                                 hardwareProductCode, hardwarePatchVersion);
    return pSelf->m_bAbort.load() || pSelf->stopRequested() || !g_bDeviceConnected.load();
}

bool DeviceManagerThread::progressCallback(int total, int done)
{
    DeviceManagerThread* pSelf = s_pInstance.load();
    if (!pSelf)
        return true;
    emit pSelf->dataSent(static_cast<quint64>(total), static_cast<quint64>(done));
    // A firmware image passes no settle time: its step moves by the bytes sent.
    const int stage = pSelf->m_plan.stageOf(OperationPlan::Step::WriteFirmware);
    if (stage >= 0 && total > 0 && pSelf->m_iDoneMs >= pSelf->m_plan.startOf(stage)) {
        pSelf->m_iDoneMs = pSelf->m_plan.startOf(stage) + pSelf->m_plan.stages().at(stage).ms() * done / total;
        pSelf->reportProgress();
    }
    return pSelf->m_bAbort.load() || pSelf->stopRequested() || !g_bDeviceConnected.load();
}

void DeviceManagerThread::customEvent(QEvent* event)
{
    // The window is closing: whatever is still queued is dropped without a word.
    if (m_bAbort.load())
        return;

    emit deviceBusy();

    const int iType = static_cast<int>(event->type());
    if (iType < FirstEvent || iType > LastEvent) {
        emit deviceIdle();
        return;
    }

    m_pUSBConnect->setVerifyWrites(m_bVerifyWrites.load());
    m_bStoppable = canStop(iType);
    startPlan(planFor(iType, event));
    Settle::observeWaits([this](int milliseconds) { onWaited(milliseconds); });

    using Operation = void (DeviceManagerThread::*)();
    static constexpr Operation kOperations[UpdateFirmwareEvent - FirstEvent] = {
        &DeviceManagerThread::readFactoryPresets,    // 1001
        &DeviceManagerThread::refreshFactoryPresets, // 1002
        &DeviceManagerThread::readUserPresets,       // 1003
        &DeviceManagerThread::refreshUserPresets,    // 1004
        &DeviceManagerThread::readSetLists,          // 1005
        &DeviceManagerThread::writeSetList,          // 1006
        &DeviceManagerThread::savePresetsToFiles,    // 1007
        &DeviceManagerThread::loadPresetFile,        // 1008
        &DeviceManagerThread::loadPresetFiles,       // 1009
        &DeviceManagerThread::copyPreset,            // 1010
        &DeviceManagerThread::copyPresets,           // 1011
        &DeviceManagerThread::renamePreset,          // 1012
        &DeviceManagerThread::backUp,                // 1013
        &DeviceManagerThread::restore,               // 1014
        &DeviceManagerThread::updateFactoryPresets,  // 1015
    };
    if (iType == UpdateFirmwareEvent) {
        // The path travels in the event; a plain event takes the one its poster set.
        const auto* pFirmware = dynamic_cast<const FirmwareFileEvent*>(event);
        QString path;
        QByteArray bytes;
        if (pFirmware != nullptr) {
            path = pFirmware->path();
            bytes = pFirmware->bytes();
        } else {
            std::lock_guard<std::mutex> lock(m_firmwareMutex);
            path = m_strFirmwareFilePath;
        }
        updateFirmwareImage(path, bytes);
    } else if (iType == UndoEvent || iType == RedoEvent) {
        undo(iType == RedoEvent);
    } else if (iType == RestoreSelectedEvent) {
        restoreSelected();
    } else if (iType == ReadUnitEvent) {
        readUnit();
    } else {
        (this->*kOperations[iType - FirstEvent])();
    }

    Settle::observeWaits(nullptr);
    m_plan = OperationPlan();
    m_bStop.store(false);
    emit deviceIdle();
}

void DeviceManagerThread::setSaveItems(QList<SaveItem> items, QString folder)
{
    m_listSaveItems = items;
    m_strSaveFolder = folder;
}

bool DeviceManagerThread::requireUnit()
{
    if (g_bDeviceConnected.load())
        return true;
    emit updateText(text(Text::Disconnected));
    emit operationFinished(-1, false);
    return false;
}

void DeviceManagerThread::finish(int result, const QString& message, bool bCloseOnSuccess)
{
    emit updateText(message);
    emit operationFinished(result, result == ResultCode::Success ? bCloseOnSuccess : false);
}

int DeviceManagerThread::GetSetLists()
{
    // The unit needs a moment after the name enumeration before it answers set-list requests.
    Settle::settle(Protocol::Settle::BeforeSetListRead);
    int iResult = ResultCode::Success;
    for (int iSetList = 0; iSetList < Protocol::SetListCount && !stopRequested(); ++iSetList) {
        std::unique_ptr<int[]> data(new int[Protocol::SetListSlots]());
        iResult = m_pUSBConnect->GetSetListData(iSetList, data.get());
        if (iResult != ResultCode::Success) {
            TS_DEBUG("Failed to read set list: %d", iResult);
            continue;
        }
        emit setListData(iSetList, QVector<int>(data.get(), data.get() + Protocol::SetListSlots));
    }
    return iResult;
}

// 1001 and 1002 start with the factory names, 1003 and 1004 with the user names, 1005 with the set lists.
void DeviceManagerThread::readFactoryPresets()
{
    readPresetLists(1);
}
void DeviceManagerThread::refreshFactoryPresets()
{
    readPresetLists(1);
}
void DeviceManagerThread::readUserPresets()
{
    readPresetLists(2);
}
void DeviceManagerThread::refreshUserPresets()
{
    readPresetLists(2);
}
void DeviceManagerThread::readSetLists()
{
    readPresetLists(3);
}

void DeviceManagerThread::readPresetLists(int firstStep)
{
    // A read stopped by the user leaves the lists with what came so far; the unit is as it was.
    const auto stopped = [this] {
        if (!stopRequested())
            return false;
        finish(ResultCode::Stopped, tr("Stopped. The lists show only what was read until then."), false);
        return true;
    };
    if (firstStep <= 1 && (!readFactoryPresetNames() || stopped()))
        return;
    enterStep(OperationPlan::Step::ReadNames);
    if (firstStep <= 2 && (!readUserPresetNames() || stopped()))
        return;
    enterStep(OperationPlan::Step::ReadSetLists);
    if (!stopped())
        readAllSetLists();
}

// The factory names come from the model's FactoryPresets.dat, so this step runs without a unit as well. A
// missing file is first made from the unit's factory bank; when that fails the names are read from the unit.
bool DeviceManagerThread::readFactoryPresetNames()
{
    emit updateText(text(Text::ReadingFactoryPresets));
    const QString path = m_strFactoryPresetFolder + QLatin1String(kFactoryPresetFile);

    // A damaged file, or one made for another unit, is set aside under a name that says so (nothing is deleted)
    // and made again from the unit, as if it were missing.
    bool bUsable = QFile::exists(path);
    if (bUsable && m_pUSBConnect->CheckFactoryFile(path, g_bDeviceConnected.load()) != ResultCode::Success) {
        bUsable = false;
        const QString aside = path + QStringLiteral(".damaged-") +
                              QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
        if (QFile::rename(path, aside)) {
            TS_WARNING("Factory preset file set aside as %s", qUtf8Printable(aside));
            emit updateText(text(Text::FactoryFileSetAside).arg(QFileInfo(aside).fileName()));
        } else {
            TS_WARNING("Factory preset file %s is damaged and cannot be set aside", qUtf8Printable(path));
        }
    }

    int iResult = ResultCode::Success;
    bool bFromFile = true;
    if (bUsable) {
        iResult = m_pUSBConnect->GetAllFactoryPresetNames(path, nullptr, &nameCallback);
    } else if (!QFile::exists(path) &&
               m_pUSBConnect->BackUpPresets(1, path, &progressCallback) == ResultCode::Success) {
        iResult = m_pUSBConnect->GetAllFactoryPresetNames(path, &progressCallback, &nameCallback);
    } else {
        int iPresetBase = 0;
        int iPresetCount = 0;
        QStringList names;
        iResult =
            m_pUSBConnect->GetAllPresetNames(1, iPresetBase, iPresetCount, names, &progressCallback, &nameCallback);
        bFromFile = false;
    }
    if (iResult == ResultCode::Success)
        return true;

    TS_DEBUG("Failed to read factory presets");
    // The file reader answers 4 for a file it cannot read; nothing was asked of the unit then, so that is a bad
    // file, not a lost unit: the user names are still worth reading.
    if (bFromFile || !ResultCode::isCommunicationFailure(iResult))
        return true;
    emit updateText(text(Text::FactoryPresetsReadFailed));
    emit operationFinished(iResult, false);
    return false;
}

bool DeviceManagerThread::readUserPresetNames()
{
    if (!requireUnit())
        return false;
    TS_DEBUG("Reading presets...");
    emit updateText(text(Text::ReadingUserPresets));
    int iPresetBase = 0;
    int iPresetCount = 0;
    QStringList names;
    const int iResult =
        m_pUSBConnect->GetAllPresetNames(0, iPresetBase, iPresetCount, names, &progressCallback, &nameCallback);
    if (iResult == ResultCode::Success)
        return true;

    TS_DEBUG("Failed to read user presets");
    if (!ResultCode::isCommunicationFailure(iResult))
        return true;
    emit updateText(text(Text::CommunicationFailure));
    emit operationFinished(iResult, false);
    return false;
}

void DeviceManagerThread::readAllSetLists()
{
    if (!requireUnit())
        return;
    // Clears the window's progress display before the set lists, which report none.
    emit dataSent(0, 0);
    emit updateText(text(Text::ReadingSetLists));
    const int iResult = GetSetLists();
    if (stopRequested()) {
        finish(ResultCode::Stopped, tr("Stopped. The lists show only what was read until then."), false);
        return;
    }
    if (iResult == ResultCode::Success) {
        emit operationFinished(ResultCode::Success, true);
        return;
    }
    emit updateText(text(Text::SetListsReadFailed));
    emit operationFinished(iResult, false);
}

// Reads the set list, lays the edits over it, writes it and reads it back for the window, so the window shows
// what the unit really holds.
void DeviceManagerThread::writeSetList()
{
    if (!requireUnit())
        return;
    const int iSetList = m_iSetListNumber;
    std::unique_ptr<int[]> current(new int[Protocol::SetListSlots]());

    auto fail = [this](int iResult, const char* logFormat) {
        if (!ResultCode::isCommunicationFailure(iResult))
            TS_DEBUG(logFormat, iResult);
        finish(iResult, resultText(iResult, kSetListWriteTexts), false);
    };

    int iResult = m_pUSBConnect->GetSetListData(iSetList, current.get());
    if (iResult != ResultCode::Success)
        return fail(iResult, "Failed to read set list: %d");

    unsigned char bytes[Protocol::SetListSlots];
    UndoJournal::SetList change{iSetList, QVector<int>(current.get(), current.get() + Protocol::SetListSlots), {}};
    for (int k = 0; k < Protocol::SetListSlots; ++k) {
        bytes[k] = static_cast<unsigned char>(m_mapSetListEdits.value(k, current[k]));
        change.after.append(bytes[k]);
    }
    if (!journalOverwrite({}, {change}, text(Text::DescribeSetList).arg(setListName(iSetList))))
        return;
    iResult = m_pUSBConnect->SetSetListData(iSetList, bytes);
    settleJournal(iResult);
    if (iResult != ResultCode::Success)
        return fail(iResult, "Failed to write set list: %d");

    Settle::settle(Protocol::Settle::BeforeSetListReadBack);
    iResult = m_pUSBConnect->GetSetListData(iSetList, current.get());
    if (iResult != ResultCode::Success)
        return fail(iResult, "Failed to read set list: %d");
    // The list is read back anyway; with verification on it must be what was written.
    m_pUSBConnect->clearMismatches();
    if (m_bVerifyWrites.load() && !std::equal(bytes, bytes + Protocol::SetListSlots, current.get())) {
        emit setListData(iSetList, QVector<int>(current.get(), current.get() + Protocol::SetListSlots));
        finish(ResultCode::VerifyMismatch, mismatchText({{}, {iSetList}, false}), false);
        return;
    }

    emit setListData(iSetList, QVector<int>(current.get(), current.get() + Protocol::SetListSlots));
    finish(ResultCode::Success, resultText(ResultCode::Success, kSetListWriteTexts), true);
}

// Saves each listed preset of the unit to its own preset file. The window shows the file names as they go and
// closes its progress display at the end, success or not.
void DeviceManagerThread::savePresetsToFiles()
{
    if (!requireUnit())
        return;
    const QString extension = QLatin1String(productId() == UsbIds::CadenzoProductId ? ".tscp" : ".tarp");
    int iResult = ResultCode::Success;
    int iSaved = 0;
    for (const SaveItem& item : qAsConst(m_listSaveItems)) {
        // Each file is whole once written: stopping between two loses nothing.
        if (stopRequested()) {
            finish(ResultCode::Stopped,
                   tr("Stopped. %1 of %2 presets were saved to files.").arg(iSaved).arg(m_listSaveItems.size()), false);
            return;
        }
        const QString fileName = cleanFileName(item.text + extension);
        // An earlier file of that name is replaced only once the new one is whole (the link writes beside it).
        const QString path = m_strSaveFolder + QLatin1Char('/') + fileName;
        emit updateText(text(Text::Saving).arg(fileName));
        iResult = m_pUSBConnect->SavePresetFromHardware(item.presetNumber, path);
        if (iResult != ResultCode::Success) {
            const char* cause = ResultCode::isCommunicationFailure(iResult) ? Text::CommunicationFailure
                                : iResult == ResultCode::FileWriteFailed    ? Text::FileNotWritten
                                                                            : Text::OperationFailed;
            finish(iResult, text(cause) + QLatin1Char('\n') + text(Text::NotSaved).arg(fileName), false);
            return;
        }
        ++iSaved;
    }
    emit operationFinished(iResult, true);
}

void DeviceManagerThread::loadPresetFile()
{
    if (!requireUnit())
        return;
    Settle::settle(Protocol::Settle::BeforeLoadPresetFile);
    // A file the load refuses never reaches the unit, so there is nothing to keep for it.
    if (m_pUSBConnect->CheckPresetFiles({m_strPresetName}) == ResultCode::Success &&
        !journalOverwrite(
            {m_iPresetNumber}, {},
            text(Text::DescribeLoad).arg(QFileInfo(m_strPresetName).fileName(), slotName(m_iPresetNumber))))
        return;
    // The preset name member carries the file's path for this operation.
    const int iResult = m_pUSBConnect->LoadPreset(m_iPresetNumber, m_strPresetName, &presetCallback);
    settleJournal(iResult);
    finish(iResult, outcome(iResult, kLoadPresetFileTexts, *m_pUSBConnect), true);
}

void DeviceManagerThread::loadPresetFiles()
{
    if (!requireUnit())
        return;
    const QList<int> destinations = m_listDestinations.mid(0, m_listPresetFiles.size());
    QStringList files;
    for (const QString& file : m_listPresetFiles.mid(0, destinations.size()))
        files.append(QFileInfo(file).fileName());
    if (m_pUSBConnect->CheckPresetFiles(m_listPresetFiles.mid(0, m_listDestinations.size())) == ResultCode::Success &&
        !journalOverwrite(destinations, {}, text(Text::DescribeLoad).arg(listed(files), slotNames(destinations))))
        return;
    const int iResult = m_pUSBConnect->LoadPresets(m_listDestinations, m_listPresetFiles, &presetCallback, false);
    settleJournal(iResult);
    finish(iResult, outcome(iResult, kLoadPresetFilesTexts, *m_pUSBConnect), true);
}

void DeviceManagerThread::copyPreset()
{
    if (!requireUnit())
        return;
    Settle::settle(Protocol::Settle::BeforeCopyPreset);
    if (!journalOverwrite({m_iPresetNumber}, {},
                          text(Text::DescribeCopy).arg(slotName(m_iPresetNumber2), slotName(m_iPresetNumber))))
        return;
    const int iResult = m_pUSBConnect->CopyPreset(m_iPresetNumber, m_iPresetNumber2, &presetCallback);
    settleJournal(iResult);
    finish(iResult, outcome(iResult, kCopyPresetTexts, *m_pUSBConnect), true);
}

void DeviceManagerThread::copyPresets()
{
    if (!requireUnit())
        return;
    const QList<int> destinations = m_listDestinations.mid(0, m_listSources.size());
    if (!journalOverwrite(destinations, {},
                          text(Text::DescribeCopy)
                              .arg(slotNames(m_listSources.mid(0, destinations.size())), slotNames(destinations))))
        return;
    const int iResult = m_pUSBConnect->LoadPresets(m_listDestinations, m_listSources, &presetCallback, false);
    settleJournal(iResult);
    finish(iResult, outcome(iResult, kCopyPresetTexts, *m_pUSBConnect), true);
}

void DeviceManagerThread::renamePreset()
{
    if (!requireUnit())
        return;
    if (!journalOverwrite({m_iPresetNumber}, {},
                          text(Text::DescribeRename).arg(slotName(m_iPresetNumber), m_strPresetName.trimmed())))
        return;
    const int iResult =
        m_pUSBConnect->SendPresetNameToHardware(m_strPresetName, m_iPresetNumber, m_pPresetRecord, &presetCallback);
    settleJournal(iResult);
    finish(iResult, outcome(iResult, kRenameTexts, *m_pUSBConnect), true);
}

// Back-up and restore leave the progress display open either way, so the user reads how it went.
void DeviceManagerThread::backUp()
{
    if (!requireUnit())
        return;
    emit updateText(text(Text::BackingUp));
    const int iResult = m_pUSBConnect->BackUpPresets(0, m_strBackUpFilePath, &progressCallback);
    QString message = resultText(iResult, kBackUpTexts);
    if (iResult == ResultCode::Stopped && stopRequested())
        message = tr("Stopped. The back-up file was not written.");
    if (iResult == ResultCode::FileWriteFailed)
        message += QLatin1Char('\n') + text(Text::FileNotWritten) + QLatin1Char(' ') + text(Text::EarlierBackUpKept);
    finish(iResult, message, false);
}

// The file is read and checked completely first: a file that is no back-up of this unit, or a damaged one, costs
// nothing (no automatic back-up, no rotation, not a word to the unit). The restore then writes exactly the image
// it checked, whatever happens to the file meanwhile.
void DeviceManagerThread::restore()
{
    if (!requireUnit())
        return;
    BackUpImage image;
    const int iChecked = m_pUSBConnect->CheckBackUp(m_strBackUpFilePath, image);
    if (iChecked != ResultCode::Success) {
        finish(iChecked, refusedFileText(iChecked, m_strBackUpFilePath), false);
        return;
    }
    // A restore that puts an automatic back-up back takes none of its own (it would push the older ones out).
    QString backupPath;
    if (!m_bRecovery.load() && !backUpFirst(AutoBackUp::Before::Restore, {m_strBackUpFilePath}, backupPath))
        return;
    enterStep(OperationPlan::Step::WritePresets);
    emit updateText(text(Text::Restoring));
    const int iResult = m_pUSBConnect->RestoreBackUp(image, &progressCallback);
    // Every preset and set list may be other than the journal's entries say: an undo from before would now
    // overwrite restored presets, so the history starts again.
    if (m_pUSBConnect->writtenCount() > 0 && m_undoJournal.clear())
        emitUndoState();
    if (iResult == ResultCode::Success || !ResultCode::isCommunicationFailure(iResult) ||
        m_pUSBConnect->writtenCount() == 0) {
        emit updateText(outcome(iResult, kRestoreTexts, *m_pUSBConnect));
        emit operationFinished(iResult, false);
        return;
    }
    // The unit went in the middle: how far it got, and what comes next.
    const int iTotal = m_pUSBConnect->writeTotal();
    QString state;
    switch (m_pUSBConnect->restoreStage()) {
    case CUSBConnect::RestoreStage::Presets:
        state = text(Text::RestoreStoppedPresets).arg(m_pUSBConnect->writtenCount()).arg(iTotal);
        break;
    case CUSBConnect::RestoreStage::SetLists:
        state = text(Text::RestoreStoppedSetLists).arg(iTotal);
        break;
    case CUSBConnect::RestoreStage::SysParams:
        state = text(Text::RestoreStoppedSysParams).arg(iTotal);
        break;
    }
    const bool bOffer = !backupPath.isEmpty();
    const QString told = text(Text::RestoreStopped) + QLatin1Char(' ') + state + QLatin1Char('\n') +
                         text(bOffer ? Text::RestoreOfferFollows : Text::RestoreAgain);
    emit updateText(told);
    // The window keeps these words under whatever the poll says once it finds the unit gone.
    if (bOffer)
        emit recoveryAvailable(backupPath, told);
    emit operationFinished(iResult, false);
}

// A partial restore is a load from a back-up: the file is checked whole first (a refused file costs nothing), the
// chosen slots and set lists are kept for Undo, and only they are written, one record at a time outside a bulk
// bracket, so k presets cost k writes and their read-back rather than a whole restore. The journal keeps no
// system parameters, so when they are chosen the unit is backed up first, as before a full restore.
void DeviceManagerThread::restoreSelected()
{
    if (!requireUnit())
        return;
    const auto say = [](const char* source) { return QCoreApplication::translate("tessitra", source); };
    BackUpImage image;
    const int iChecked = m_pUSBConnect->CheckBackUp(m_strBackUpFilePath, image);
    if (iChecked != ResultCode::Success) {
        finish(iChecked, refusedFileText(iChecked, m_strBackUpFilePath), false);
        return;
    }
    const QString fileName = QFileInfo(m_strBackUpFilePath).fileName();
    QStringList chosen;
    QList<int> presets;      // the back-up's slots
    QList<int> destinations; // the unit's slots they go into, each once
    for (int i = 0; i < m_listRestorePresets.size(); ++i) {
        const int number = m_listRestorePresets.at(i);
        const int destination = m_listRestoreDestinations.value(i, number);
        if (number < 1 || number > image.presetCount || destination < 1 || destination > image.presetCount) {
            finish(ResultCode::FileCorrupted, say(Text::NotInBackUp).arg(fileName, slotName(number)), false);
            return;
        }
        if (!destinations.contains(destination)) {
            presets.append(number);
            destinations.append(destination);
            chosen.append(destination == number ? slotName(number)
                                                : say(Text::SlotInto).arg(slotName(number), slotName(destination)));
        }
    }
    // Each chosen list with what the unit holds now (kept for Undo) and what the back-up holds.
    QVector<UndoJournal::SetList> lists;
    for (int index : qAsConst(m_listRestoreSetLists)) {
        if (!image.hasSetLists || index < 0 || index >= Protocol::SetListCount) {
            finish(ResultCode::FileCorrupted, say(Text::NotInBackUp).arg(fileName, setListName(index)), false);
            return;
        }
        std::unique_ptr<int[]> current(new int[Protocol::SetListSlots]());
        const int iResult = m_pUSBConnect->GetSetListData(index, current.get());
        if (iResult != ResultCode::Success) {
            finish(iResult, resultText(iResult, kSetListWriteTexts), false);
            return;
        }
        UndoJournal::SetList change{index, QVector<int>(current.get(), current.get() + Protocol::SetListSlots), {}};
        for (int k = 0; k < Protocol::SetListSlots; ++k)
            change.after.append(image.setLists.at(index * Protocol::SetListSlots + k) & 0xFF);
        lists.append(change);
        chosen.append(setListName(index));
    }
    if (m_bRestoreSysParams && !image.hasSysParams) {
        finish(ResultCode::FileCorrupted, say(Text::NotInBackUp).arg(fileName, text(Text::SystemParameters)), false);
        return;
    }
    if (m_bRestoreSysParams) {
        chosen.append(text(Text::SystemParameters));
        QString backupPath;
        if (!backUpFirst(AutoBackUp::Before::Restore, {m_strBackUpFilePath}, backupPath))
            return;
    }
    if (!journalOverwrite(destinations, lists, say(Text::DescribeRestoreSelected).arg(listed(chosen), fileName)))
        return;
    emit updateText(say(Text::RestoringSelected).arg(listed(chosen), fileName));
    m_pUSBConnect->clearMismatches();
    int iResult = ResultCode::Success;
    for (int i = 0; i < presets.size() && iResult == ResultCode::Success; ++i) {
        const int* pSource = image.record(presets.at(i) - 1);
        std::vector<int> record(pSource, pSource + image.recordSize());
        iResult = m_pUSBConnect->SendPresetDataToHardware(destinations.at(i), record.data(), image.nameLength,
                                                          image.paramCount, false);
        // The window shows the slot as written, as after a load; nothing more crosses the wire for it.
        if (iResult == ResultCode::Success) {
            auto* pShown = new int[record.size()];
            std::copy(record.cbegin(), record.cend(), pShown);
            presetCallback(0, 1, destinations.at(i) - 1, pShown, image.nameLength, image.paramCount, image.productCode,
                           image.patchVersion);
        }
    }
    if (iResult == ResultCode::Success && !lists.isEmpty())
        enterStep(OperationPlan::Step::WriteSetLists);
    for (int i = 0; iResult == ResultCode::Success && i < lists.size(); ++i) {
        unsigned char bytes[Protocol::SetListSlots];
        for (int k = 0; k < Protocol::SetListSlots; ++k)
            bytes[k] = static_cast<unsigned char>(lists.at(i).after.at(k));
        iResult = m_pUSBConnect->SetSetListData(lists.at(i).index, bytes);
        if (iResult == ResultCode::Success && m_bVerifyWrites.load()) {
            // As the set-list edit does: the unit is given a second more before the list is read back.
            Settle::settle(Protocol::Settle::BeforeSetListReadBack);
            iResult = m_pUSBConnect->verifySetList(lists.at(i).index, bytes);
        }
    }
    bool bSysDiffer = false;
    if (iResult == ResultCode::Success && m_bRestoreSysParams) {
        enterStep(OperationPlan::Step::WriteSystemParameters);
        iResult = m_pUSBConnect->SendSysParams(image.sysParams);
        // The unit stores the parameters after the last page and takes nothing else meanwhile.
        Settle::settle(Protocol::Settle::AfterRestore);
        if (iResult == ResultCode::Success && m_bVerifyWrites.load()) {
            BackUpImage readBack;
            iResult = m_pUSBConnect->GetSysParams(readBack.sysParams);
            const QVector<int> expected = image.sysParamValues();
            bSysDiffer = readBack.sysParamValues().mid(0, expected.size()) != expected;
        }
    }
    CUSBConnect::Mismatches mismatches = m_pUSBConnect->mismatches();
    mismatches.sysParams = bSysDiffer;
    if (iResult == ResultCode::Success && !mismatches.isEmpty())
        iResult = ResultCode::VerifyMismatch;
    settleJournal(iResult);
    for (const UndoJournal::SetList& list : qAsConst(lists))
        if (iResult == ResultCode::Success)
            emit setListData(list.index, list.after);
    const QString message = iResult == ResultCode::VerifyMismatch ? mismatchText(mismatches)
                            : iResult == ResultCode::Success ? say(Text::RestoredSelected).arg(listed(chosen), fileName)
                                                             : resultText(iResult, kRestoreTexts);
    finish(iResult, message, true);
}

// The unit read for the window's comparison as a back-up reads it, kept in memory only: no file is written and
// nothing on the unit changes, so Cancel stops it safely.
void DeviceManagerThread::readUnit()
{
    if (!requireUnit())
        return;
    emit updateText(tr("Reading the presets, set lists and system parameters of the unit..."));
    BackUpImage image;
    const int iResult = m_pUSBConnect->ReadBackUp(0, image, &progressCallback);
    if (iResult == ResultCode::Success)
        emit unitRead(image);
    const QString message = iResult == ResultCode::Success                      ? QString()
                            : iResult == ResultCode::Stopped && stopRequested() ? tr("Stopped. Nothing was compared.")
                            : ResultCode::isCommunicationFailure(iResult)
                                ? text(Text::CommunicationFailure)
                                : tr("Failed to read the presets of the unit.");
    finish(iResult, message, true);
}

QString DeviceManagerThread::refusedFileText(int result, const QString& path) const
{
    const QString name = QFileInfo(path).fileName();
    if (result == ResultCode::FileVersionMismatch)
        return text(Text::NotABackUp)
            .arg(name, text(productId() == UsbIds::CadenzoProductId ? Text::ModelCadenzo : Text::ModelAriette));
    if (result == ResultCode::FileCorrupted)
        return text(Text::FileDataCorrupted) + QLatin1Char('\n') + text(Text::DamagedBackUp).arg(name);
    return resultText(result, kRestoreTexts);
}

// Only the Cadenzo takes new factory presets from the program.
void DeviceManagerThread::updateFactoryPresets()
{
    if (!requireUnit())
        return;
    if (productId() != UsbIds::CadenzoProductId) {
        emit updateText(text(Text::NotAllowed));
        emit operationFinished(-1, false);
        return;
    }
    // A bank kept before an earlier rewrite, when one was handed over for this run only.
    const QString source = std::exchange(m_strFactorySource, QString());
    const QString path = source.isEmpty() ? m_strFactoryPresetFolder + QLatin1String(kFactoryPresetFile) : source;
    // A file that cannot serve this unit is refused before anything is backed up.
    const int iChecked = QFile::exists(path) ? m_pUSBConnect->CheckFactoryFile(path, true) : ResultCode::Success;
    if (iChecked != ResultCode::Success) {
        emit operationFinished(iChecked, false);
        emit updateText(outcome(iChecked, kFactoryUpdateTexts, *m_pUSBConnect));
        return;
    }
    QString backupPath;
    if (QFile::exists(path) && source.isEmpty() && !backUpFirst(AutoBackUp::Before::FactoryUpdate, {}, backupPath))
        return;
    enterStep(OperationPlan::Step::WritePresets);
    emit updateText(text(Text::UpdatingFactoryPresets));
    const int iResult = m_pUSBConnect->RestoreFactoryPresets(path, &progressCallback);
    const QString state = leftInUnit(iResult, *m_pUSBConnect, Text::FactoryLeft);
    offerRecovery(iResult, backupPath, state);
    // Unlike the others this one reports its end before its text: the window's dialog stays open for it.
    emit operationFinished(iResult, false);
    emit updateText(outcome(iResult, kFactoryUpdateTexts, *m_pUSBConnect) + state);
}

// The image kind follows from the file's extension: ".ldr" is the DSP image, ".bin" the microcontroller's.
// Any other file is left alone without a word.
void DeviceManagerThread::updateFirmwareImage(const QString& path, const QByteArray& bytes)
{
    if (!requireUnit())
        return;
    if (bytes.isNull() && !QFile::exists(path)) {
        emit updateText(text(Text::FileNotFound));
        emit operationFinished(-1, false);
        return;
    }
    const bool bDsp = path.endsWith(QLatin1String(".ldr"), Qt::CaseInsensitive);
    if (!bDsp && !path.endsWith(QLatin1String(".bin"), Qt::CaseInsensitive))
        return;
    QString backupPath;
    if (!backUpFirst(AutoBackUp::Before::FirmwareUpdate, {}, backupPath))
        return;
    enterStep(OperationPlan::Step::WriteFirmware);
    emit updateText(text(bDsp ? Text::UpdatingDsp : Text::UpdatingMicro));
    const int iResult = !bytes.isNull() ? (bDsp ? m_pUSBConnect->UpdateDSPFW(bytes, &progressCallback)
                                                : m_pUSBConnect->UpdateMicroFW(bytes, &progressCallback))
                        : bDsp          ? m_pUSBConnect->UpdateDSPFW(path, &progressCallback)
                                        : m_pUSBConnect->UpdateMicroFW(path, &progressCallback);
    const QString state = leftInUnit(iResult, *m_pUSBConnect, Text::FirmwareLeft);
    emit updateText(resultText(iResult, bDsp ? kDspUpdateTexts : kMicroUpdateTexts) + state);
    offerRecovery(iResult, backupPath, state);
    emit operationFinished(iResult, false);
}

bool DeviceManagerThread::backUpFirst(AutoBackUp::Before before, const QStringList& protect, QString& backupPath)
{
    backupPath.clear();
    if (!m_bAutoBackup.load())
        return true;
    emit updateText(text(Text::BackingUpFirst));
    const bool bCadenzo = productId() == UsbIds::CadenzoProductId;
    const QString folder = bCadenzo ? g_cadenzoBackUpFolder : g_arietteBackUpFolder;
    // Before a factory rewrite the factory bank it replaces is kept as well, beside the user side.
    QVector<std::pair<int, QString>> kinds{{0, QLatin1String(bCadenzo ? ".tscb" : ".tarb")}};
    if (before == AutoBackUp::Before::FactoryUpdate)
        kinds.append({1, QStringLiteral(".dat")});
    const QDateTime now = QDateTime::currentDateTime();
    for (const auto& kind : qAsConst(kinds)) {
        if (kind.first == 1)
            enterStep(OperationPlan::Step::KeepFactoryBank);
        BackUpImage image;
        int iResult = m_pUSBConnect->ReadBackUp(kind.first, image, &progressCallback);
        QString path;
        if (iResult == ResultCode::Success)
            iResult = AutoBackUp(folder, kind.second, m_strUnitSerial).keep(image, before, now, protect, &path);
        if (iResult != ResultCode::Success) {
            TS_WARNING("Automatic back-up in %s failed: %d", qUtf8Printable(folder), iResult);
            // Why, in the words the user knows from a back-up of their own.
            const QString cause = iResult == ResultCode::FileWriteFailed ? text(Text::FileNotWritten)
                                  : ResultCode::isCommunicationFailure(iResult) || iResult == ResultCode::Stopped
                                      ? text(Text::CommunicationFailure)
                                      : resultText(iResult, kBackUpTexts);
            finish(ResultCode::AutoBackUpFailed, text(Text::AutoBackUpFailed) + QLatin1Char('\n') + cause, false);
            return false;
        }
        TS_DEBUG("Automatic back-up: %s", qUtf8Printable(path));
        // The way back a recovery offers: the factory bank for a factory rewrite, the user side otherwise.
        if (kind.first == (before == AutoBackUp::Before::FactoryUpdate ? 1 : 0))
            backupPath = path;
        // The bar starts again for what comes next.
        emit dataSent(0, 0);
    }
    return true;
}

void DeviceManagerThread::offerRecovery(int result, const QString& backupPath, const QString& stateLine)
{
    // Only a transfer the unit failed in the middle of leaves it in a state worth putting back; a refused file
    // or a unit that took nothing is as it was.
    if (backupPath.isEmpty() || !ResultCode::isCommunicationFailure(result) || stateLine.isEmpty() ||
        stateLine == QLatin1Char('\n') + text(Text::NothingWritten))
        return;
    emit recoveryAvailable(backupPath, stateLine.mid(1));
}

QString DeviceManagerThread::modelFolder() const
{
    return productId() == UsbIds::CadenzoProductId ? g_cadenzoFolder : g_arietteFolder;
}

void DeviceManagerThread::loadUndoJournal()
{
    // Each unit its own journal: an undo never writes one unit's old preset into another of the same model.
    m_undoJournal = UndoJournal(UndoJournal::pathFor(modelFolder(), m_strUnitSerial));
    const UndoJournal::Identity identity{
        g_deviceInfo.hardwareProductCode.load(), g_deviceInfo.hardwarePatchVersion.load(),
        g_deviceInfo.maxPresetNameLength.load(), g_deviceInfo.maxPresetParamLength.load(),
        g_deviceInfo.presetCount.load(),         m_strUnitSerial};
    m_undoJournal.load(identity);
    emitUndoState();
}

void DeviceManagerThread::emitUndoState()
{
    const bool bReady = m_undoJournal.status() == UndoJournal::Status::Ready;
    const int iUndo = bReady ? m_undoJournal.entries() : 0;
    const int iRedo = bReady ? m_undoJournal.redoEntries() : 0;
    emit undoNames(iUndo > 0 ? m_undoJournal.newest().description : QString(),
                   iRedo > 0 ? m_undoJournal.newestUndone().description : QString());
    emit undoAvailable(iUndo);
}

void DeviceManagerThread::setJournalAside()
{
    if (m_undoJournal.status() == UndoJournal::Status::Unreadable) {
        emit updateText(text(Text::JournalUnreadable));
        return;
    }
    const QString aside = m_undoJournal.setAside();
    if (!aside.isEmpty())
        emit updateText(text(Text::JournalSetAside).arg(aside));
}

bool DeviceManagerThread::journalOverwrite(const QList<int>& destinations, const QVector<UndoJournal::SetList>& lists,
                                           const QString& description)
{
    m_bJournalled = false;
    m_pUSBConnect->takeWrittenRecords();
    m_pendingEntry = UndoJournal::Entry{description, {}, lists};
    // What is kept for Undo is read first, then come the writes.
    if (m_undoJournal.path().isEmpty()) {
        enterStep(OperationPlan::Step::WritePresets);
        return true;
    }
    if (m_undoJournal.status() != UndoJournal::Status::Ready)
        setJournalAside();
    const int iCount = g_deviceInfo.presetCount.load();
    const int iNameLength = g_deviceInfo.maxPresetNameLength.load();
    const int iParamCount = g_deviceInfo.maxPresetParamLength.load();
    for (int number : destinations) {
        // Only user presets are kept: the factory bank has its own way back (the factory preset file).
        if (number < 1 || number > iCount)
            continue;
        UndoJournal::Record record{number, QVector<int>(iNameLength + iParamCount), {}};
        const int iResult =
            m_pUSBConnect->GetPresetDataFromHardware(record.before.data(), number, iNameLength, iParamCount);
        if (iResult != ResultCode::Success) {
            // Nothing is overwritten that could not be kept.
            finish(iResult, resultText(iResult, kRenameTexts), false);
            return false;
        }
        m_pendingEntry.records.append(record);
    }
    enterStep(OperationPlan::Step::WritePresets);
    if (m_pendingEntry.isEmpty())
        return true;
    // Kept before the first write, with nothing written yet: a program killed half way still has the way back,
    // and an undo then asks, as it cannot vouch for what the slot holds.
    UndoJournal::Entry entry = m_pendingEntry;
    for (UndoJournal::SetList& list : entry.setLists)
        list.after.clear();
    // An overwrite that cannot be kept still goes ahead: the user asked for it, and only the way back is lost.
    m_bJournalled = m_undoJournal.push(entry);
    if (m_bJournalled)
        emitUndoState();
    return true;
}

void DeviceManagerThread::settleJournal(int result)
{
    if (!m_bJournalled)
        return;
    m_bJournalled = false;
    // The file codes are refusals before the first write: the unit holds what it held, nothing to undo.
    const bool bRefused = result == ResultCode::FileCorrupted || result == ResultCode::FileVersionMismatch ||
                          result == ResultCode::FileNotFound || result == ResultCode::NoRecord;
    if (bRefused) {
        if (m_undoJournal.dropNewest())
            emitUndoState();
        return;
    }
    // What the unit took is what an undo must find in the slots.
    UndoJournal::Entry written{m_pendingEntry.description, {}, {}};
    const auto records = m_pUSBConnect->takeWrittenRecords();
    for (const auto& record : records)
        written.records.append({record.first, {}, record.second});
    if (result == ResultCode::Success || result == ResultCode::VerifyMismatch)
        written.setLists = m_pendingEntry.setLists;
    m_undoJournal.complete(written);
}

// Writes back what the newest overwrite replaced (or, for a redo, what the newest undo took away), but only into
// slots that still hold what the journal says they hold; otherwise the user is asked (setUndoForce), since the
// slot was changed since. Verified like any write; the entry moves between undo and redo once it is all back.
void DeviceManagerThread::undo(bool bRedo)
{
    if (!requireUnit())
        return;
    if (m_undoJournal.status() != UndoJournal::Status::Ready) {
        setJournalAside();
        emitUndoState();
        emit operationFinished(ResultCode::JournalRefused, false);
        return;
    }
    // Another program may have changed the journal of this unit meanwhile.
    m_undoJournal.load(m_undoJournal.identity());
    if ((bRedo ? m_undoJournal.redoEntries() : m_undoJournal.entries()) == 0) {
        emitUndoState();
        finish(ResultCode::NothingToUndo, text(bRedo ? Text::NothingToRedo : Text::NothingToUndo), false);
        return;
    }
    const UndoJournal::Entry entry = bRedo ? m_undoJournal.newestUndone() : m_undoJournal.newest();
    const int iNameLength = g_deviceInfo.maxPresetNameLength.load();
    const int iParamCount = g_deviceInfo.maxPresetParamLength.load();

    // 1. What the slots hold now against what they should hold.
    QStringList changed;
    for (const UndoJournal::Record& record : entry.records) {
        QVector<int> now(iNameLength + iParamCount);
        const int iResult = m_pUSBConnect->GetPresetDataFromHardware(now.data(), record.slot, iNameLength, iParamCount);
        if (iResult != ResultCode::Success)
            return finish(iResult, resultText(iResult, kRenameTexts), false);
        if (now != (bRedo ? record.before : record.after))
            changed.append(slotName(record.slot));
    }
    for (const UndoJournal::SetList& list : entry.setLists) {
        int now[Protocol::SetListSlots] = {};
        const int iResult = m_pUSBConnect->GetSetListData(list.index, now);
        if (iResult != ResultCode::Success)
            return finish(iResult, resultText(iResult, kRenameTexts), false);
        if (QVector<int>(now, now + Protocol::SetListSlots) != (bRedo ? list.before : list.after))
            changed.append(setListName(list.index));
    }
    if (!changed.isEmpty() && !m_bUndoForce.exchange(false)) {
        const char* conflict = changed.size() == 1 ? (bRedo ? Text::RedoConflictOne : Text::UndoConflictOne)
                                                   : (bRedo ? Text::RedoConflictMany : Text::UndoConflictMany);
        finish(ResultCode::UndoConflict, text(conflict).arg(listed(changed), entry.description), false);
        return;
    }
    m_bUndoForce.store(false);

    // 2. Put the records back.
    m_pUSBConnect->clearMismatches();
    int iResult = ResultCode::Success;
    for (int i = 0; i < entry.records.size() && iResult == ResultCode::Success; ++i) {
        const QVector<int>& data = bRedo ? entry.records.at(i).after : entry.records.at(i).before;
        std::unique_ptr<int[]> record(new int[static_cast<size_t>(data.size())]);
        std::copy(data.cbegin(), data.cend(), record.get());
        const int iSlot = entry.records.at(i).slot;
        iResult = m_pUSBConnect->SendPresetDataToHardware(iSlot, record.get(), iNameLength, iParamCount, false);
        if (iResult == ResultCode::Success)
            presetCallback(0, 1, iSlot - 1, record.release(), iNameLength, iParamCount,
                           g_deviceInfo.hardwareProductCode.load(), g_deviceInfo.hardwarePatchVersion.load());
    }
    for (int i = 0; i < entry.setLists.size() && iResult == ResultCode::Success; ++i) {
        const UndoJournal::SetList& list = entry.setLists.at(i);
        const QVector<int>& data = bRedo ? list.after : list.before;
        unsigned char bytes[Protocol::SetListSlots] = {};
        for (int k = 0; k < Protocol::SetListSlots && k < data.size(); ++k)
            bytes[k] = static_cast<unsigned char>(data.at(k));
        iResult = m_pUSBConnect->SetSetListData(list.index, bytes);
        if (iResult == ResultCode::Success && m_bVerifyWrites.load()) {
            Settle::settle(Protocol::Settle::BeforeSetListReadBack);
            iResult = m_pUSBConnect->verifySetList(list.index, bytes);
        }
        if (iResult == ResultCode::Success)
            emit setListData(list.index, QVector<int>(bytes, bytes + Protocol::SetListSlots));
    }
    m_pUSBConnect->takeWrittenRecords();
    if (iResult == ResultCode::Success && !m_pUSBConnect->mismatches().isEmpty())
        iResult = ResultCode::VerifyMismatch;
    if (iResult == ResultCode::Success && (bRedo ? m_undoJournal.redone() : m_undoJournal.undone()))
        emitUndoState();
    const QString done = text(bRedo ? Text::Redone : Text::Undone).arg(entry.description);
    finish(iResult, iResult == ResultCode::Success ? done : outcome(iResult, kRenameTexts, *m_pUSBConnect), false);
}

void DeviceManagerThread::run()
{
    TS_DEBUG("run thread: %p", static_cast<void*>(QThread::currentThreadId()));

    m_iProductId.store(-1);
    m_strDevicePath.clear();

    // Both live on this thread: the link is only ever used from here, and the timer's ticks must reach
    // onTimeOut on this thread's event loop.
    m_pUSBConnect = new CUSBConnect();
    m_pPollTimer = new QTimer();
    m_pPollTimer->setSingleShot(false);
    m_pPollTimer->setInterval(m_iPollIntervalMs.load());
    connect(m_pPollTimer, &QTimer::timeout, this, &DeviceManagerThread::onTimeOut);
    m_pPollTimer->start(m_iPollIntervalMs.load());

    exec();

    m_pUSBConnect->Close();
    delete m_pUSBConnect;
    m_pUSBConnect = nullptr;
    delete m_pPollTimer;
    m_pPollTimer = nullptr;
    // With the link gone no unit is open any more; a later worker starts from "no unit".
    g_bDeviceConnected.store(false);
    UnitLock::release();
    // Pairs with the acquire in the destructor (see there).
    m_bRunEnded.store(true, std::memory_order_release);
}

void DeviceManagerThread::onTimeOut()
{
    QMutexLocker locker(&m_mutex);
    if (!m_pUSBConnect)
        return;
    // While the other front end (window or command line) holds the unit, this one waits as if none were there.
    const bool bHeld = !UnitLock::acquire();
    if (bHeld != m_bHeldElsewhere) {
        m_bHeldElsewhere = bHeld;
        emit unitInUse(bHeld);
    }
    if (bHeld) {
        emit noDevice();
        return;
    }

    // Enumerate every poll, also while a unit is open: a second unit plugged in beside it is worth a word. Only
    // a unit that is not open yet is taken from the list; an open one is checked by its identity query below.
    const bool bTake = !g_bDeviceConnected.load() && m_iProductId.load() == -1;
    int iFound = 0;
    QStringList units;
    const HidApi& hid = HidSeam::api();
    hid_device_info* pDevices = hid.enumerate(UsbIds::VendorId, 0);
    for (const hid_device_info* pDevice = pDevices; pDevice; pDevice = pDevice->next) {
        if (pDevice->vendor_id != UsbIds::VendorId || !UsbIds::isModelProductId(pDevice->product_id))
            continue;
        ++iFound;
        const QString serial = pDevice->serial_number ? QString::fromWCharArray(pDevice->serial_number) : QString();
        units.append(unitDescription(pDevice->product_id, serial));
        if (bTake) {
            m_iProductId.store(pDevice->product_id);
            m_strDevicePath = QString::fromUtf8(pDevice->path);
            m_strUnitSerial = serial;
        }
    }
    if (pDevices)
        hid.free_enumeration(pDevices);

    // The same set of units is announced once; a new set (one more, one swapped) is announced again.
    units.sort();
    const QString unitSet = iFound >= 2 ? units.join(QLatin1Char('\n')) : QString();
    const bool bNewSet = unitSet != m_strUnitSet;
    m_strUnitSet = unitSet;
    if (iFound >= 2 && g_bDeviceConnected.load()) {
        if (bNewSet)
            emit multipleDeviceDetected(unitSet);
        iFound = 1; // the open unit stays open
    }
    // Two units (of either model) cannot be told apart for the user: talk to neither until one goes.
    if (iFound >= 2) {
        m_iProductId.store(-1);
        m_strDevicePath.clear();
        m_pUSBConnect->Close();
        if (bNewSet)
            emit multipleDeviceDetected(unitSet);
        return;
    }

    // With a unit open this only re-runs the identity query, so a connected unit is asked once a second.
    const int iResult = m_pUSBConnect->Open(m_strDevicePath);
    if (iResult == 0) {
        if (g_bDeviceConnected.load())
            return;
        m_strAccessProblem.clear();
        g_bDeviceConnected.store(true);
        m_pPollTimer->start(m_iPollIntervalMs.load());
        const int iPid = m_iProductId.load();
        CFirmwareUpdate::instance()->setProductId(iPid);
        TS_DEBUG("pid is: 0x%x", static_cast<unsigned>(iPid));
        m_strFactoryPresetFolder =
            iPid == UsbIds::ArietteProductId ? g_arietteFactoryPresetsFolder : g_cadenzoFactoryPresetsFolder;
        m_pUSBConnect->setFactoryPresetFolder(m_strFactoryPresetFolder);
        emit deviceDetected(iPid);
        loadUndoJournal();
        return;
    }

    if (g_bDeviceConnected.load()) {
        // The unit was connected and stopped answering: say so once; later polls report noDevice.
        m_iProductId.store(-1);
        g_bDeviceConnected.store(false);
        m_strDevicePath.clear();
        CFirmwareUpdate::instance()->setProductId(-1);
        m_pUSBConnect->Close();
        emit deviceRemoved();
        emit updateText(text(Text::CommunicationFailure));
        emit operationFinished(0, false);
        return;
    }

    // A listed unit that the system would not open: say why once, not every second.
    const int iOpenError = m_pUSBConnect->openError();
    const QString strProblem = iOpenError != 0 ? accessText(iOpenError) : QString();
    const bool bNewProblem = !strProblem.isEmpty() && strProblem != m_strAccessProblem;
    m_strAccessProblem = strProblem;

    m_iProductId.store(-1);
    m_strDevicePath.clear();
    m_pUSBConnect->Close();
    if (bNewProblem)
        emit deviceInaccessible(strProblem);
    emit noDevice();
}

QString DeviceManagerThread::cleanFileName(QString name)
{
    // Characters a file name cannot hold on one desktop or another; each becomes "_" in a saved preset's name.
    static const char unsafe[] = "|\"><:*?\\/\n\r";
    for (const char* c = unsafe; *c; ++c)
        name.replace(QLatin1Char(*c), QLatin1Char('_'));
    return name;
}
