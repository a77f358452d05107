#pragma once
// One entry of a folder index, kept by whoever asked for it: its line of 17 fields separated by the
// byte 0x01. A lead byte of a double-byte character and the byte after it are never a separator.
#include <string>
#include <string_view>
#include <utility>

#include "core/mail/IndexText.h"

class CIdxItem {
 public:
  static constexpr int FieldCount = IndexFieldCount;

  CIdxItem() = default;
  // The entry's line without its line end.
  explicit CIdxItem(std::string line) : m_line(std::move(line)) {}

  // Field `number` (0 to 16); empty for a number out of that range or a field the line lacks. Bytes
  // after the 17th field are no field.
  std::string_view GetField(int number) const;

 private:
  std::string m_line;
};
