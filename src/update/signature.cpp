#include "signature.h"

#include <sodium.h>

namespace update {

namespace {

#ifndef ZT_UPDATE_PUBLIC_KEY
#define ZT_UPDATE_PUBLIC_KEY ""
#endif

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// libsodium 1.0.18 takes some bytes above 0x7f for base64 digits, so the
// alphabet is checked here first.
bool isBase64Text(const QByteArray &text)
{
    for (const char c : text) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/'
              || c == '='))
            return false;
    }
    return true;
}

} // namespace

QByteArray decodeKeyText(const QByteArray &text, int bytes)
{
    QByteArray trimmed = text;
    while (trimmed.endsWith('\n') || trimmed.endsWith('\r'))
        trimmed.chop(1);
    QByteArray decoded(bytes, '\0');
    size_t length = 0;
    const char *end = nullptr;
    if (!sodiumReady() || trimmed.isEmpty() || !isBase64Text(trimmed)
        || sodium_base642bin(reinterpret_cast<unsigned char *>(decoded.data()), decoded.size(), trimmed.constData(),
                             trimmed.size(), nullptr, &length, &end, sodium_base64_VARIANT_ORIGINAL) != 0
        || end != trimmed.constData() + trimmed.size() || length != size_t(bytes))
        return QByteArray();
    return decoded;
}

TrustedKey trustedKey()
{
    const bool fromEnvironment = !qEnvironmentVariableIsEmpty(KeyVariable);
    const QByteArray text = fromEnvironment ? qgetenv(KeyVariable) : QByteArray(ZT_UPDATE_PUBLIC_KEY);
    if (text.isEmpty())
        return {};
    TrustedKey trusted{decodeKeyText(text, PublicKeyBytes), QString()};
    if (trusted.key.isEmpty())
        trusted.problem = QStringLiteral("%1 is not the base64 text of a %2-byte public key")
                              .arg(fromEnvironment ? QLatin1String(KeyVariable) : QLatin1String("the built-in key"))
                              .arg(PublicKeyBytes);
    return trusted;
}

QString signatureProblem(const QByteArray &message, const QByteArray &signatureText, const QByteArray &publicKey)
{
    if (publicKey.size() != PublicKeyBytes)
        return QStringLiteral("no public key to check the signature with");
    const QByteArray signature = decodeKeyText(signatureText, SignatureBytes);
    if (signature.isEmpty())
        return QStringLiteral("%1 is not the base64 text of a %2-byte signature")
            .arg(QLatin1String(SignatureName))
            .arg(SignatureBytes);
    if (crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(signature.constData()),
                                    reinterpret_cast<const unsigned char *>(message.constData()), message.size(),
                                    reinterpret_cast<const unsigned char *>(publicKey.constData()))
        != 0)
        return QStringLiteral("the signature does not match update.json and the trusted key");
    return QString();
}

} // namespace update
