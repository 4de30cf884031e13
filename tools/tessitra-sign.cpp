// tessitra-sign: the publisher's tool for update-target files.
//
//   tessitra-sign keygen SECRET-KEY-FILE      makes a key pair; writes the secret key (base64, mode 0600) to the
//                                             file, which must not exist yet, and prints the public key (base64)
//   tessitra-sign digest FILE                 prints the Size and Sha256 attributes of a Revision for FILE
//   tessitra-sign sign SECRET-KEY-FILE FILE   writes the detached Ed25519 signature of FILE to FILE.sig
//   tessitra-sign verify PUBLIC-KEY FILE      checks FILE.sig against FILE with the base64 public key
//
// Exit code 0 on success, 1 on a failed check, 2 on bad use or a file error. The cryptography is libsodium's.

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <sodium.h>

#include <cstdio>

namespace {

int fail(const QString& text, int code = 2)
{
    QTextStream(stderr) << "tessitra-sign: " << text << "\n";
    return code;
}

bool readFile(const QString& path, QByteArray* bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QByteArray decodeKey(const QByteArray& text, int size)
{
    const QByteArray key = QByteArray::fromBase64(text.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    return key.size() == size ? key : QByteArray();
}

const unsigned char* bytesOf(const QByteArray& data)
{
    return reinterpret_cast<const unsigned char*>(data.constData());
}

int keygen(const QString& secretPath)
{
    if (QFile::exists(secretPath))
        return fail(secretPath + " exists already; it is not overwritten");
    QByteArray publicKey(crypto_sign_PUBLICKEYBYTES, '\0');
    QByteArray secretKey(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_keypair(reinterpret_cast<unsigned char*>(publicKey.data()),
                        reinterpret_cast<unsigned char*>(secretKey.data()));
    QFile file(secretPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(secretKey.toBase64() + "\n") != secretKey.toBase64().size() + 1 || !file.flush())
        return fail("cannot write " + secretPath);
    sodium_memzero(secretKey.data(), static_cast<size_t>(secretKey.size()));
    QTextStream(stdout) << publicKey.toBase64() << "\n";
    return 0;
}

int digest(const QString& path)
{
    QByteArray data;
    if (!readFile(path, &data))
        return fail("cannot read " + path);
    QByteArray hash(crypto_hash_sha256_BYTES, '\0');
    crypto_hash_sha256(reinterpret_cast<unsigned char*>(hash.data()), bytesOf(data),
                       static_cast<unsigned long long>(data.size()));
    QTextStream(stdout) << "Size=\"" << data.size() << "\" Sha256=\"" << hash.toHex() << "\"\n";
    return 0;
}

int sign(const QString& secretPath, const QString& path)
{
    QByteArray secretText;
    QByteArray data;
    if (!readFile(secretPath, &secretText))
        return fail("cannot read " + secretPath);
    QByteArray secretKey = decodeKey(secretText, crypto_sign_SECRETKEYBYTES);
    if (secretKey.isEmpty())
        return fail(secretPath + " holds no secret key");
    if (!readFile(path, &data))
        return fail("cannot read " + path);
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr, bytesOf(data),
                         static_cast<unsigned long long>(data.size()), bytesOf(secretKey));
    sodium_memzero(secretKey.data(), static_cast<size_t>(secretKey.size()));
    if (!writeFile(path + ".sig", signature))
        return fail("cannot write " + path + ".sig");
    return 0;
}

int verify(const QByteArray& publicKeyText, const QString& path)
{
    const QByteArray publicKey = decodeKey(publicKeyText, crypto_sign_PUBLICKEYBYTES);
    QByteArray data;
    QByteArray signature;
    if (publicKey.isEmpty())
        return fail("not a public key: " + QString::fromLatin1(publicKeyText));
    if (!readFile(path, &data) || !readFile(path + ".sig", &signature))
        return fail("cannot read " + path + " and " + path + ".sig");
    if (signature.size() != crypto_sign_BYTES ||
        crypto_sign_verify_detached(bytesOf(signature), bytesOf(data), static_cast<unsigned long long>(data.size()),
                                    bytesOf(publicKey)) != 0)
        return fail("bad signature", 1);
    QTextStream(stdout) << "good signature\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (sodium_init() < 0)
        return fail("libsodium cannot start");
    const QString command = args.value(0);
    if (command == QLatin1String("keygen") && args.size() == 2)
        return keygen(args.at(1));
    if (command == QLatin1String("digest") && args.size() == 2)
        return digest(args.at(1));
    if (command == QLatin1String("sign") && args.size() == 3)
        return sign(args.at(1), args.at(2));
    if (command == QLatin1String("verify") && args.size() == 3)
        return verify(args.at(1).toLatin1(), args.at(2));
    return fail("usage: tessitra-sign keygen SECRET-KEY-FILE | digest FILE | sign SECRET-KEY-FILE FILE | "
                "verify PUBLIC-KEY FILE");
}
