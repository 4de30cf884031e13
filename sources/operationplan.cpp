#include "operationplan.h"

#include "deviceinfo.h"
#include "protocol.h"

#include <algorithm>

namespace {
namespace Wait = Protocol::Settle;

// A reply goes on while the unit sends full reports, so a reply of n bytes takes n / 56 + 1 reports, each after
// the settle time of its kind.
qint64 replyMs(qint64 bytes, int settleMs)
{
    return (std::max<qint64>(0, bytes) / Protocol::MaxPayload + 1) * settleMs;
}

qint64 recordReadMs(const OperationPlan::Unit& unit)
{
    return replyMs(qint64(unit.nameLength) + 2 * qint64(unit.paramCount), Wait::BeforePresetDataReport);
}

// What a back-up reads after the presets: the five set lists and the pages of system parameters.
constexpr qint64 kListsAndParametersMs =
    Protocol::SetListCount * Wait::BeforeSetListReply + Protocol::SysPage::Pages * Wait::BeforeSysParamReply;
constexpr qint64 kSystemParametersMs = Protocol::SysPage::Pages * Wait::BeforeSysParamReply;

// Firmware travels without settle times; a full-speed USB link takes one report per 1 ms frame.
constexpr qint64 kFirmwareReportMs = 1;
} // namespace

OperationPlan::Unit OperationPlan::Unit::connected()
{
    return {g_deviceInfo.presetCount.load(), g_deviceInfo.maxPresetNameLength.load(),
            g_deviceInfo.maxPresetParamLength.load()};
}

void OperationPlan::add(Step step, int items, qint64 itemMs, qint64 restMs, bool anchor)
{
    m_stages.append({step, std::max(0, items), std::max<qint64>(0, itemMs), std::max<qint64>(0, restMs), anchor});
}

void OperationPlan::addBackUpFirst(const Unit& unit, bool bFactoryBankToo)
{
    add(Step::BackUpFirst, unit.presetCount, recordReadMs(unit), kListsAndParametersMs, true);
    if (bFactoryBankToo)
        add(Step::KeepFactoryBank, unit.presetCount, recordReadMs(unit), kListsAndParametersMs);
}

OperationPlan OperationPlan::readLists(const Unit& unit, bool bFactoryBank, bool bUserNames)
{
    OperationPlan plan;
    if (bFactoryBank)
        plan.add(Step::ReadFactoryBank, unit.presetCount, recordReadMs(unit), kListsAndParametersMs, true);
    if (bUserNames)
        plan.add(Step::ReadNames, unit.presetCount, replyMs(unit.nameLength, Wait::BeforePresetNameReport), 0, true);
    plan.add(Step::ReadSetLists, 0, 0, Wait::BeforeSetListRead + Protocol::SetListCount * Wait::BeforeSetListReply,
             true);
    return plan;
}

OperationPlan OperationPlan::backUp(const Unit& unit)
{
    OperationPlan plan;
    plan.add(Step::BackUp, unit.presetCount, recordReadMs(unit), kListsAndParametersMs);
    return plan;
}

OperationPlan OperationPlan::readUnit(const Unit& unit)
{
    OperationPlan plan;
    plan.add(Step::ReadUnit, unit.presetCount, recordReadMs(unit), kListsAndParametersMs);
    return plan;
}

OperationPlan OperationPlan::savePresets(const Unit& unit, int presets)
{
    OperationPlan plan;
    plan.add(Step::SavePresets, presets, recordReadMs(unit), 0);
    return plan;
}

OperationPlan OperationPlan::restore(const Unit& unit, bool bAutoBackUp, bool bVerify)
{
    OperationPlan plan;
    if (bAutoBackUp)
        plan.addBackUpFirst(unit, false);
    // Records go in bulk, with the short pause each; the unit stores them all once the bracket closes.
    plan.add(Step::WritePresets, unit.presetCount, Wait::AfterFastRecordWrite, Wait::BeforeBulkBegin, true);
    plan.add(Step::Storing, 0, 0, Wait::AfterBulkEnd);
    if (bVerify)
        plan.add(Step::CheckWritten, unit.presetCount, recordReadMs(unit), 0);
    plan.add(Step::WriteSetLists, Protocol::SetListCount,
             Wait::AfterSetListWrite + (bVerify ? Wait::BeforeSetListReadBack + Wait::BeforeSetListReply : 0), 0);
    plan.add(Step::WriteSystemParameters, 0, 0,
             kSystemParametersMs + Wait::AfterRestore + (bVerify ? kSystemParametersMs : 0));
    return plan;
}

OperationPlan OperationPlan::factoryRewrite(const Unit& unit, bool bAutoBackUp, bool bVerify)
{
    OperationPlan plan;
    if (bAutoBackUp)
        plan.addBackUpFirst(unit, true);
    plan.add(Step::WritePresets, unit.presetCount, Wait::AfterFastRecordWrite, Wait::BeforeBulkBegin, true);
    plan.add(Step::Storing, 0, 0, Wait::AfterBulkEnd);
    if (bVerify)
        plan.add(Step::CheckWritten, unit.presetCount, recordReadMs(unit), 0);
    return plan;
}

OperationPlan OperationPlan::firmware(const Unit& unit, bool bAutoBackUp, qint64 imageBytes, bool bDsp)
{
    OperationPlan plan;
    if (bAutoBackUp)
        plan.addBackUpFirst(unit, false);
    const int chunk = bDsp ? Protocol::DspChunkSize : Protocol::MicroChunkSize;
    plan.add(Step::WriteFirmware, 0, 0, ((std::max<qint64>(0, imageBytes) + chunk - 1) / chunk + 1) * kFirmwareReportMs,
             true);
    return plan;
}

