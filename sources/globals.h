#pragma once

#include <QString>
#include <atomic>

class QObject;

// Process-wide data folders, built from the home folder by plain concatenation, no trailing separator.
extern QString g_productFolder;
extern QString g_legacyArietteFolder;
extern QString g_arietteFolder;
extern QString g_arietteUserPresetsFolder;
extern QString g_arietteFactoryPresetsFolder;
extern QString g_arietteBackUpFolder;
extern QString g_cadenzoFolder;
extern QString g_cadenzoUserPresetsFolder;
extern QString g_cadenzoFactoryPresetsFolder;
extern QString g_cadenzoBackUpFolder;
extern QString g_logFolder;
extern QString g_downloadsFolder;

// Rebuilds every data folder path from the given home folder (the program calls it once at start-up
// with QDir::homePath(); tests call it again after pointing HOME at a temporary folder).
void buildDataFolders(const QString& home);
// Makes a data folder and every missing folder above it, each with mode 0700: presets, back-ups and logs are the
// singer's alone. Folders already there keep their mode. False when the folder is not there afterwards.
bool makeDataFolder(const QString& path);

// Values of info.ini, written once on the GUI thread before the workers start, read-only afterwards.
extern QString g_version;
extern QString g_build;
extern bool g_showBuild;
extern QString g_urlariette;
extern QString g_urlLabelariette;
extern QString g_urlcadenzo;
extern QString g_urlLabelcadenzo;
extern QString g_updateUrl;
extern QString g_appSwVersion;
extern QString g_wrongDsp;
extern QString g_wrongFw;

// True while a unit is open and answering. Written only by the device poll, read from every thread.
extern std::atomic<bool> g_bDeviceConnected;

// Receiver of the network layer's server and proxy authentication requests: an object with the slots
// onProxyAuthenticationRequired(QNetworkProxy,QAuthenticator*) and onAuthenticationRequired(QNetworkReply*,
// QAuthenticator*) that asks the user. The main window sets it to itself; nullptr means nobody answers and a
// server asking for credentials fails the download. Written on the GUI thread.
extern QObject* g_authenticationHandler;
