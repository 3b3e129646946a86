// ztconfig-sign keygen DIR
// ztconfig-sign sign --key SECRET --installer FILE [--program NAME] update.json
//
// keygen writes DIR/update-key.secret (mode 0600) and DIR/update-key.pub and
// prints the public key's base64, the value of ZT_UPDATE_PUBLIC_KEY. sign
// puts the installer's size and SHA-256 into the program's entry of
// update.json and writes update.json.sig beside it: the base64 of the
// Ed25519 signature over the exact bytes of update.json.

#include "update/manifest.h"
#include "update/signature.h"
#include "update/updaterules.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <sodium.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cstdio>

namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;
constexpr qint64 MaxManifestBytes = 64 * 1024;
constexpr auto SecretName = "update-key.secret";
constexpr auto PublicName = "update-key.pub";

const char Usage[] = "usage: ztconfig-sign keygen DIR\n"
                     "       ztconfig-sign sign --key SECRET --installer FILE [--program NAME] update.json\n";

int fail(const QString &message)
{
    std::fprintf(stderr, "ztconfig-sign: %s\n", qPrintable(message));
    return ExitFailed;
}

const unsigned char *bytes(const QByteArray &array) { return reinterpret_cast<const unsigned char *>(array.constData()); }
unsigned char *bytes(QByteArray &array) { return reinterpret_cast<unsigned char *>(array.data()); }

// Created, never replaced, readable by its owner alone from the first byte
// (elsewhere than Unix, as the folder's permissions allow).
bool writeSecret(const QString &path, const QByteArray &text)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    return ::close(fd) == 0 && written;
#else
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && file.write(text) == text.size();
#endif
}

