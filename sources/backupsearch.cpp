#include "backupsearch.h"

#include "backupimage.h"
#include "globals.h"
#include "presetname.h"
#include "resultcodes.h"

#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace {
// A parameter as the unit keeps it: the same settings read back from the unit or from a file compare equal
// whether a value came as 65535 or as -1.
int asStored(int value)
{
    return static_cast<qint16>(value & 0xFFFF);
}

bool sameSettings(const BackUpImage& image, int index, const QVector<int>& settings)
{
    if (settings.isEmpty() || image.paramCount != settings.size())
        return false;
    const int* params = image.record(index) + image.nameLength;
    for (int k = 0; k < settings.size(); ++k) {
        if (asStored(params[k]) != asStored(settings.at(k)))
            return false;
    }
    return true;
}
} // namespace

QStringList BackUpSearch::allModelFolders()
{
    return {g_arietteUserPresetsFolder, g_arietteBackUpFolder, g_cadenzoUserPresetsFolder, g_cadenzoBackUpFolder};
}

QVector<BackUpSearch::Hit> BackUpSearch::find(const Query& query, const QStringList& folders,
                                              const std::atomic<bool>* stop)
{
    const auto stopped = [stop] { return stop != nullptr && stop->load(); };
    QFileInfoList files;
    for (const QString& folder : folders) {
        QDirIterator it(
            folder,
            {QStringLiteral("*.tarb"), QStringLiteral("*.tscb"), QStringLiteral("*.tarp"), QStringLiteral("*.tscp")},
            QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext() && files.size() < MostFiles && !stopped())
            files.append(QFileInfo(it.next()));
    }
    // Taken once per file: a file touched during the search keeps its place.
    QVector<QPair<QDateTime, QFileInfo>> dated;
    dated.reserve(files.size());
    for (const QFileInfo& file : qAsConst(files))
        dated.append({file.lastModified(), file});
    std::stable_sort(dated.begin(), dated.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second.filePath() < b.second.filePath();
    });

    QVector<Hit> hits;
    for (const auto& [date, file] : qAsConst(dated)) {
        if (stopped() || hits.size() >= MostHits)
            break;
        BackUpImage image;
        if (BackUpImage::read(file.filePath(), image) != ResultCode::Success)
            continue;
        const bool bPresetFile = image.presetCount == 1 && !image.hasSetLists;
        for (int i = 0; i < image.presetCount && hits.size() < MostHits; ++i) {
            const QString name = PresetName::fromCodes(image.record(i), image.nameLength).trimmed();
            const bool bSame = sameSettings(image, i, query.settings);
            if (!bSame && !(query.bByName && name.contains(query.name, Qt::CaseInsensitive)))
                continue;
            hits.append(Hit{file.filePath(), bPresetFile ? -1 : i + 1, name, date, bSame});
        }
    }
    return hits;
}
