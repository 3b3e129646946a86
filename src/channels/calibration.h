#pragma once

#include <QDate>
#include <QString>

// Calibration of a module's inputs: the hint that names the signal to apply
// for each step, and the command registers of the steps.
namespace zt::calibration {

// Offset and gain of each channel, numbered as the window's completion
// message counts them: 1 offset 0, 2 gain 0, 3 offset 1, 4 gain 1.
struct Step {
    int number;
    int address;
    const char *question;  // the source text, under the context "zt::calibration"
};
Step step(int channel, bool gain);

// Thermocouple modules dated before 23.04.23 are calibrated at the range's
// upper-end voltage, later ones at a few fixed voltages. The date is the
// identification's "dd.MM.yy" text; an empty or malformed text counts as
// newer firmware, as does a module not read at all.
bool isOlderFirmware(const QString &firmwareText);

// What the hint says for a module type (catalogue position), given the row
// of the channel's thermocouple and RTD lists (-1: no row) and the firmware
// text. Empty for no module type.
QString hintText(int modulePosition, int thermocoupleRow, int rtdRow, const QString &firmwareText);

} // namespace zt::calibration