OperationPlan OperationPlan::writePresets(const Unit& unit, int presets, bool bFromUnit, bool bVerify, qint64 leadMs)
{
    OperationPlan plan;
    // The slots are read before they are overwritten, so that Undo can put them back.
    plan.add(Step::KeepForUndo, presets, recordReadMs(unit), leadMs);
    // One by one, each stored before the next: the long pause after every record.
    plan.add(Step::WritePresets, presets,
             (bFromUnit ? recordReadMs(unit) : 0) + Wait::AfterRecordWrite + (bVerify ? recordReadMs(unit) : 0), 0,
             true);
    return plan;
}

OperationPlan OperationPlan::setListWrite()
{
    OperationPlan plan;
    // Read, change, write, and read back for the window (whether or not it is compared).
    plan.add(Step::WriteSetLists, 0, 0,
             2 * Wait::BeforeSetListReply + Wait::AfterSetListWrite + Wait::BeforeSetListReadBack);
    return plan;
}

qint64 OperationPlan::totalMs() const
{
    return startOf(m_stages.size());
}

qint64 OperationPlan::startOf(int stage) const
{
    qint64 start = 0;
    for (int i = 0; i < stage && i < m_stages.size(); ++i)
        start += m_stages.at(i).ms();
    return start;
}

int OperationPlan::stageOf(Step step) const
{
    for (int i = 0; i < m_stages.size(); ++i)
        if (m_stages.at(i).step == step)
            return i;
    return -1;
}

int OperationPlan::stageAt(qint64 doneMs) const
{
    qint64 end = 0;
    for (int i = 0; i < m_stages.size(); ++i) {
        end += m_stages.at(i).ms();
        if (doneMs < end)
            return i;
    }
    return m_stages.size() - 1;
}

QString OperationPlan::stepText(qint64 doneMs) const
{
    const int index = stageAt(doneMs);
    if (index < 0)
        return QString();
    const Stage& stage = m_stages.at(index);
    const qint64 into = std::max<qint64>(0, doneMs - startOf(index));
    const qint64 item = stage.itemMs > 0 ? into / stage.itemMs + 1 : stage.items + 1;
    const bool bCounted = stage.items > 1 && item <= stage.items;
    switch (stage.step) {
    case Step::ReadFactoryBank:
        return bCounted ? tr("Reading the factory presets %1 of %2").arg(item).arg(stage.items)
                        : tr("Reading the factory presets");
    case Step::ReadNames:
        return bCounted ? tr("Reading preset names %1 of %2").arg(item).arg(stage.items) : tr("Reading preset names");
    case Step::ReadSetLists:
        return tr("Reading set lists");
    case Step::BackUpFirst:
        return bCounted ? tr("Backing up the unit first: preset %1 of %2").arg(item).arg(stage.items)
                        : tr("Backing up the unit first");
    case Step::KeepFactoryBank:
        return bCounted ? tr("Keeping the factory presets first: %1 of %2").arg(item).arg(stage.items)
                        : tr("Keeping the factory presets first");
    case Step::BackUp:
        return bCounted ? tr("Backing up presets %1 of %2").arg(item).arg(stage.items)
                        : tr("Backing up set lists and system parameters");
    case Step::ReadUnit:
        return bCounted ? tr("Reading presets %1 of %2").arg(item).arg(stage.items)
                        : tr("Reading set lists and system parameters");
    case Step::SavePresets:
        return bCounted ? tr("Saving presets %1 of %2").arg(item).arg(stage.items) : tr("Saving presets");
    case Step::KeepForUndo:
        return tr("Keeping what is overwritten, for Undo");
    case Step::WritePresets:
        return bCounted ? tr("Writing presets %1 of %2").arg(item).arg(stage.items) : tr("Writing presets");
    case Step::Storing:
        return tr("The unit is storing the presets");
    case Step::CheckWritten:
        return bCounted ? tr("Checking what was written %1 of %2").arg(item).arg(stage.items)
                        : tr("Checking what was written");
    case Step::WriteSetLists:
        return bCounted ? tr("Writing set lists %1 of %2").arg(item).arg(stage.items) : tr("Writing set lists");
    case Step::WriteSystemParameters:
        return tr("Writing the system parameters");
    case Step::WriteFirmware:
        return tr("Writing the firmware");
    }
    return QString();
}

QString OperationPlan::timeLeftText(qint64 ms)
{
    qint64 seconds = (std::max<qint64>(0, ms) + 999) / 1000;
    if (seconds == 0)
        return tr("almost done");
    if (seconds < 60)
        //: Time left of an operation, in seconds
        return tr("about %1 s left").arg(seconds);
    // Past a minute the last seconds would only flicker: five at a time.
    seconds = (seconds + 4) / 5 * 5;
    if (seconds % 60 == 0)
        //: Time left of an operation, in minutes
        return tr("about %1 min left").arg(seconds / 60);
    //: Time left of an operation: %1 minutes and %2 seconds
    return tr("about %1 min %2 s left").arg(seconds / 60).arg(seconds % 60);
}

QString OperationPlan::durationText(qint64 ms)
{
    const qint64 seconds = (std::max<qint64>(0, ms) + 500) / 1000;
    if (seconds < 10)
        return tr("This takes a few seconds.");
    if (seconds < 60)
        return tr("This takes about %1 seconds.").arg((seconds + 5) / 10 * 10);
    const qint64 minutes = (seconds + 30) / 60;
    if (minutes == 1)
        return tr("This takes about a minute.");
    return tr("This takes about %1 minutes.").arg(minutes);
}
