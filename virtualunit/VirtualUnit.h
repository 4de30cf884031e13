#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

#include <array>
#include <deque>

// The two models of the unit family.
enum class UnitModel
{
    Ariette,
    Cadenzo
};

// "Ariette" / "Cadenzo", and back (case-insensitive). modelFromName returns false for anything else.
QString modelName(UnitModel model);
bool modelFromName(const QString& name, UnitModel* model);
// USB product ID of the model.
unsigned short modelProductId(UnitModel model);

// What the unit reports about itself in its identity reply.
struct UnitIdentity
{
    UnitModel model = UnitModel::Ariette;
    int productCode = 0x21;
    int patchVersion = 3;
    int nameLength = 16; // even: name bytes are handled as 16-bit words
    int paramCount = 120;
    int presetCount = 100;      // per storage; user 1..presetCount, factory 101..100+presetCount
    int dspVersion = 0x23;      // high nibble major, low nibble minor
    int firmwareVersion = 0x15; // same layout

    // The values a unit of that model leaves the factory with.
    static UnitIdentity defaults(UnitModel model);
    // Bytes of one preset record on the wire: the name, then two bytes per parameter.
    int recordBytes() const { return nameLength + 2 * paramCount; }
    // Empty when the identity can describe a unit; otherwise what is wrong, for the user.
    QString problem() const;
};

// Ways a unit can be told to misbehave. Names (faultKindName) are the ones the tessitra-unit CLI takes.
enum class FaultKind
{
    None,         // behaves
    Silent,       // takes every report and answers none: reads time out (return 0 at once)
    ForeignReply, // replies carry another command code (reply code + 0x100: same low byte, other high byte)
    BadMagic,     // replies begin 0xDB 0x00 instead of 0xDB 0x03
    ReadFailure,  // every read fails (-1); writes still arrive
    WriteFailure, // the first `count` writes arrive, every later write fails (-1) and is lost
    Vanish,       // after `count` more writes the unit is unplugged: everything fails from then on
    NoSysParams,  // system-parameter requests are answered with a report that does not begin 0xDB 0x03
    CorruptWrite  // records are stored as sent except record write `count` (from 0), stored with its last byte wrong
};

QString faultKindName(FaultKind kind);
bool faultKindFromName(const QString& name, FaultKind* kind);
// True for the kinds that take a count (write-failure, vanish: reports; corrupt-write: record writes).
bool faultKindTakesCount(FaultKind kind);

struct UnitFault
{
    FaultKind kind = FaultKind::None;
    int count = 0; // reports the unit still takes normally (write-failure, vanish), records (corrupt-write)
    bool operator==(const UnitFault& other) const { return kind == other.kind && count == other.count; }
    bool operator!=(const UnitFault& other) const { return !(*this == other); }
};

// A firmware image as the unit received it.
struct FirmwareImage
{
    QByteArray data;       // every chunk byte of the last closed transfer (the host's zero padding included)
    int checksum = 0;      // XOR of all bytes received
    int sentChecksum = -1; // the checksum the closing report carried
    bool received = false; // a closing report arrived
    bool verified = false; // the checksums agree and the sequence numbers were right
};

// Errors the unit counted while taking writes. A refused write leaves the memory as it was.
struct UnitErrors
{
    int checksum = 0;  // closing report's checksum did not match what arrived
    int sequence = 0;  // a chunk did not advance by one, or a closing report did not repeat the last number
    int rejected = 0;  // wrong size, no valid preset or set list selected, transfer broken off
    int malformed = 0; // too short, wrong report ID or magic, length above 56
};

// One report that crossed the seam.
struct TrafficEntry
{
    enum class Direction
    {
        ToUnit,
        FromUnit
    };
    Direction direction = Direction::ToUnit;
    QByteArray bytes; // 65 bytes with the report ID to the unit, 64 bytes from it
    int command = 0;
    int length = 0;
    int sequence = 0; // the report's sequence field (replies echo the request's number)

    bool toUnit() const { return direction == Direction::ToUnit; }
    // The payload bytes the length field covers.
    QByteArray payload() const;
};

// The protocol engine and memory of one unit. Not thread-safe: its owner locks.
class VirtualUnit
{
public:
    static constexpr int SysParamCount = 200;

    // A unit with the factory content for its identity (deterministic: same identity, same content).
    explicit VirtualUnit(const UnitIdentity& identity = UnitIdentity());

    const UnitIdentity& identity() const { return m_identity; }

