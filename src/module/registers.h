#pragma once

#include <QtGlobal>

// Register map of the module (Modbus server 1). Addresses are the zero-based
// register addresses handed to the Modbus client; every register is 16 bits.
namespace zt::reg {

// Input registers: the live block, eight float32 values.
constexpr int LiveBlock = 0x0000;
constexpr int LiveCount = 16;
constexpr int LiveInput0 = 0x0000;
constexpr int LiveTemperature0 = 0x0002;
constexpr int LiveOutput0 = 0x0004;
constexpr int LiveInput1 = 0x0006;
constexpr int LiveTemperature1 = 0x0008;
constexpr int LiveOutput1 = 0x000A;
constexpr int LiveColdJunction0 = 0x000C;
constexpr int LiveColdJunction1 = 0x000E;

// Holding registers: identification and the PLB module's own RS-485 settings.
constexpr int IdentBlock = 0x2000;
constexpr int IdentCount = 15;
constexpr int Signature = 0x2000;
constexpr int Family = 0x2001;
constexpr int ReportedType = 0x2002;  // (number of inputs << 8) | input kind
constexpr int OutputMarker = 0x2003;  // SecondOutputMarker on two-output types
constexpr int PlbAddress = 0x2005;
constexpr int PlbSpeed = 0x200C;
constexpr int PlbFormat = 0x200D;

constexpr quint16 Signature2021 = 2021;
constexpr quint16 FamilyZT = 7;
constexpr quint16 FamilyPLB = 3;
constexpr quint16 SecondOutputMarker = 0x0204;

// Commands: the module acts only when the fixed key is written.
constexpr int Reboot = 0x2046;
constexpr int FactoryReset = 0x2047;
constexpr quint16 RebootKey = 0x524D;
constexpr quint16 FactoryResetKey = 0x5253;

// Configuration block: ranges and P limits. The full read after identification
// takes 56 registers, the re-read after a write 50.
constexpr int ConfigBlock = 0x2400;
constexpr int ConfigCount = 56;
constexpr int ConfigRereadCount = 50;
constexpr int Range0 = 0x2400;
constexpr int Range1 = 0x2401;
constexpr int PLimitCmdMin0 = 0x2420;  // command registers, written with 0
constexpr int PLimitCmdMax0 = 0x2421;
constexpr int PLimitMin0 = 0x2422;     // float32, reported by the module
constexpr int PLimitMax0 = 0x2424;
constexpr int PLimitCmdMin1 = 0x2426;
constexpr int PLimitCmdMax1 = 0x2427;
constexpr int PLimitMin1 = 0x2428;
constexpr int PLimitMax1 = 0x242A;

// Option block. One cold-junction switch serves both channels.
constexpr int OptionBlock = 0x2470;
constexpr int OptionCount = 5;
constexpr int ColdJunction = 0x2470;
constexpr int FastConversion0 = 0x2474;

// Calibration commands, written with 0.
constexpr int CalOffset0 = 0x2480;
constexpr int CalOffset1 = 0x2481;
constexpr int CalGain0 = 0x24A0;
constexpr int CalGain1 = 0x24A2;  // not 0x24A1

// Limit block: int16 limits in whole °C and the wiring code per channel.
constexpr int LimitBlock = 0x24E0;
constexpr int LimitCount = 10;
constexpr int LimitMin0 = 0x24E0;
constexpr int LimitMax0 = 0x24E1;
constexpr int Wiring0 = 0x24E2;
constexpr int LimitMin1 = 0x24E3;
constexpr int LimitMax1 = 0x24E4;
constexpr int Wiring1 = 0x24E5;

// Output inversion of both channels in one register.
constexpr int Inversion = 0x2520;
constexpr int InversionCount = 1;
constexpr quint16 inversionBit(int ch) { return ch == 0 ? 0x0001 : 0x0002; }

// Per-channel addresses, so that one function with a channel argument serves
// both channels.
constexpr int liveInput(int ch) { return ch == 0 ? LiveInput0 : LiveInput1; }
constexpr int liveTemperature(int ch) { return ch == 0 ? LiveTemperature0 : LiveTemperature1; }
constexpr int liveOutput(int ch) { return ch == 0 ? LiveOutput0 : LiveOutput1; }
constexpr int liveColdJunction(int ch) { return ch == 0 ? LiveColdJunction0 : LiveColdJunction1; }
constexpr int range(int ch) { return ch == 0 ? Range0 : Range1; }
constexpr int pLimitCommandMin(int ch) { return ch == 0 ? PLimitCmdMin0 : PLimitCmdMin1; }
constexpr int pLimitCommandMax(int ch) { return ch == 0 ? PLimitCmdMax0 : PLimitCmdMax1; }
constexpr int pLimitMin(int ch) { return ch == 0 ? PLimitMin0 : PLimitMin1; }
constexpr int pLimitMax(int ch) { return ch == 0 ? PLimitMax0 : PLimitMax1; }
constexpr int calOffset(int ch) { return ch == 0 ? CalOffset0 : CalOffset1; }
constexpr int calGain(int ch) { return ch == 0 ? CalGain0 : CalGain1; }
constexpr int limitMin(int ch) { return ch == 0 ? LimitMin0 : LimitMin1; }
constexpr int limitMax(int ch) { return ch == 0 ? LimitMax0 : LimitMax1; }
constexpr int wiring(int ch) { return ch == 0 ? Wiring0 : Wiring1; }

} // namespace zt::reg
