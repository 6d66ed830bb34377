// Colour values as the calendar stores and draws them: a signed 32-bit number,
// 0x00BBGGRR for a plain colour, 0x80000000 plus an index for a system colour.
// Portable; the form units turn system colours into real ones when drawing.
#pragma once
#include <cstdint>

using TColor = std::int32_t;

constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(index));
}

inline constexpr TColor clBlack = 0;
inline constexpr TColor clMaroon = 128;
inline constexpr TColor clGreen = 32768;
inline constexpr TColor clOlive = 32896;
inline constexpr TColor clNavy = 8388608;
inline constexpr TColor clPurple = 8388736;
inline constexpr TColor clTeal = 8421376;
inline constexpr TColor clGray = 8421504;
inline constexpr TColor clSilver = 12632256;
inline constexpr TColor clRed = 255;
inline constexpr TColor clLime = 65280;
inline constexpr TColor clYellow = 65535;
inline constexpr TColor clBlue = 16711680;
inline constexpr TColor clFuchsia = 16711935;
inline constexpr TColor clAqua = 16776960;
inline constexpr TColor clWhite = 16777215;

// System colours by their display-colour index (COLOR_HIGHLIGHT is 13 ...).
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);

constexpr bool IsSystemColor(TColor color) { return color < 0; }
constexpr int SystemColorIndex(TColor color) { return static_cast<int>(color & 0xFF); }
