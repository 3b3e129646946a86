#pragma once

// What the program says about itself: the update check looks itself up in
// the manifest by the name and compares the version; the about dialog shows
// all three.
namespace program {

constexpr auto Name = "ZTConfig";
constexpr auto Version = ZT_VERSION;
constexpr auto BuildDate = "12.10.2023";

} // namespace program
