#pragma once

#include <QtGlobal>

// Codes of the PLB module's own RS-485 settings and the rows of their lists.
namespace zt::rs485 {

// Speed: 0x0204 + row, 2400 to 115200 baud.
constexpr int SpeedCount = 7;
int speedRowOfCode(quint16 code);  // -1 outside 0x0204..0x020A
quint16 speedCodeOfRow(int row);  // rows 0..6 only

// Character format: stop bits in the low byte, parity (0 none, 1 odd, 2 even)
// in the high byte; rows 8N1, 8N2, 8O1, 8E1.
constexpr int FormatCount = 4;
int formatRowOfCode(quint16 code);  // -1 for any other code, not 8N1
quint16 formatCodeOfRow(int row);   // 8N1 for any other row

} // namespace zt::rs485
