#pragma once

#include <QString>
#include <QUrl>

// The rules the update check applies to what the server and the environment
// hand it: where to look, which version counts as newer, and which installer
// names may reach the disk.
namespace update {

constexpr auto ManifestName = "update.json";
// A full base address ending in "/"; replaces the built-in one.
constexpr auto BaseAddressVariable = "ZTCONFIG_UPDATE_URL";

// ZTCONFIG_UPDATE_URL when set, else the built-in address.
QUrl baseAddress();

// https anywhere; plain http only to this computer (a test server, a mirror
// set up on localhost).
bool isAllowedAddress(const QUrl &url);

// The address of a file below base. The name only extends the path, so it
// can never change the scheme, host or query.
QUrl fileAddress(const QUrl &base, const QString &fileName);

// Compared by numeric components: 1.1.10.0 is newer than 1.1.2.0, 1.1.2.0.1
// is newer than 1.1.2.0, 1.1.2 equals 1.1.2.0. A published text that is not a
// plain dotted number is never newer.
bool isNewerVersion(const QString &running, const QString &published);

// A name to store in the download folder as it is: no path separators, no
// "..", no drive or stream colon, nothing unprintable.
bool isPlainFileName(const QString &name);

// A name Windows' shell runs as an installer: ".exe" or ".msi", any case.
bool isStartableInstaller(const QString &name);

} // namespace update
