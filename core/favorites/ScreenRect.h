#pragma once
#include <cstdint>

// A rectangle in screen coordinates, stored in the settings as position and size. Sums and
// differences wrap at 32 bits, as hand-edited values may be anything.
struct ScreenRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  static ScreenRect FromPositionAndSize(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    return ScreenRect{x, y, Wrap(static_cast<std::uint32_t>(x) + static_cast<std::uint32_t>(width)),
                      Wrap(static_cast<std::uint32_t>(y) + static_cast<std::uint32_t>(height))};
  }
  std::int32_t Width() const { return Wrap(static_cast<std::uint32_t>(Right) - static_cast<std::uint32_t>(Left)); }
  std::int32_t Height() const { return Wrap(static_cast<std::uint32_t>(Bottom) - static_cast<std::uint32_t>(Top)); }
  // True when all four values are `value`.
  bool IsAll(std::int32_t value) const { return Left == value && Top == value && Right == value && Bottom == value; }

  bool operator==(const ScreenRect& other) const {
    return Left == other.Left && Top == other.Top && Right == other.Right && Bottom == other.Bottom;
  }
  bool operator!=(const ScreenRect& other) const { return !(*this == other); }

 private:
  static std::int32_t Wrap(std::uint32_t value) { return static_cast<std::int32_t>(value); }
};
