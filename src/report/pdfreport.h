#pragma once

#include <QString>

// Prints rich text onto one A4 page of a PDF file, with Qt's own PDF writer.
// Needs a QGuiApplication (the text layout needs the font database); the
// "offscreen" platform will do on a machine without a display.
namespace zt::report {

// False, with the reason in `error`, when the file cannot be written.
bool writePdf(const QString &html, const QString &path, QString *error);

} // namespace zt::report
