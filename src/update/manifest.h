#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The manifest "update.json": a JSON object with one member per program,
// {"ZTConfig": {"version": "1.1.3.0", "update": "ZTConfigSetup.exe"}, ...}.
namespace update {

struct ManifestEntry
{
    bool found = false; // the manifest names the program (case-sensitively)
    QString version;    // empty when absent; a number in its text form
    QString update;     // the installer's file name; empty when absent
};

// Nothing when the bytes are not a JSON object.
std::optional<ManifestEntry> readManifestEntry(const QByteArray &bytes, const QString &programName);

} // namespace update
