#pragma once

#include <QByteArray>
#include <QString>

// Who may publish an update: the manifest "update.json" counts only with a
// detached Ed25519 signature over its exact bytes, "update.json.sig" (the
// signature's base64 text), made with the secret key that belongs to the
// public key this program trusts.
namespace update {

constexpr auto SignatureName = "update.json.sig";
// The base64 text of a 32-byte public key; replaces the built-in one (a
// company mirror that signs its own manifests, a test server).
constexpr auto KeyVariable = "ZTCONFIG_UPDATE_KEY";

constexpr int PublicKeyBytes = 32;
constexpr int SignatureBytes = 64;

struct TrustedKey
{
    QByteArray key;  // PublicKeyBytes; empty when no key is configured or the one given is unusable
    QString problem; // why a key that was given is unusable; empty otherwise
};

// ZTCONFIG_UPDATE_KEY when set, else the key built in (CMake's
// ZT_UPDATE_PUBLIC_KEY), else none: updates are not configured.
TrustedKey trustedKey();

// Standard base64 with its padding, nothing else but trailing line breaks,
// and exactly `bytes` long once decoded; an empty array otherwise.
QByteArray decodeKeyText(const QByteArray &text, int bytes);

// Empty when signatureText (the content of update.json.sig) is a valid
// signature over message by publicKey; otherwise what is wrong with it.
QString signatureProblem(const QByteArray &message, const QByteArray &signatureText, const QByteArray &publicKey);

} // namespace update
