#include "backupimage.h"

#include "SerialPatchCollection.h"
#include "log.h"
#include "resultcodes.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
constexpr qint64 kPlainStart = SPC_HEADER_SIZE;   // preset data right behind the header
constexpr qint64 kMarkerStart = kPlainStart + 20; // "sysparampresent " and the text length come first

bool isCollectionFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == "3dB ";
}
} // namespace

QVector<int> BackUpImage::sysParamValues() const
{
    QVector<int> values;
    int pos = 0;
    int value = 0;
    while (pos < sysParams.size() &&
           SpcParseInt(sysParams.constData() + pos, static_cast<int>(sysParams.size()) - pos, &value)) {
        values.append(value);
        const int newline = static_cast<int>(sysParams.indexOf('\n', pos));
        if (newline < 0)
            break;
        pos = newline + 1;
    }
    return values;
}

bool BackUpImage::operator==(const BackUpImage& other) const
{
    return productCode == other.productCode && patchVersion == other.patchVersion && nameLength == other.nameLength &&
           paramCount == other.paramCount && presetCount == other.presetCount && presets == other.presets &&
           hasSetLists == other.hasSetLists && setLists == other.setLists && hasSysParams == other.hasSysParams &&
           sysParams == other.sysParams;
}

bool BackUpImage::valuesFit() const
{
    for (int i = 0; i < presets.size(); ++i) {
        const int value = presets.at(i);
        const bool name = i % recordSize() < nameLength;
        if (name ? value < 0 || value > 255 : value < -32768 || value > 32767)
            return false;
    }
    if (std::any_of(setLists.cbegin(), setLists.cend(), [](int n) { return n < 0 || n > 255; }))
        return false;
    const QVector<int> values = sysParamValues();
    return std::all_of(values.cbegin(), values.cend(), [](int v) { return v >= 0 && v <= 0xFFFF; });
}

int BackUpImage::read(const QString& path, BackUpImage& image)
{
    image = BackUpImage();
    const QFileInfo info(path);
    if (!info.exists())
        return ResultCode::FileNotFound;
    // A link, a pipe or a device is no back-up of ours: it is never opened (a pipe would hang the reader).
    if (!info.isFile() || info.isSymLink())
        return ResultCode::FileVersionMismatch;
    if (!isCollectionFile(path))
        return ResultCode::FileVersionMismatch;

    const QByteArray local = path.toLocal8Bit();
    int setListWord = 0;
    int sysParamsLength = 0;
    SpcHeader header = {};
    header.pSetListWord = &setListWord;
    header.pSysParamsLen = &sysParamsLength;
    const int headerCode = SpcReadHeader(local.constData(), header);
    if (headerCode != SPC_OK && headerCode != SPC_ERR_SET_LIST) {
        TS_DEBUG("Back-up %s refused: header %d", qUtf8Printable(path), headerCode);
        return ResultCode::FileCorrupted;
    }
    const qint64 ints = qint64(header.iNumPatches) * (qint64(header.iMaxPatchNameLen) + header.iNumPatchParams);
    if (header.iNumPatches <= 0 || header.iMaxPatchNameLen < 0 || header.iNumPatchParams < 0 || ints <= 0 ||
        ints > MaxPresetInts || sysParamsLength < 0 || sysParamsLength > MaxSysParamsBytes)
        return ResultCode::FileCorrupted;

    // The file does not say whether it holds set lists; its size does. The two layouts differ by the count word
    // and 100 entries, so exactly one can match, whatever the first preset's first value is.
    const qint64 start = sysParamsLength > 0 ? kMarkerStart : kPlainStart;
    const qint64 without = start + 4 * ints + sysParamsLength;
    const qint64 with = without + 4 + 4 * SetListEntries;
    if (info.size() != with && info.size() != without) {
        TS_DEBUG("Back-up %s refused: %lld bytes fit no layout", qUtf8Printable(path), info.size());
        return ResultCode::FileCorrupted;
    }

    image.productCode = header.hardwareProductCode;
    image.patchVersion = header.hardwarePatchVersion;
    image.nameLength = header.iMaxPatchNameLen;
    image.paramCount = header.iNumPatchParams;
    image.presetCount = header.iNumPatches;
    image.presets.resize(static_cast<int>(ints));
    image.hasSetLists = info.size() == with;
    image.setLists.resize(image.hasSetLists ? SetListEntries : 0);
    image.hasSysParams = sysParamsLength > 0;
    image.sysParams.resize(sysParamsLength);

    SpcReadRequest request = {};
    request.pPresetData = image.presets.data();
    request.iPresetDataLen = static_cast<int>(ints);
    request.pSetListData = image.hasSetLists ? image.setLists.data() : nullptr;
    request.iSetListCount = image.hasSetLists ? SetListEntries : 0;
    request.pSysParams = image.hasSysParams ? image.sysParams.data() : nullptr;
    request.iSysParamsLen = sysParamsLength;
    const int spc = SpcReadCollection(local.constData(), request);
    if (spc != SPC_OK || (image.hasSetLists && setListWord != SetListEntries) || !image.valuesFit()) {
        TS_DEBUG("Back-up %s refused: %d", qUtf8Printable(path), spc);
        image = BackUpImage();
        return ResultCode::FileCorrupted;
    }
    return ResultCode::Success;
}

int BackUpImage::write(const QString& path) const
{
    SpcCollectionFile collection = {};
    collection.hardwareProductCode = productCode;
    collection.hardwarePatchVersion = patchVersion;
    collection.iMaxPatchNameLen = nameLength;
    collection.iNumPatchParams = paramCount;
    collection.iNumPatches = presetCount;
    collection.pPresetData = presets.constData();
    collection.iPresetDataLen = static_cast<int>(presets.size());
    collection.pSetListData = hasSetLists ? setLists.constData() : nullptr;
    collection.iSetListCount = hasSetLists ? static_cast<int>(setLists.size()) : 0;
    collection.pSysParams = hasSysParams ? sysParams.constData() : nullptr;
    collection.iSysParamsLen = hasSysParams ? static_cast<int>(sysParams.size()) : 0;
    const int written = SpcWriteCollection(path.toLocal8Bit().constData(), SPC_VERSION, collection);
    if (written != SPC_OK) {
        TS_DEBUG("Error writing preset data from preset file.");
        return ResultCode::FileWriteFailed;
    }
    // A file kept is one the program can put back: it is read again as a restore reads it and must be this image.
    BackUpImage readBack;
    if (read(path, readBack) != ResultCode::Success || readBack != *this) {
        TS_WARNING("Back-up %s does not read back as it was written", qUtf8Printable(path));
        return ResultCode::FileWriteFailed;
    }
    return ResultCode::Success;
}
