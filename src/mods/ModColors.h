#pragma once

#include <cstdint>

namespace mods {

/** A colour as the editor's highlight takes it from the command tables: OLE order 0x00BBGGRR. */
using OleColor = std::uint32_t;

inline constexpr OleColor kBindBlue = 0xFF0000;
inline constexpr OleColor kSetRed = 0x0000FF;
inline constexpr OleColor kVstrGreen = 0x00FF00;
inline constexpr OleColor kAliasMagenta = 0xFF00FF;
inline constexpr OleColor kMarkerBlack = 0x000000;

constexpr int oleRed(OleColor color) { return int(color & 0xFF); }
constexpr int oleGreen(OleColor color) { return int((color >> 8) & 0xFF); }
constexpr int oleBlue(OleColor color) { return int((color >> 16) & 0xFF); }

} // namespace mods
