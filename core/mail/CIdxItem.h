#pragma once
// One entry of a folder index: a line of 17 fields separated by the byte 0x01. A lead byte of a
// double-byte character and the byte after it are never a separator. The line is split only as far
// as a field is asked for, and only once.
#include <cstddef>
#include <string_view>

class CIdxItem {
 public:
  static constexpr int FieldCount = 17;

  CIdxItem() = default;
  // The entry's line without its line end; its bytes must outlive the item.
  explicit CIdxItem(std::string_view line) : m_line(line) {}

  // Field `number` (0 to 16); empty for a number out of that range or a field the line lacks. Bytes
  // after the 17th field are no field.
  std::string_view GetField(int number) const;

 private:
  void SplitNextField() const;

  std::string_view m_line;
  // Where field n ends (its separator or the end of the line), for the fields split so far.
  mutable std::size_t m_fieldEnds[FieldCount] = {};
  mutable int m_splitFields = 0;
};
