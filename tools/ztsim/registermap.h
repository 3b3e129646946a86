#pragma once

#include <cstdint>

// Addresses (zero-based) of the registers the module serves.
namespace reg {

// Identification block.
constexpr uint16_t Signature = 0x2000;
constexpr uint16_t Family = 0x2001;
constexpr uint16_t ReportedType = 0x2002;
constexpr uint16_t OutputMarker = 0x2003;
constexpr uint16_t PlbAddress = 0x2005;
constexpr uint16_t FirmwareDate = 0x2006;  // four registers, two ASCII bytes each
constexpr uint16_t PlbSpeed = 0x200C;
constexpr uint16_t PlbFormat = 0x200D;

// Commands: written, never read.
constexpr uint16_t Reboot = 0x2046;
constexpr uint16_t FactoryReset = 0x2047;
constexpr uint16_t RebootKey = 0x524D;
constexpr uint16_t FactoryResetKey = 0x5253;
constexpr uint16_t SetPLower[2] = {0x2420, 0x2426};
constexpr uint16_t SetPUpper[2] = {0x2421, 0x2427};
constexpr uint16_t OffsetCalibration[2] = {0x2480, 0x2481};
constexpr uint16_t GainCalibration[2] = {0x24A0, 0x24A2};

// Configuration.
constexpr uint16_t Range[2] = {0x2400, 0x2401};
constexpr uint16_t PLower[2] = {0x2422, 0x2428};  // float32
constexpr uint16_t PUpper[2] = {0x2424, 0x242A};  // float32
constexpr uint16_t ColdJunction = 0x2470;
constexpr uint16_t FastConversion = 0x2474;
constexpr uint16_t Lower[2] = {0x24E0, 0x24E3};
constexpr uint16_t Upper[2] = {0x24E1, 0x24E4};
constexpr uint16_t Wiring[2] = {0x24E2, 0x24E5};
constexpr uint16_t Inversion = 0x2520;

// Live block of input registers, float32 each.
constexpr uint16_t LiveCount = 16;

}  // namespace reg
