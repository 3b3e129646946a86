#include "channels/rs485codes.h"

namespace zt::rs485 {

namespace {

constexpr quint16 FirstSpeedCode = 0x0204;
constexpr quint16 formatCodes[FormatCount] = {0x0001, 0x0002, 0x0101, 0x0201};

} // namespace

int speedRowOfCode(quint16 code)
{
    const int row = code - FirstSpeedCode;
    return row >= 0 && row < SpeedCount ? row : -1;
}

quint16 speedCodeOfRow(int row)
{
    return quint16(FirstSpeedCode + row);
}

int formatRowOfCode(quint16 code)
{
    for (int row = 0; row < FormatCount; ++row)
        if (formatCodes[row] == code)
            return row;
    return -1;
}

quint16 formatCodeOfRow(int row)
{
    return row >= 0 && row < FormatCount ? formatCodes[row] : formatCodes[0];
}

} // namespace zt::rs485
