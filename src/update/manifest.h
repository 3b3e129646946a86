#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The manifest "update.json": a JSON object with one member per program,
// {"ZTConfig": {"version": "1.1.3.0", "update": "ZTConfigSetup.exe",
//               "size": 48213504, "sha256": "<64 lowercase hex digits>"}, ...}.
// Only a signed manifest is read (see signature.h); size and sha256 then say
// which bytes the installer must be.
namespace update {

// No installer is taken above this size, whatever a manifest says.
constexpr qint64 MaxInstallerBytes = qint64(512) * 1024 * 1024;

struct ManifestEntry
{
    bool found = false; // the manifest names the program (case-sensitively)
    QString version;    // empty when absent; a number in its text form
    QString update;     // the installer's file name; empty when absent
    qint64 size = -1;   // the installer's length: a JSON integer 1..MaxInstallerBytes; -1 otherwise
    QByteArray sha256;  // the installer's 32-byte SHA-256; empty unless given as 64 lowercase hex digits

    bool describesInstaller() const { return size > 0 && !sha256.isEmpty(); }
};

// Nothing when the bytes are not a JSON object.
std::optional<ManifestEntry> readManifestEntry(const QByteArray &bytes, const QString &programName);

} // namespace update
