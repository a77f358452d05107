#pragma once
// The first byte of every input chooses the code page, so that the fuzzer explores the multibyte
// paths (Shift-JIS) as well as the single-byte ones; the rest is the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "port/Mbcs.h"

inline std::string TakeCodePageAndText(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return std::string();
  port::SetMultiByteCodePage((data[0] & 1) != 0 ? 932 : 0);
  return std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
}
