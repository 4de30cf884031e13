#include "language.h"

#include "log.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QStringList>
#include <QTranslator>

// The translations are compiled in (translations/); a static library's resources are registered by hand.
static void registerTranslations()
{
    Q_INIT_RESOURCE(translations);
}

namespace Language {
namespace {
// "de_DE.UTF-8@euro" -> "de"; "C" and "POSIX" are English.
QString languageOf(const QString& locale)
{
    QString code = locale.trimmed().toLower();
    for (int i = 0; i < code.size(); ++i) {
        if (QStringLiteral("_.@-").contains(code.at(i))) {
            code.truncate(i);
            break;
        }
    }
    return code == QLatin1String("c") || code == QLatin1String("posix") ? QStringLiteral("en") : code;
}

// What install() put on the application, taken off again when another language is installed.
QPointer<QTranslator> g_pOurs;
QPointer<QTranslator> g_pQt;

bool supported(const QString& code)
{
    if (code == QLatin1String("pseudo"))
        return true;
    for (const Choice& choice : Choices)
        if (code == QLatin1String(choice.code))
            return true;
    return false;
}
} // namespace

QString fromEnvironment()
{
    const QStringList wanted = QString::fromLocal8Bit(qgetenv("LANGUAGE")).split(QLatin1Char(':'));
    for (const QString& entry : wanted) {
        const QString code = languageOf(entry);
        if (supported(code))
            return code;
    }
    // The first of these that is set decides, as for every other program.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = QString::fromLocal8Bit(qgetenv(variable));
        if (value.isEmpty())
            continue;
        const QString code = languageOf(value);
        return supported(code) ? code : QStringLiteral("en");
    }
    return QStringLiteral("en");
}

QString fromSetting(int index)
{
    if (index < 1 || index > ChoiceCount)
        return fromEnvironment();
    return QLatin1String(Choices[index - 1].code);
}

bool install(QCoreApplication* pApp, const QString& code)
{
    for (QTranslator* pOld : {g_pOurs.data(), g_pQt.data()}) {
        if (pOld != nullptr)
            QCoreApplication::removeTranslator(pOld);
        delete pOld;
    }
    // Dates shown in the window read as the language reads them; English keeps the desktop's own formats.
    const bool bOwnLocale = code != QLatin1String("en") && code != QLatin1String("pseudo") && supported(code);
    QLocale::setDefault(bOwnLocale ? QLocale(code) : QLocale::system());
    if (code == QLatin1String("en") || !supported(code))
        return true;
    registerTranslations();
    auto* pOurs = new QTranslator(pApp);
    if (!pOurs->load(QStringLiteral(":/translations/tessitra_%1.qm").arg(code))) {
        TS_WARNING("No translation into %s", qUtf8Printable(code));
        delete pOurs;
        return false;
    }
    QCoreApplication::installTranslator(pOurs);
    g_pOurs = pOurs;
    // Qt's own words (the buttons of a question, the file dialog) from the translations packaged with Qt.
    auto* pQt = new QTranslator(pApp);
    if (pQt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(pQt);
        g_pQt = pQt;
    } else {
        delete pQt;
    }
    return true;
}
} // namespace Language
