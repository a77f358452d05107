#include "core/mail/CTovikIdxFile.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include "core/hostlink/CLongLoop.h"
#include "core/mail/ByteScan.h"
#include "core/mail/IndexText.h"
#include "core/mail/MailHeaders.h"
#include "port/FileSystem.h"

namespace {

// Known entry starts: at first one every 4 KB of the file, at most MaxPlaces of them (256 KB).
const std::uint64_t FirstSpacing = 4 * 1024;
const std::size_t MaxPlaces = 16384;

bool IsHexadecimalField(int field) {
  switch (field) {
    case 0: case 1: case 2: case 8: case 9: case 10: case 11: case 14:
      return true;
    default:
      return false;
  }
}

bool IsHexadecimalText(std::string_view text) { return text.find_first_not_of("0123456789ABCDEFabcdef") == text.npos; }

// strtoul(text, 16) as Windows gives it: 32 bits, a larger number reads as 0xFFFFFFFF.
std::uint32_t HexadecimalNumber(std::string_view text) {
  std::uint32_t number = 0;
  const auto read = std::from_chars(text.data(), text.data() + text.size(), number, 16);
  return read.ec == std::errc::result_out_of_range ? 0xFFFFFFFFu : number;
}

std::uint32_t SearchedNumber(const std::string& value) {
  return IsHexadecimalText(value) ? HexadecimalNumber(value) : static_cast<std::uint32_t>(ParseMailDate(value));
}

}  // namespace

int CTovikIdxFile::FieldOfHeader(const std::string& name) {
  static const struct {
    const char* Name;
    int Field;
  } fields[] = {{"Message-Id", 6}, {"Subject", 3}, {"From", 4}, {"To", 5}, {"Date", 8}};
  for (const auto& header : fields) {
    if (name == header.Name) return header.Field;
  }
  return -1;
}

bool CTovikIdxFile::Open() {
  Close();
  if (m_fileName.empty()) return false;
  m_file = std::fopen(port::NativePath(m_fileName).c_str(), "rb");
  if (m_file == nullptr) return false;
  // The host may have replaced the file since it was last open: nothing learnt of it holds.
  m_window.Attach(m_file);
  m_headerRead = false;
  m_headerValid = false;
  m_places.clear();
  m_spacing = FirstSpacing;
  m_reached = 0;
  m_cursor = Place{0, 0};
  m_tooManyEntries = false;
  return true;
}

void CTovikIdxFile::Close() {
  if (m_file != nullptr) std::fclose(m_file);
  m_file = nullptr;
  m_window.Detach();
}

int CTovikIdxFile::Find(std::uint32_t& position, int field, const std::string& value, CLongLoop& loop) {
  if (!Rewind()) return IdxUnreadable;
  const int seek = SeekTo(position);
  if (seek != IdxFound) return Unless(seek);
  if (field < 0 || field >= CIdxItem::FieldCount) return IdxNotFound;
  const bool hexadecimal = IsHexadecimalField(field);
  const std::uint32_t number = hexadecimal ? SearchedNumber(value) : 0;
  // An entry whose field equals the text holds that text: lines without it are not looked into.
  const bool skipping = !hexadecimal && !value.empty();
  if (loop.IsCancelled()) return IdxCancelled;
  for (;;) {
    if (skipping) {
      const int skipped = SkipToCandidate(value, loop);
      if (skipped != IdxFound) return Unless(skipped);
    }
    const Place entry = m_cursor;
    std::string_view line;
    if (!NextLine(line)) return Unless(IdxNotFound);
    const std::string_view text = IndexField(line, field);
    if (hexadecimal ? IsHexadecimalText(text) && HexadecimalNumber(text) == number : text == value) {
      // The next search and GetEntry start from the entry found.
      m_cursor = entry;
      position = entry.Number;
      return IdxFound;
    }
    if (loop.IsCancelled()) return IdxCancelled;
  }
}

CIdxItem CTovikIdxFile::GetEntry(std::uint32_t n) {
  std::uint64_t start = 0, next = 0;
  std::string_view line;
  if (!ReadHeader() || !Locate(n, start) || !LineAt(start, line, next)) return CIdxItem();
  return CIdxItem(std::string(WithoutLineEnd(line)));
}

bool CTovikIdxFile::ReadHeader() {
  std::string_view line;
  std::uint64_t next = 0;
  if (m_headerRead || !LineAt(0, line, next)) return m_headerRead;
  m_headerRead = true;
  m_headerValid = line.size() >= 2 && line[0] == '2' && line[1] == '.';
  m_places.assign(1, Place{0, next});
  m_cursor = m_places[0];
  return true;
}

