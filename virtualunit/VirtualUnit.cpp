#include "VirtualUnit.h"

#include "sources/protocol.h"
#include "sources/usbids.h"

#include <algorithm>
#include <cstring>

namespace {
namespace Cmd = Protocol::Cmd;

constexpr int WireSequenceMask = 0xFFFF;
// Replies of a unit under the foreign-reply fault keep the low byte of the right code and change the high
// byte, so a host that compares only one of the two bytes is caught either way round.
constexpr int ForeignReplyOffset = 0x100;
constexpr unsigned char BadMagicSecondByte = 0x00;

int le16(const unsigned char* p)
{
    return p[0] | (p[1] << 8);
}

void putLe16(unsigned char* p, int value)
{
    p[0] = static_cast<unsigned char>(value & 0xFF);
    p[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

int le32(const unsigned char* p)
{
    const quint32 v = static_cast<quint32>(p[0]) | (static_cast<quint32>(p[1]) << 8) |
                      (static_cast<quint32>(p[2]) << 16) | (static_cast<quint32>(p[3]) << 24);
    return static_cast<qint32>(v);
}

int nextSequence(int sequence)
{
    return (sequence + 1) & WireSequenceMask;
}

int xorOf(const unsigned char* data, int length)
{
    int checksum = 0;
    for (int i = 0; i < length; ++i)
        checksum ^= data[i];
    return checksum;
}

// Names a unit leaves the factory with. Storages and models pick from the list at different offsets,
// so user and factory banks and the two models are told apart at a glance.
const char* const kPresetNames[] = {
    "Warm Hall",    "Slap Double",   "Choir Pad",    "Bright Plate", "Tight Room",    "Octave Down",   "Fifth Above",
    "Third Below",  "Tape Echo",     "Ping Pong",    "Radio Voice",  "Megaphone",     "Wide Chorus",   "Spring Tank",
    "Cathedral",    "Vocal Doubler", "Robot Tune",   "Hard Tune",    "Soft Tune",     "Gospel Stack",  "Big Arena",
    "Small Club",   "Phone Line",    "Whisper Air",  "Pop Lead",     "Rock Lead",     "Ballad Verb",   "Jazz Room",
    "Folk Duet",    "Country Slap",  "Dub Delay",    "Shimmer",      "Reverse Swell", "Vox Filter",    "Crunch Drive",
    "Subtle Pitch", "Thick Unison",  "Stadium Echo", "Studio Vocal", "Quarter Note",  "Dotted Eighth", "Triplet Echo",
    "Low Harmony",  "High Harmony",  "Four Part",    "Detune Wide",  "Auto Pan",      "Tremolo Voice", "Dry Lead",
    "Clean Bypass",
};
constexpr int kPresetNameCount = static_cast<int>(sizeof(kPresetNames) / sizeof(kPresetNames[0]));

// Deterministic scrambler for the factory parameter values.
quint32 mix(quint32 x)
{
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

// A plausible value for parameter j: levels in tenths of a dB (mostly negative), percentages,
// times in ms, pan positions, switches.
int factoryParameter(quint32 seed, int j)
{
    const quint32 r = mix(seed * 7919u + static_cast<quint32>(j) * 104729u);
    switch (j % 5) {
    case 0:
        return -600 + static_cast<int>(r % 721); // -60.0 .. +12.0 dB
    case 1:
        return static_cast<int>(r % 101);
    case 2:
        return static_cast<int>(r % 2001);
    case 3:
        return -50 + static_cast<int>(r % 101);
    default:
        return static_cast<int>(r % 2);
    }
}
} // namespace

QString modelName(UnitModel model)
{
    return model == UnitModel::Cadenzo ? QStringLiteral("Cadenzo") : QStringLiteral("Ariette");
}

bool modelFromName(const QString& name, UnitModel* model)
{
    if (name.compare(QLatin1String("ariette"), Qt::CaseInsensitive) == 0)
        *model = UnitModel::Ariette;
    else if (name.compare(QLatin1String("cadenzo"), Qt::CaseInsensitive) == 0)
        *model = UnitModel::Cadenzo;
    else
        return false;
    return true;
}

unsigned short modelProductId(UnitModel model)
{
    return model == UnitModel::Cadenzo ? UsbIds::CadenzoProductId : UsbIds::ArietteProductId;
}

UnitIdentity UnitIdentity::defaults(UnitModel model)
{
    UnitIdentity identity;
    identity.model = model;
    if (model == UnitModel::Cadenzo) {
        identity.productCode = 0x42;
        identity.patchVersion = 5;
        identity.nameLength = 16;
        identity.paramCount = 160;
        identity.presetCount = 100;
        identity.dspVersion = 0x31;
        identity.firmwareVersion = 0x22;
    }
    return identity;
}

QString UnitIdentity::problem() const
{
    if (productCode < 0 || productCode > 0xFFFF || patchVersion < 0 || patchVersion > 0xFFFF)
        return QStringLiteral("product code and patch version must be 0 to 65535");
    if (nameLength < 0 || nameLength > 254 || nameLength % 2 != 0)
        return QStringLiteral("name length must be even, 0 to 254");
    if (paramCount < 0 || paramCount > 4096)
        return QStringLiteral("parameter count must be 0 to 4096");
    // Factory numbers start at 101 and set-list slots hold one byte: more than 100 presets would collide.
    if (presetCount < 1 || presetCount > 100)
        return QStringLiteral("preset count must be 1 to 100");
    if (dspVersion < 0 || dspVersion > 0xFF || firmwareVersion < 0 || firmwareVersion > 0xFF)
        return QStringLiteral("version bytes must be 0 to 0xFF");
    return QString();
}

QString faultKindName(FaultKind kind)
{
    switch (kind) {
    case FaultKind::None:
        return QStringLiteral("none");
    case FaultKind::Silent:
        return QStringLiteral("silent");
    case FaultKind::ForeignReply:
        return QStringLiteral("foreign-reply");
    case FaultKind::BadMagic:
        return QStringLiteral("bad-magic");
    case FaultKind::ReadFailure:
        return QStringLiteral("read-failure");
    case FaultKind::WriteFailure:
        return QStringLiteral("write-failure");
    case FaultKind::Vanish:
        return QStringLiteral("vanish");
    case FaultKind::NoSysParams:
        return QStringLiteral("no-sysparams");
    case FaultKind::CorruptWrite:
        return QStringLiteral("corrupt-write");
    }
    return QString();
}

bool faultKindFromName(const QString& name, FaultKind* kind)
{
    for (FaultKind k :
         {FaultKind::None, FaultKind::Silent, FaultKind::ForeignReply, FaultKind::BadMagic, FaultKind::ReadFailure,
          FaultKind::WriteFailure, FaultKind::Vanish, FaultKind::NoSysParams, FaultKind::CorruptWrite}) {
        if (faultKindName(k) == name) {
            *kind = k;
            return true;
        }
    }
    return false;
}

bool faultKindTakesCount(FaultKind kind)
{
    return kind == FaultKind::WriteFailure || kind == FaultKind::Vanish || kind == FaultKind::CorruptWrite;
}

QByteArray TrafficEntry::payload() const
{
    const int offset = toUnit() ? Protocol::OutPayload : Protocol::InPayload;
    return bytes.mid(offset, std::min(length, Protocol::MaxPayload));
}

// ---------------------------------------------------------------------------------------------------------------

VirtualUnit::VirtualUnit(const UnitIdentity& identity)
    : m_identity(identity), m_setLists(Protocol::SetListCount * Protocol::SetListSlots, '\0'),
      m_sysParams(SysParamCount)
{
    const int recordBytes = m_identity.recordBytes();
    const int count = m_identity.presetCount;
    m_presets = QByteArray(2 * count * recordBytes, '\0');
    const quint32 modelSeed = m_identity.model == UnitModel::Cadenzo ? 0xCADu : 0xA41u;
    for (int storage = 0; storage < 2; ++storage) {
        for (int offset = 0; offset < count; ++offset) {
            unsigned char* p =
                reinterpret_cast<unsigned char*>(m_presets.data()) + (storage * count + offset) * recordBytes;
            const QByteArray name = defaultPresetName(m_identity, storage == 1, offset).toLatin1();
            std::memcpy(p, name.constData(), static_cast<size_t>(m_identity.nameLength));
            const quint32 seed = modelSeed * 1000u + static_cast<quint32>(storage * 500 + offset);
            for (int j = 0; j < m_identity.paramCount; ++j)
                putLe16(p + m_identity.nameLength + 2 * j, factoryParameter(seed, j));
        }
    }

    // Favourites and set lists A..D, partly filled; numbers the unit does not have stay empty.
    const QVector<QVector<int>> lists = {
        {1, 2, 5, 8, 13, 21, 34, 55},
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
        {101, 102, 103, 110, 3, 4},
        {20, 19, 18, 17, 16},
        {7},
    };
    for (int list = 0; list < lists.size(); ++list) {
        int slot = 0;
        for (int number : lists.at(list)) {
            if (presetIndex(number) >= 0)
                m_setLists[list * Protocol::SetListSlots + slot++] = static_cast<char>(number);
        }
    }

    for (int i = 0; i < SysParamCount; ++i)
        m_sysParams[i] = static_cast<quint16>(i % 10 == 9 ? 1000 + 17 * i : (i * 97 + 13) % 256);
}

QString VirtualUnit::defaultPresetName(const UnitIdentity& identity, bool factory, int offset)
{
    const int shift = (identity.model == UnitModel::Cadenzo ? 17 : 0) + (factory ? 0 : 25);
    QString name = QLatin1String(kPresetNames[(offset + shift) % kPresetNameCount]);
    if (offset >= kPresetNameCount)
        name += QStringLiteral(" ") + QString::number(offset / kPresetNameCount + 1);
    // Kept space-padded to the full length, as the unit stores its names.
    return name.left(identity.nameLength).leftJustified(identity.nameLength, QLatin1Char(' '));
}

int VirtualUnit::presetIndex(int presetNumber) const
{
    const int count = m_identity.presetCount;
    if (presetNumber >= 1 && presetNumber <= count)
        return presetNumber - 1;
    if (presetNumber >= 101 && presetNumber <= 100 + count)
        return count + presetNumber - 101;
    return -1;
}

QByteArray VirtualUnit::recordBytes(int presetNumber) const
{
    const int index = presetIndex(presetNumber);
    if (index < 0)
        return QByteArray();
    const int size = m_identity.recordBytes();
    return m_presets.mid(index * size, size);
}

QVector<int> VirtualUnit::record(int presetNumber) const
{
    const QByteArray bytes = recordBytes(presetNumber);
    if (bytes.isNull())
        return {};
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    QVector<int> out;
    out.reserve(m_identity.nameLength + m_identity.paramCount);
    for (int i = 0; i < m_identity.nameLength; ++i)
        out.append(p[i]);
    for (int j = 0; j < m_identity.paramCount; ++j)
        out.append(static_cast<qint16>(le16(p + m_identity.nameLength + 2 * j)));
    return out;
}

bool VirtualUnit::setRecord(int presetNumber, const QVector<int>& record)
{
    const int index = presetIndex(presetNumber);
    if (index < 0 || record.size() != m_identity.nameLength + m_identity.paramCount)
        return false;
    const int size = m_identity.recordBytes();
    auto* p = reinterpret_cast<unsigned char*>(m_presets.data()) + index * size;
    for (int i = 0; i < m_identity.nameLength; ++i)
        p[i] = static_cast<unsigned char>(record.at(i) & 0xFF);
    for (int j = 0; j < m_identity.paramCount; ++j)
        putLe16(p + m_identity.nameLength + 2 * j, record.at(m_identity.nameLength + j));
    return true;
}

QString VirtualUnit::presetName(int presetNumber) const
{
    return QString::fromLatin1(recordBytes(presetNumber).left(m_identity.nameLength));
}

QVector<int> VirtualUnit::setList(int index) const
{
    if (index < 0 || index >= Protocol::SetListCount)
        return {};
    QVector<int> slotValues;
    for (int i = 0; i < Protocol::SetListSlots; ++i)
        slotValues.append(static_cast<unsigned char>(m_setLists.at(index * Protocol::SetListSlots + i)));
    return slotValues;
}

bool VirtualUnit::setSetList(int index, const QVector<int>& slotValues)
{
    if (index < 0 || index >= Protocol::SetListCount || slotValues.size() != Protocol::SetListSlots)
        return false;
    for (int i = 0; i < Protocol::SetListSlots; ++i)
        m_setLists[index * Protocol::SetListSlots + i] = static_cast<char>(slotValues.at(i) & 0xFF);
    return true;
}

QVector<int> VirtualUnit::sysParams() const
{
    QVector<int> values;
    values.reserve(m_sysParams.size());
    for (quint16 v : m_sysParams)
        values.append(v);
    return values;
}

void VirtualUnit::setSysParams(const QVector<int>& values)
{
    for (int i = 0; i < SysParamCount; ++i)
        m_sysParams[i] = static_cast<quint16>(i < values.size() ? values.at(i) & 0xFFFF : 0);
}

void VirtualUnit::setFault(const UnitFault& fault)
{
    m_fault = fault;
    m_reportsSinceFault = 0;
    m_recordsSinceFault = 0;
}

// ---------------------------------------------------------------------------------------------------------------
// The HID side

int VirtualUnit::writeReport(const unsigned char* data, size_t length)
{
    if (m_vanished || data == nullptr || length < 1 || length > static_cast<size_t>(Protocol::OutputReportSize))
        return -1;
    if (m_fault.kind == FaultKind::WriteFailure && m_reportsSinceFault >= m_fault.count)
        return -1;
    if (m_fault.kind == FaultKind::Vanish && m_reportsSinceFault >= m_fault.count) {
        m_vanished = true;
        return -1;
    }
    ++m_reportsSinceFault;

    // Short reports are zero-filled, as the HID stack pads them to the report size.
    unsigned char report[Protocol::OutputReportSize] = {};
    std::memcpy(report, data, length);
    const int payloadLength = le16(report + Protocol::OutLength);
    if (length < static_cast<size_t>(Protocol::OutPayload) || report[0] != 0 ||
        report[Protocol::OutMagic] != Protocol::Magic0 || report[Protocol::OutMagic + 1] != Protocol::Magic1 ||
        payloadLength > Protocol::MaxPayload) {
        ++m_errors.malformed;
    } else if (m_fault.kind != FaultKind::Silent) {
        // A silent unit has hung: it takes the report off the wire and does nothing with it.
        handle(le16(report + Protocol::OutCommand), payloadLength, le16(report + Protocol::OutSequence),
               report + Protocol::OutPayload);
    }

    if (m_fault.kind == FaultKind::Vanish && m_reportsSinceFault >= m_fault.count)
        m_vanished = true;
    return static_cast<int>(length);
}

int VirtualUnit::readReport(unsigned char* data, size_t length)
{
    if (m_vanished || m_fault.kind == FaultKind::ReadFailure || data == nullptr)
        return -1;
    if (m_input.empty())
        return 0; // the read timed out; the virtual unit does not make the caller wait for it
    const Report& report = m_input.front();
    const size_t n = std::min(length, report.size());
    std::memcpy(data, report.data(), n);
    m_input.pop_front();
    return static_cast<int>(n);
}

void VirtualUnit::overrideNextReply(const QList<QByteArray>& reports)
{
    m_overrides.push_back(reports);
}

bool VirtualUnit::takeTransactionEnd()
{
    const bool ended = m_transactionEnd;
    m_transactionEnd = false;
    return ended;
}

void VirtualUnit::queueReply(int command, int length, const unsigned char* payload)
{
    if (m_replyOverridden)
        return;
    if (!m_overrides.empty()) {
        for (const QByteArray& bytes : m_overrides.front()) {
            Report report{};
            std::memcpy(report.data(), bytes.constData(), std::min(report.size(), static_cast<size_t>(bytes.size())));
            m_input.push_back(report);
        }
        m_overrides.pop_front();
        m_replyOverridden = true;
        return;
    }

    Report report{};
    report[0] = Protocol::Magic0;
    report[1] = Protocol::Magic1;
    if (m_fault.kind == FaultKind::BadMagic)
        report[1] = BadMagicSecondByte;
    putLe16(report.data() + Protocol::InCommand,
            m_fault.kind == FaultKind::ForeignReply ? command + ForeignReplyOffset : command);
    putLe16(report.data() + Protocol::InLength, length);
    // The two bytes the host does not examine echo the sequence number of the request answered.
    putLe16(report.data() + Protocol::InLength + 2, m_requestSequence);
    if (length > 0)
        std::memcpy(report.data() + Protocol::InPayload, payload, static_cast<size_t>(length));
    m_input.push_back(report);
}

void VirtualUnit::queueChunked(int command, const QByteArray& data)
{
    // Full reports while 56 or more bytes are left; the last report is shorter, and when the data is an
    // exact multiple of 56 bytes (or empty) it is an empty report, so the host always sees an end.
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    const int size = data.size();
    int offset = 0;
    for (;;) {
        const int n = std::min(Protocol::MaxPayload, size - offset);
        queueReply(command, n, p + offset);
        offset += n;
        if (n < Protocol::MaxPayload)
            break;
    }
}

void VirtualUnit::handle(int command, int length, int sequence, const unsigned char* payload)
{
    m_requestSequence = sequence;
    m_replyOverridden = false;
    if (m_writing && command != Cmd::PresetData)
        abortRecordWrite();

    switch (command) {
    case Cmd::GetDeviceInfo: {
        unsigned char info[13] = {};
        putLe16(info + 0, m_identity.productCode);
        putLe16(info + 2, m_identity.patchVersion);
        putLe16(info + 4, m_identity.nameLength);
        putLe16(info + 6, m_identity.paramCount);
        putLe16(info + 8, m_identity.presetCount);
        info[10] = static_cast<unsigned char>(m_identity.dspVersion);
        info[12] = static_cast<unsigned char>(m_identity.firmwareVersion);
        queueReply(Cmd::DeviceInfoReply, static_cast<int>(sizeof(info)), info);
        break;
    }
    case Cmd::SelectPreset:
        // A number the unit does not have leaves nothing selected: reads answer empty, writes are refused.
        m_selectedPreset = length >= 4 ? presetIndex(le32(payload)) : -1;
        break;
    case Cmd::ReadPresetData:
    case Cmd::ReadPresetName: {
        const bool data = command == Cmd::ReadPresetData;
        const int reply = data ? Cmd::PresetDataReply : Cmd::PresetNameReply;
        if (m_selectedPreset < 0) {
            queueReply(reply, 0, nullptr);
            break;
        }
        const int size = m_identity.recordBytes();
        queueChunked(reply, m_presets.mid(m_selectedPreset * size, data ? size : m_identity.nameLength));
        break;
    }
    case Cmd::PresetData:
        handlePresetChunk(length, sequence, payload);
        break;
    case Cmd::SelectSetList: {
        const int list = length >= 4 ? le32(payload) : -1;
        m_selectedSetList = list >= 0 && list < Protocol::SetListCount ? list : -1;
        break;
    }
    case Cmd::ReadSetList:
        if (m_selectedSetList < 0)
            queueReply(Cmd::SetListData, 0, nullptr);
        else
            queueReply(Cmd::SetListData, Protocol::SetListSlots,
                       reinterpret_cast<const unsigned char*>(m_setLists.constData()) +
                           m_selectedSetList * Protocol::SetListSlots);
        break;
    case Cmd::SetListData:
        if (m_selectedSetList < 0 || length != Protocol::SetListSlots) {
            ++m_errors.rejected;
        } else {
            std::memcpy(m_setLists.data() + m_selectedSetList * Protocol::SetListSlots, payload,
                        static_cast<size_t>(Protocol::SetListSlots));
            m_transactionEnd = true;
        }
        break;
    case Cmd::BeginBulkWrite:
        m_bulk = true;
        break;
    case Cmd::EndBulkWrite:
        m_bulk = false;
        m_transactionEnd = true;
        break;
    case Cmd::SysParams:
        handleSysParams(length, payload);
        break;
    case Cmd::DspImageChunk:
    case Cmd::DspImageEnd:
        handleFirmware(m_dsp, Protocol::DspChunkSize, command == Cmd::DspImageEnd, length, sequence, payload);
        break;
    case Cmd::MicroImageChunk:
    case Cmd::MicroImageEnd:
        handleFirmware(m_micro, Protocol::MicroChunkSize, command == Cmd::MicroImageEnd, length, sequence, payload);
        break;
    default:
        break; // commands the unit does not know are ignored, as the real firmware does
    }
    m_previousCommand = command;
    m_previousSequence = sequence;
}

void VirtualUnit::abortRecordWrite()
{
    // The host broke the write off (a failed chunk): the preset keeps its old record.
    m_writing = false;
    m_writeData.clear();
    ++m_errors.rejected;
}

void VirtualUnit::handlePresetChunk(int length, int sequence, const unsigned char* payload)
{
    if (!m_writing) {
        m_writing = true;
        m_writeData.clear();
        m_writeChecksum = 0;
        m_writeSequenceOk = true;
        // The record follows its SelectPreset directly; the first chunk carries the next number.
        m_writeLastSequence = m_previousCommand == Cmd::SelectPreset ? m_previousSequence : -1;
    }

    if (length > 0) {
        if (m_writeLastSequence >= 0 && sequence != nextSequence(m_writeLastSequence))
            m_writeSequenceOk = false;
        m_writeLastSequence = sequence;
        m_writeData.append(reinterpret_cast<const char*>(payload), length);
        m_writeChecksum ^= xorOf(payload, length);
        return;
    }

    // The closing report: the checksum in payload byte 0, the number of the report before it repeated.
    m_writing = false;
    if (m_writeLastSequence >= 0 && sequence != m_writeLastSequence)
        m_writeSequenceOk = false;
    const int size = m_identity.recordBytes();
    bool ok = true;
    if (m_selectedPreset < 0 || m_writeData.size() != size) {
        ++m_errors.rejected;
        ok = false;
    }
    if (payload[0] != (m_writeChecksum & 0xFF)) {
        ++m_errors.checksum;
        ok = false;
    }
    if (!m_writeSequenceOk) {
        ++m_errors.sequence;
        ok = false;
    }
    if (ok) {
        // A unit with a failing memory cell: the record arrived whole, and one byte of it is stored wrong.
        if (m_fault.kind == FaultKind::CorruptWrite && m_recordsSinceFault++ == m_fault.count && size > 0)
            m_writeData[size - 1] = static_cast<char>(m_writeData.at(size - 1) ^ 0x01);
        std::memcpy(m_presets.data() + m_selectedPreset * size, m_writeData.constData(), static_cast<size_t>(size));
    }
    m_writeData.clear();
    // Inside a bulk bracket the unit stores the whole batch when the bracket closes.
    if (!m_bulk)
        m_transactionEnd = true;
}

void VirtualUnit::handleSysParams(int length, const unsigned char* payload)
{
    if (length < 1) {
        ++m_errors.malformed;
        return;
    }
    if (m_fault.kind == FaultKind::NoSysParams) {
        // A unit without system parameters answers with a report of zeros, not a framed reply.
        if (!m_overrides.empty())
            queueReply(Cmd::SysParamsReply, 0, nullptr);
        else
            m_input.push_back(Report{});
        return;
    }

    const int selector = payload[0];
    int page = 0;
    switch (selector) {
    case Protocol::SysPage::ReadFirst:
        m_sysReadPage = 0;
        page = m_sysReadPage++;
        break;
    case Protocol::SysPage::ReadNext:
        page = m_sysReadPage++;
        break;
    case Protocol::SysPage::WriteFirst:
    case Protocol::SysPage::WriteNext: {
        if (selector == Protocol::SysPage::WriteFirst)
            m_sysWritePage = 0;
        page = m_sysWritePage++;
        const int count = length >= 2 ? std::min<int>(payload[1], length - 2) : 0;
        for (int i = 0; i < count / 2 && i < Protocol::SysPage::ValuesPerPage; ++i) {
            const int index = page * Protocol::SysPage::ValuesPerPage + i;
            if (index < SysParamCount)
                m_sysParams[index] = static_cast<quint16>(le16(payload + 2 + 2 * i));
        }
        if (page == Protocol::SysPage::Pages - 1)
            m_transactionEnd = true;
        // A written page is answered with a system-parameter report and nothing more: its content is not
        // promised, so this unit gives none, and a host that took the answer for an echo finds out here.
        queueReply(Cmd::SysParamsReply, 0, nullptr);
        return;
    }
    default:
        ++m_errors.malformed;
        return;
    }

    // A read request is answered with the page as the unit holds it.
    unsigned char values[2 * Protocol::SysPage::ValuesPerPage] = {};
    int n = 0;
    for (int i = 0; i < Protocol::SysPage::ValuesPerPage; ++i) {
        const int index = page * Protocol::SysPage::ValuesPerPage + i;
        if (index >= SysParamCount)
            break;
        putLe16(values + 2 * i, m_sysParams.at(index));
        n = i + 1;
    }
    queueReply(Cmd::SysParamsReply, 2 * n, values);
}

void VirtualUnit::handleFirmware(FirmwareTransfer& transfer, int chunkSize, bool closing, int length, int sequence,
                                 const unsigned char* payload)
{
    if (!closing) {
        if (transfer.lastSequence >= 0 && sequence != nextSequence(transfer.lastSequence))
            transfer.sequenceOk = false;
        if (length != chunkSize)
            transfer.sizeOk = false;
        transfer.lastSequence = sequence;
        transfer.data.append(reinterpret_cast<const char*>(payload), length);
        transfer.checksum ^= xorOf(payload, length);
        return;
    }

    if (transfer.lastSequence >= 0 && sequence != transfer.lastSequence)
        transfer.sequenceOk = false;
    FirmwareImage& image = transfer.image;
    image.data = transfer.data;
    image.checksum = transfer.checksum;
    image.sentChecksum = payload[0];
    image.received = true;
    image.verified = transfer.sequenceOk && transfer.sizeOk && image.checksum == image.sentChecksum;
    if (image.checksum != image.sentChecksum)
        ++m_errors.checksum;
    if (!transfer.sequenceOk)
        ++m_errors.sequence;
    if (!transfer.sizeOk)
        ++m_errors.rejected;
    m_imagesChanged = true;
    m_transactionEnd = true;

    transfer.data.clear();
    transfer.checksum = 0;
    transfer.lastSequence = -1;
    transfer.sequenceOk = true;
    transfer.sizeOk = true;
}
