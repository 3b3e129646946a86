// libFuzzer target: what an update server hands over. The first line goes
// to the signature check as update.json.sig's text, the rest as update.json
// to the signature check and to the manifest reader. A text taken as a key
// or signature must be its canonical base64; only the real signer's
// signature holds, over exactly the bytes it signed; a manifest entry that
// describes an installer gives a size and a hash the download can use.

#include "update/manifest.h"
#include "update/signature.h"

#include <sodium.h>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

struct Signer
{
    QByteArray publicKey = QByteArray(crypto_sign_PUBLICKEYBYTES, '\0');
    QByteArray secretKey = QByteArray(crypto_sign_SECRETKEYBYTES, '\0');
    Signer()
    {
        require(sodium_init() >= 0);
        const unsigned char seed[crypto_sign_SEEDBYTES] = {1};
        crypto_sign_seed_keypair(reinterpret_cast<unsigned char *>(publicKey.data()),
                                 reinterpret_cast<unsigned char *>(secretKey.data()), seed);
    }
    QByteArray sign(const QByteArray &message) const
    {
        QByteArray signature(crypto_sign_BYTES, '\0');
        crypto_sign_detached(reinterpret_cast<unsigned char *>(signature.data()), nullptr,
                             reinterpret_cast<const unsigned char *>(message.constData()), message.size(),
                             reinterpret_cast<const unsigned char *>(secretKey.constData()));
        return signature.toBase64();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Signer signer;
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const int newline = input.indexOf('\n');
    const QByteArray signatureText = newline < 0 ? input : input.left(newline);
    const QByteArray manifest = newline < 0 ? QByteArray() : input.mid(newline + 1);

    const QByteArray decoded = update::decodeKeyText(signatureText, update::SignatureBytes);
    require(decoded.isEmpty() || decoded.toBase64() == QByteArray(signatureText).replace('\r', ""));
    // Nobody but the signer signs: a finding here would be a forgery.
    require(!update::signatureProblem(manifest, signatureText, signer.publicKey).isEmpty()
            || signatureText.trimmed() == signer.sign(manifest));
    require(update::signatureProblem(manifest, signer.sign(manifest), signer.publicKey).isEmpty());
    require(!update::signatureProblem(manifest + ' ', signer.sign(manifest), signer.publicKey).isEmpty());

    const std::optional<update::ManifestEntry> entry = update::readManifestEntry(manifest, QStringLiteral("ZTConfig"));
    if (entry && entry->describesInstaller())
        require(entry->size <= update::MaxInstallerBytes && entry->sha256.size() == 32);
    return 0;
}