bool CTovikIdxFile::Rewind() { return ReadHeader() && m_headerValid; }

bool CTovikIdxFile::Locate(std::uint32_t n, std::uint64_t& start) {
  // From the last known entry start at or before entry n.
  auto known = std::upper_bound(m_places.begin(), m_places.end(), n,
                                [](std::uint32_t number, const Place& place) { return number < place.Number; });
  Place place = *(known - 1);
  if (m_cursor.Number <= n && m_cursor.Number > place.Number) place = m_cursor;
  while (place.Number < n) {
    std::uint64_t end = 0;
    if (!FindLineEnd(place.Start, end) || !Pass(place, 1, end + 1)) return false;
  }
  start = place.Start;
  return n == 0 || start < m_window.Length();
}

int CTovikIdxFile::SeekTo(std::uint32_t n) {
  std::uint64_t start = 0;
  if (!Locate(n, start)) return IdxNoStart;
  m_cursor = Place{n, start};
  return IdxFound;
}

bool CTovikIdxFile::NextLine(std::string_view& line) {
  std::uint64_t next = 0;
  if (!LineAt(m_cursor.Start, line, next)) return false;
  line = WithoutLineEnd(line);
  return Pass(m_cursor, 1, next);
}

int CTovikIdxFile::SkipToCandidate(const std::string& value, CLongLoop& loop) {
  for (std::uint64_t from = m_cursor.Start;;) {
    if (from >= m_window.Length() || (!m_window.Holds(from) && !m_window.ReadOn(from))) return IdxNotFound;
    const char* place = nullptr;
    std::size_t lineEnds = 0;
    const bool found = ScanForText(m_window.At(from), m_window.At(m_window.End()), value, place, lineEnds);
    if (!PassLines(from, m_window.OffsetOf(place), lineEnds)) return IdxNotFound;
    if (found) return IdxFound;
    if (m_window.End() == m_window.Length()) return IdxNotFound;
    // The text may begin in the last bytes looked at and end in the ones that follow.
    from = m_window.OffsetOf(place);
    if (!m_window.ReadOn(from)) return IdxNotFound;
    if (loop.IsCancelled()) return IdxCancelled;
  }
}

bool CTovikIdxFile::PassLines(std::uint64_t from, std::uint64_t to, std::size_t lineEnds) {
  if (lineEnds == 0) return true;
  const char* next = AfterLastLineEnd(m_window.At(from), m_window.At(to));
  return Pass(m_cursor, lineEnds, m_window.OffsetOf(next));
}

bool CTovikIdxFile::LineAt(std::uint64_t start, std::string_view& line, std::uint64_t& next) {
  if (start >= m_window.Length() || (!m_window.Holds(start) && !m_window.ReadOn(start))) return false;
  for (std::uint64_t searched = start;;) {
    const std::uint64_t end = m_window.FindLineEnd(searched, m_window.End());
    if (end < m_window.End() || end == m_window.Length()) {
      line = std::string_view(m_window.At(start), static_cast<std::size_t>(end - start));
      next = std::min(end + 1, m_window.Length());
      return true;
    }
    searched = end;
    // The line stays whole in the window, which grows for it.
    if (!m_window.ReadOn(start)) return false;
  }
}

bool CTovikIdxFile::FindLineEnd(std::uint64_t from, std::uint64_t& end) {
  for (;;) {
    if (from >= m_window.Length() || (!m_window.Holds(from) && !m_window.ReadOn(from))) return false;
    end = m_window.FindLineEnd(from, m_window.End());
    if (end < m_window.End()) return true;
    from = end;
  }
}

bool CTovikIdxFile::Pass(Place& place, std::size_t lines, std::uint64_t next) {
  // Entry numbers are 32 bits: an index of more entries cannot be searched to its end.
  if (lines > UINT32_MAX - place.Number) {
    m_tooManyEntries = true;
    return false;
  }
  place = Place{static_cast<std::uint32_t>(place.Number + lines), next};
  if (place.Number <= m_reached) return true;
  m_reached = place.Number;
  if (next - m_places.back().Start < m_spacing) return true;
  m_places.push_back(place);
  if (m_places.size() < MaxPlaces) return true;
  // Every other one goes, entry 0's staying.
  for (std::size_t i = 1; 2 * i < m_places.size(); ++i) m_places[i] = m_places[2 * i];
  m_places.resize((m_places.size() + 1) / 2);
  m_spacing *= 2;
  return true;
}
