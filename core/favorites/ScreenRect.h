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
    ScreenRect rect{x, y, 0, 0};
    rect.SetWidth(width);
    rect.SetHeight(height);
    return rect;
  }
  std::int32_t Width() const { return Wrap(static_cast<std::uint32_t>(Right) - static_cast<std::uint32_t>(Left)); }
  std::int32_t Height() const { return Wrap(static_cast<std::uint32_t>(Bottom) - static_cast<std::uint32_t>(Top)); }
  // Move the right or bottom edge so that the size from the left or top edge is as given.
  void SetWidth(std::int32_t width) { Right = Wrap(static_cast<std::uint32_t>(Left) + static_cast<std::uint32_t>(width)); }
  void SetHeight(std::int32_t height) { Bottom = Wrap(static_cast<std::uint32_t>(Top) + static_cast<std::uint32_t>(height)); }
  // True when all four values are `value`.
  bool IsAll(std::int32_t value) const { return Left == value && Top == value && Right == value && Bottom == value; }

  bool operator==(const ScreenRect& other) const {
    return Left == other.Left && Top == other.Top && Right == other.Right && Bottom == other.Bottom;
  }
  bool operator!=(const ScreenRect& other) const { return !(*this == other); }

 private:
  static std::int32_t Wrap(std::uint32_t value) { return static_cast<std::int32_t>(value); }
};
