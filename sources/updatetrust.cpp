#include "updatetrust.h"

#include "log.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QSettings>

#include <sodium.h>

namespace {

// info.ini is read afresh each time: it is small, and a check happens once per update request.
QVariant infoIniValue(const QString& key, const QVariant& fallback = QVariant())
{
    const QSettings ini(QCoreApplication::applicationDirPath() + QStringLiteral("/info.ini"), QSettings::IniFormat);
    return ini.value(key, fallback);
}

QByteArray decodeKey(const QString& text)
{
    const QByteArray key = QByteArray::fromBase64(text.trimmed().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return key.size() == static_cast<int>(crypto_sign_PUBLICKEYBYTES) ? key : QByteArray();
}

} // namespace

QList<QByteArray> UpdateTrust::trustedKeys()
{
    QList<QByteArray> keys{decodeKey(QString::fromLatin1(PublisherKey))};
    const QString extra = infoIniValue(QStringLiteral("update/publickey")).toString().trimmed();
    if (!extra.isEmpty()) {
        const QByteArray key = decodeKey(extra);
        if (key.isEmpty())
            TS_WARNING("info.ini names a public key that is not 32 bytes of base64; it is not trusted");
        else
            keys.append(key);
    }
    return keys;
}

QByteArray UpdateTrust::detachedSignature(const QByteArray& signatureFile)
{
    const int iBytes = static_cast<int>(crypto_sign_BYTES);
    // Raw bytes first: a signature may itself end in bytes that read as white space, so only what follows the
    // 64 bytes is trimmed.
    if (signatureFile.size() >= iBytes && signatureFile.mid(iBytes).trimmed().isEmpty())
        return signatureFile.left(iBytes);
    const QByteArray decoded = QByteArray::fromBase64(signatureFile.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded.size() == iBytes ? decoded : QByteArray();
}

bool UpdateTrust::verifySignature(const QByteArray& data, const QByteArray& signatureFile)
{
    if (sodium_init() < 0) {
        TS_WARNING("libsodium cannot start");
        return false;
    }
    const QByteArray signature = detachedSignature(signatureFile);
    if (signature.isEmpty())
        return false;
    const auto* pSignature = reinterpret_cast<const unsigned char*>(signature.constData());
    const auto* pData = reinterpret_cast<const unsigned char*>(data.constData());
    const auto length = static_cast<unsigned long long>(data.size());
    const QList<QByteArray> keys = trustedKeys();
    for (const QByteArray& key : keys) {
        if (crypto_sign_verify_detached(pSignature, pData, length,
                                        reinterpret_cast<const unsigned char*>(key.constData())) == 0)
            return true;
    }
    return false;
}

bool UpdateTrust::isLoopbackHost(const QString& host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

bool UpdateTrust::plainHttpAllowed()
{
    return infoIniValue(QStringLiteral("update/allowplainhttp"), false).toBool();
}

bool UpdateTrust::transportAllowed(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    return scheme == QLatin1String("http") && (isLoopbackHost(url.host()) || plainHttpAllowed());
}

bool UpdateTrust::credentialsAllowed(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("https") || (scheme == QLatin1String("http") && isLoopbackHost(url.host()));
}
