#pragma once

#include <QString>
#include <QVector>

// Register encodings of the module and decoders of the blocks it reports.
namespace zt {

// float32 in two registers: low 16 bits at `index`, high 16 bits at index + 1.
float decodeFloat32(const QVector<quint16> &r, int index);
// How every float the module reports is shown: format g, 6 significant digits.
QString formatFloat(double v);

// A live reading as the window shows it. NaN or infinity is no reading: it
// shows as a dash with a tooltip saying so, never as a figure, and no earlier
// figure stands in for it (a stale number would look current).
struct LiveText {
    QString text;
    QString toolTip; // empty for a number
};
LiveText liveText(float v);

qint16 decodeInt16(quint16 word);
// Low 16 bits of the two's complement, as a limit is written (-50 -> 0xFFCE).
quint16 encodeInt16(int value);

// The firmware date the identification block carries as ASCII: each register
// gives its high byte, then its low byte; bytes 0x20..0x7F are kept. Text
// that is not only digits and dots is "—": a module's bytes never reach a
// window, a file or a spreadsheet as anything but a date.
QString firmwareDateText(const QVector<quint16> &block);

// Each decoder returns false, leaving `out` untouched, when the block holds
// fewer values than it reads.

struct LiveValues {
    float input[2] = {};
    float temperature[2] = {};
    float output[2] = {};
    float coldJunction[2] = {};
};
bool decodeLive(const QVector<quint16> &r, LiveValues *out);

// Works on both the full read and the shorter re-read of the block.
struct ConfigValues {
    quint16 range[2] = {};
    float pLimitMin[2] = {};
    float pLimitMax[2] = {};
};
bool decodeConfig(const QVector<quint16> &r, ConfigValues *out);

struct OptionValues {
    bool coldJunction = false;     // one switch for both channels
    bool fastConversion0 = false;  // channel 0 only
};
bool decodeOptions(const QVector<quint16> &r, OptionValues *out);

struct LimitValues {
    qint16 min[2] = {};
    qint16 max[2] = {};
    quint16 wiring[2] = {};
};
bool decodeLimits(const QVector<quint16> &r, LimitValues *out);

struct InversionValues {
    bool inverted[2] = {};
    quint16 word = 0; // as read, other bits and all
};
bool decodeInversion(const QVector<quint16> &r, InversionValues *out);

} // namespace zt
