#include "autobackup.h"

#include "log.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {
constexpr char kTimeFormat[] = "yyyy-MM-dd HH-mm-ss";

QString beforeText(AutoBackUp::Before what)
{
    switch (what) {
    case AutoBackUp::Before::Restore:
        return QStringLiteral("restore");
    case AutoBackUp::Before::FactoryUpdate:
        return QStringLiteral("factory update");
    case AutoBackUp::Before::FirmwareUpdate:
        break;
    }
    return QStringLiteral("firmware update");
}

// "Auto before <what> <time>[ (<n>)].<extension>": the time and the number order back-ups of the same second.
const QRegularExpression& autoName()
{
    static const QRegularExpression pattern(QStringLiteral(
        "^Auto before (?:restore|factory update|firmware update) (\\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d)"
        "(?: \\((\\d{1,4})\\))?\\.[A-Za-z]+$"));
    return pattern;
}

// The sort key of an automatic back-up: its time, then its number within that second.
QString autoKey(const QString& fileName)
{
    const QRegularExpressionMatch match = autoName().match(fileName);
    return match.captured(1) + QLatin1Char(' ') + match.captured(2).rightJustified(4, QLatin1Char('0'));
}
} // namespace

QString AutoBackUp::newPath(const QString& folder, Before what, const QDateTime& when, const QString& extension)
{
    const QString stem = folder + QStringLiteral("/Auto before ") + beforeText(what) + QLatin1Char(' ') +
                         when.toString(QString::fromLatin1(kTimeFormat));
    QString path = stem + extension;
    // Bounded: a folder cannot hold that many back-ups of one second.
    for (int n = 2; QFile::exists(path) && n < 10000; ++n)
        path = stem + QStringLiteral(" (%1)").arg(n) + extension;
    return path;
}

bool AutoBackUp::isAutomatic(const QString& fileName)
{
    return autoName().match(fileName).hasMatch();
}

QFileInfoList AutoBackUp::newestFirst(const QString& folder, const QString& extension)
{
    QFileInfoList files = QDir(folder).entryInfoList({QLatin1Char('*') + extension}, QDir::Files, QDir::NoSort);
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const bool bAutoA = isAutomatic(a.fileName());
        const bool bAutoB = isAutomatic(b.fileName());
        // Two automatic ones go by the time in their names (a copied folder keeps it); any other pair by the
        // file's time.
        if (bAutoA && bAutoB)
            return autoKey(a.fileName()) > autoKey(b.fileName());
        return a.lastModified() > b.lastModified();
    });
    return files;
}

int AutoBackUp::rotate(const QString& folder, const QString& extension)
{
    QStringList automatic;
    const QStringList names = QDir(folder).entryList({QLatin1Char('*') + extension}, QDir::Files, QDir::NoSort);
    for (const QString& name : names)
        if (isAutomatic(name) && name.endsWith(extension))
            automatic.append(name);
    std::sort(automatic.begin(), automatic.end(),
              [](const QString& a, const QString& b) { return autoKey(a) > autoKey(b); });
    int iRemoved = 0;
    for (int i = Kept; i < automatic.size(); ++i) {
        const QString path = folder + QLatin1Char('/') + automatic.at(i);
        if (QFile::remove(path)) {
            ++iRemoved;
            TS_DEBUG("Older automatic back-up removed: %s", qUtf8Printable(path));
        } else {
            TS_WARNING("Older automatic back-up could not be removed: %s", qUtf8Printable(path));
        }
    }
    return iRemoved;
}