bool writeWhole(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

int keygen(const QString &dir)
{
    if (!QDir().mkpath(dir))
        return fail(QStringLiteral("cannot create %1").arg(dir));
    QByteArray publicKey(crypto_sign_PUBLICKEYBYTES, '\0');
    QByteArray secretKey(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_keypair(bytes(publicKey), bytes(secretKey));
    const QString secretPath = QDir(dir).filePath(QLatin1String(SecretName));
    const QString publicPath = QDir(dir).filePath(QLatin1String(PublicName));
    if (QFileInfo::exists(secretPath) || QFileInfo::exists(publicPath))
        return fail(QStringLiteral("%1 already holds a key; nothing written").arg(dir));
    const bool written = writeSecret(secretPath, secretKey.toBase64() + '\n');
    sodium_memzero(secretKey.data(), size_t(secretKey.size()));
    if (!written)
        return fail(QStringLiteral("cannot write %1").arg(secretPath));
    if (!writeWhole(publicPath, publicKey.toBase64() + '\n'))
        return fail(QStringLiteral("cannot write %1").arg(publicPath));
    std::printf("%s\n", publicKey.toBase64().constData());
    return 0;
}

QByteArray readAtMost(const QString &path, qint64 limit, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return QByteArray();
    }
    const QByteArray data = file.read(limit + 1);
    if (data.size() > limit)
        *error = QStringLiteral("%1 is longer than %2 bytes").arg(path).arg(limit);
    return data;
}

int sign(const QString &secretPath, const QString &installerPath, const QString &program, const QString &manifestPath)
{
    QString error;
    QByteArray secretKey = update::decodeKeyText(readAtMost(secretPath, 1024, &error), crypto_sign_SECRETKEYBYTES);
    if (!error.isEmpty())
        return fail(error);
    if (secretKey.isEmpty())
        return fail(QStringLiteral("%1 is not the base64 text of a secret key from keygen").arg(secretPath));

    QFile installer(installerPath);
    if (!installer.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(installerPath, installer.errorString()));
    const QString installerName = QFileInfo(installerPath).fileName();
    if (installer.size() < 1 || installer.size() > update::MaxInstallerBytes)
        return fail(QStringLiteral("%1 has %2 bytes; the program takes 1 to %3").arg(installerPath).arg(installer.size()).arg(update::MaxInstallerBytes));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&installer))
        return fail(QStringLiteral("cannot read %1").arg(installerPath));

    const QByteArray old = readAtMost(manifestPath, MaxManifestBytes, &error);
    if (!error.isEmpty())
        return fail(error);
    QJsonParseError parseError{};
    QJsonDocument document = QJsonDocument::fromJson(old, &parseError);
    if (!document.isObject())
        return fail(QStringLiteral("%1 is not a JSON object: %2 at byte %3").arg(manifestPath, parseError.errorString()).arg(parseError.offset));
    QJsonObject root = document.object();
    if (!root.value(program).isObject())
        return fail(QStringLiteral("%1 has no object \"%2\"").arg(manifestPath, program));
    QJsonObject entry = root.value(program).toObject();
    if (!entry.value(QLatin1String("version")).isString())
        return fail(QStringLiteral("\"%1\" has no \"version\" text").arg(program));
    const QJsonValue named = entry.value(QLatin1String("update"));
    if (named.isUndefined())
        entry.insert(QLatin1String("update"), installerName);
    else if (named.toString() != installerName)
        return fail(QStringLiteral("\"%1\" names the installer \"%2\", not %3").arg(program, named.toString(), installerName));
    if (!update::isPlainFileName(installerName))
        return fail(QStringLiteral("%1 is not a name the program stores").arg(installerName));
    entry.insert(QLatin1String("size"), installer.size());
    entry.insert(QLatin1String("sha256"), QString::fromLatin1(hash.result().toHex()));
    root.insert(program, entry);

    const QByteArray manifest = QJsonDocument(root).toJson(QJsonDocument::Indented);
    if (manifest.size() > MaxManifestBytes)
        return fail(QStringLiteral("update.json would have %1 bytes; the program reads at most %2").arg(manifest.size()).arg(MaxManifestBytes));
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(bytes(signature), nullptr, bytes(manifest), quint64(manifest.size()), bytes(secretKey));
    QByteArray publicKey(crypto_sign_PUBLICKEYBYTES, '\0');
    crypto_sign_ed25519_sk_to_pk(bytes(publicKey), bytes(secretKey));
    sodium_memzero(secretKey.data(), size_t(secretKey.size()));

    // The program's own check, before anything is written.
    const QByteArray signatureText = signature.toBase64() + '\n';
    const QString problem = update::signatureProblem(manifest, signatureText, publicKey);
    if (!problem.isEmpty())
        return fail(problem);
    const QString signaturePath = QFileInfo(manifestPath).dir().filePath(QLatin1String(update::SignatureName));
    if (!writeWhole(manifestPath, manifest) || !writeWhole(signaturePath, signatureText))
        return fail(QStringLiteral("cannot write %1 or %2").arg(manifestPath, signaturePath));
    std::printf("%s: %s %s, %lld bytes, signed by %s\n", qPrintable(manifestPath), qPrintable(program),
                qPrintable(entry.value(QLatin1String("version")).toString()), installer.size(),
                publicKey.toBase64().constData());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (sodium_init() < 0)
        return fail(QStringLiteral("libsodium did not start"));
    QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("keygen"))
        return keygen(args[1]);
    if (args.value(0) != QLatin1String("sign")) {
        std::fputs(Usage, stderr);
        return ExitUsage;
    }
    args.removeFirst();
    QString key, installer, program = QStringLiteral("ZTConfig"), manifest;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        QString *option = arg == QLatin1String("--key") ? &key
                        : arg == QLatin1String("--installer") ? &installer
                        : arg == QLatin1String("--program") ? &program : nullptr;
        if (option && !args.isEmpty())
            *option = args.takeFirst();
        else if (!option && manifest.isEmpty() && !arg.startsWith(QLatin1Char('-')))
            manifest = arg;
        else {
            std::fputs(Usage, stderr);
            return ExitUsage;
        }
    }
    if (key.isEmpty() || installer.isEmpty() || manifest.isEmpty()) {
        std::fputs(Usage, stderr);
        return ExitUsage;
    }
    return sign(key, installer, program, manifest);
}
