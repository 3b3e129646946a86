#pragma once

#include <QString>

#include <functional>

class UserPrompts;

// How a verified installer was handed on.
enum class InstallerStart {
    Started, // running: the program makes way for it
    Failed,  // the system would not start it
    Kept,    // not to be run here: the file stays and its folder is shown
};

// What the update dialog reaches outside itself besides the server (see
// update::baseAddress()) and the trusted key (update::trustedKey()). Empty
// members take the real thing; tests use a scratch folder, recorded message
// boxes and a recorded installer start.
struct UpdateDialogOptions
{
    QString downloadFolder;  // empty: the user's download folder
    UserPrompts *prompts = nullptr;  // null: real message boxes
    // Hands on the verified installer at the path without waiting for it.
    // Empty: on Windows the shell starts an ".exe" or ".msi" (and asks for
    // elevation when the installer wants it); elsewhere nothing is run and
    // the folder is opened.
    std::function<InstallerStart(const QString &path)> startInstaller;
};
