#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

// What the update service trusts: the publisher's signature over the update-target file, and the transports
// it fetches anything over. The signature is Ed25519 (libsodium); the keys are base64 texts of 32 bytes.
//
// Keys: the publisher's key compiled into the program, plus one more from the "publickey" key of the [update]
// group of info.ini (tests and private update servers sign with their own key). Either one may sign.
// Transport: https always; plain http only to this computer (loopback) or when the "allowplainhttp" key of the
// same group is true.
class UpdateTrust
{
public:
    // The publisher's public key, built into the program. Its secret twin is kept offline by the publisher.
    static constexpr const char* PublisherKey = "XtWbShwOAMHe1+krTIVsTCfNpFURpYZ5uhZymIR5qiA=";

    // Every key a signature is checked against, decoded; a key in info.ini that is not 32 bytes of base64 is
    // left out (and logged).
    static QList<QByteArray> trustedKeys();

    // True when signature is a detached Ed25519 signature of data by one of the trusted keys. signature is the
    // signature file as it arrived: the 64 bytes, or their base64 text, either maybe followed by white space (a
    // line end added on the way is no reason to refuse an update).
    static bool verifySignature(const QByteArray& data, const QByteArray& signature);
    // The 64 signature bytes of such a file; empty when it holds none.
    static QByteArray detachedSignature(const QByteArray& signatureFile);

    // True for "localhost" and every loopback address (127.0.0.0/8, ::1).
    static bool isLoopbackHost(const QString& host);
    // The info.ini switch that lets plain http reach other hosts (a private server without a certificate).
    static bool plainHttpAllowed();
    // Whether the program may fetch url at all: https, or http to a loopback host or with plain http allowed.
    static bool transportAllowed(const QUrl& url);
    // Whether credentials may be sent to url: https, or http to a loopback host. Never over plain http to
    // another computer, whatever info.ini says: Basic credentials travel in clear text.
    static bool credentialsAllowed(const QUrl& url);
};
