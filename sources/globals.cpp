#include "globals.h"

#include "safefile.h"

#include <QDir>
#include <QFile>

QString g_productFolder;
QString g_legacyArietteFolder;
QString g_arietteFolder;
QString g_arietteUserPresetsFolder;
QString g_arietteFactoryPresetsFolder;
QString g_arietteBackUpFolder;
QString g_cadenzoFolder;
QString g_cadenzoUserPresetsFolder;
QString g_cadenzoFactoryPresetsFolder;
QString g_cadenzoBackUpFolder;
QString g_logFolder;
QString g_downloadsFolder;

QString g_version;
QString g_build;
bool g_showBuild = false;
QString g_urlariette;
QString g_urlLabelariette;
QString g_urlcadenzo;
QString g_urlLabelcadenzo;
QString g_updateUrl;
QString g_appSwVersion;
QString g_wrongDsp;
QString g_wrongFw;

std::atomic<bool> g_bDeviceConnected{false};

QObject* g_authenticationHandler = nullptr;

void buildDataFolders(const QString& home)
{
    g_productFolder = home + "/Aurivell" + "/Tessitra";
    g_legacyArietteFolder = home + "/Aurivell" + "/TessitraStageAriette";
    g_arietteFolder = g_productFolder + "/StageAriette";
    g_arietteUserPresetsFolder = g_arietteFolder + "/User Presets";
    g_arietteFactoryPresetsFolder = g_arietteFolder + "/Factory Presets";
    g_arietteBackUpFolder = g_arietteFolder + "/Back Up";
    g_cadenzoFolder = g_productFolder + "/StageCadenzo";
    g_cadenzoUserPresetsFolder = g_cadenzoFolder + "/User Presets";
    g_cadenzoFactoryPresetsFolder = g_cadenzoFolder + "/Factory Presets";
    g_cadenzoBackUpFolder = g_cadenzoFolder + "/Back Up";
    g_logFolder = g_productFolder + "/Log";
    g_downloadsFolder = g_productFolder + "/Downloads";
}

bool makeDataFolder(const QString& path)
{
    return SafeFile::makePrivateFolders(QFile::encodeName(QDir::cleanPath(path)).constData());
}

namespace {
// The folders exist before the entry point runs, like every other process-wide value.
const bool g_foldersBuilt = (buildDataFolders(QDir::homePath()), true);
} // namespace