    // --- memory ---------------------------------------------------------------------------------------------
    // Preset numbers are absolute: 1..presetCount user, 101..100+presetCount factory. Index -1: no such preset.
    int presetIndex(int presetNumber) const;
    // nameLength name bytes (0..255) then paramCount signed parameters; empty for an invalid number.
    QVector<int> record(int presetNumber) const;
    bool setRecord(int presetNumber, const QVector<int>& record);
    // The record as it travels: name bytes then little-endian words.
    QByteArray recordBytes(int presetNumber) const;
    // The raw name bytes as Latin-1 (space-padded like the unit keeps them).
    QString presetName(int presetNumber) const;
    // Factory name of a preset slot for an identity (what a fresh unit holds).
    static QString defaultPresetName(const UnitIdentity& identity, bool factory, int offset);

    QVector<int> setList(int index) const; // 20 slots, 0 = empty; index 0 favourites, 1..4 set lists A..D
    bool setSetList(int index, const QVector<int>& slotValues);
    QVector<int> sysParams() const; // 200 unsigned 16-bit values
    void setSysParams(const QVector<int>& values);

    const FirmwareImage& dspImage() const { return m_dsp.image; }
    const FirmwareImage& microImage() const { return m_micro.image; }
    const UnitErrors& errors() const { return m_errors; }
    void clearErrors() { m_errors = UnitErrors(); }

    // --- faults ---------------------------------------------------------------------------------------------
    UnitFault fault() const { return m_fault; }
    // Takes effect at once; the report count of write-failure and vanish starts from here.
    void setFault(const UnitFault& fault);
    // True once a vanish fault has fired: the owner unplugs the unit.
    bool vanished() const { return m_vanished; }

    // --- the HID side ---------------------------------------------------------------------------------------
    // One output report (report ID byte first, normally 65 bytes). Returns length, or -1.
    int writeReport(const unsigned char* data, size_t length);
    // The next input report into data (64 bytes used). Returns 64, 0 when nothing is queued, or -1.
    int readReport(unsigned char* data, size_t length);
    int pendingReports() const { return static_cast<int>(m_input.size()); }
    // The next request that gets an answer is answered with these 64-byte reports instead (edge cases the
    // real firmware never produces: short set-list replies, empty pages ...). Shorter reports are zero-filled.
    void overrideNextReply(const QList<QByteArray>& reports);
    // True once after each finished transaction (record write outside a bulk bracket, end of bulk,
    // set-list write, last system-parameter page, firmware closing report): the owner saves the memory.
    bool takeTransactionEnd();

private:
    friend class VirtualBus; // reads and fills the memory blocks when saving and loading

    using Report = std::array<unsigned char, 64>;

    struct FirmwareTransfer
    {
        QByteArray data;
        int checksum = 0;
        int lastSequence = -1;
        bool sequenceOk = true;
        bool sizeOk = true; // every chunk had the model's chunk size
        FirmwareImage image;
    };

    void handle(int command, int length, int sequence, const unsigned char* payload);
    void queueReply(int command, int length, const unsigned char* payload);
    void queueChunked(int command, const QByteArray& data);
    void handlePresetChunk(int length, int sequence, const unsigned char* payload);
    void handleSysParams(int length, const unsigned char* payload);
    void handleFirmware(FirmwareTransfer& transfer, int chunkSize, bool closing, int length, int sequence,
                        const unsigned char* payload);
    void abortRecordWrite();

    UnitIdentity m_identity;
    QByteArray m_presets;  // 2 x presetCount records in wire form, user storage first
    QByteArray m_setLists; // 5 x 20 bytes
    QVector<quint16> m_sysParams;
    FirmwareTransfer m_dsp;
    FirmwareTransfer m_micro;
    UnitErrors m_errors;

    // Protocol state.
    int m_selectedPreset = -1; // index into m_presets, -1 none
    int m_selectedSetList = -1;
    bool m_bulk = false;
    bool m_writing = false; // a record write is in progress
    QByteArray m_writeData;
    int m_writeChecksum = 0;
    int m_writeLastSequence = -1;
    bool m_writeSequenceOk = true;
    int m_sysReadPage = 0;
    int m_sysWritePage = 0;
    int m_requestSequence = 0;
    int m_previousCommand = -1;
    int m_previousSequence = -1;
    bool m_replyOverridden = false; // the current request was answered by an override
    bool m_transactionEnd = false;
    bool m_imagesChanged = true; // the firmware images differ from what was last saved

    UnitFault m_fault;
    int m_reportsSinceFault = 0;
    int m_recordsSinceFault = 0; // records stored since the fault was set (corrupt-write)
    bool m_vanished = false;

    std::deque<Report> m_input;
    std::deque<QList<QByteArray>> m_overrides;
};
