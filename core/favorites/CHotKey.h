#pragma once
#include <cstdint>

// A hot key: a Windows virtual-key code and the host's shift code (0 none, 32 Ctrl, 64 Shift,
// 96 Ctrl+Shift, 254 Alt). The settings keep it as shift code x 256 + key code.
class CHotKey {
 public:
  CHotKey() = default;
  CHotKey(unsigned int virtualKey, unsigned int shiftCode) : VirtualKey(virtualKey & 0xFF), ShiftCode(shiftCode & 0xFF) {}
  virtual ~CHotKey() = default;

  // Only the low 16 bits of a stored value count.
  static CHotKey FromStoredValue(std::int32_t value) {
    const std::uint32_t bits = static_cast<std::uint32_t>(value);
    return CHotKey(bits & 0xFF, (bits >> 8) & 0xFF);
  }
  std::int32_t ToStoredValue() const { return static_cast<std::int32_t>((ShiftCode & 0xFF) * 256 + (VirtualKey & 0xFF)); }

  unsigned int VirtualKey = 0;  // 0 = no key
  unsigned int ShiftCode = 0;
};
