#include "core/mail/CTovikIdxFile.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <functional>
#include <new>
#include <string_view>

#include "core/hostlink/CLongLoop.h"
#include "core/mail/IndexText.h"
#include "core/mail/MailHeaders.h"
#include "port/FileSystem.h"

namespace {

// Larger files are read this far only: some six million mails, far beyond what a folder holds.
const std::size_t MaximumFileSize = std::size_t(1) << 30;
const std::size_t ReadSize = std::size_t(1) << 20;
// A text search looks at this many bytes between two looks at the user interface.
const std::size_t SearchSlice = std::size_t(1) << 20;
const std::uint32_t CheckpointSpacing = 64;

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
  if (m_bytes) {
    std::fseek(m_file, static_cast<long>(m_size), SEEK_SET);  // read on after what is cached
    return true;
  }
  long size = -1;
  if (std::fseek(m_file, 0, SEEK_END) == 0) size = std::ftell(m_file);
  std::rewind(m_file);
  m_capacity = size > 0 ? std::min(static_cast<std::size_t>(size), MaximumFileSize) : 0;
  // Without the memory the read ends as if the file ended there.
  m_bytes.reset(new (std::nothrow) char[m_capacity]);
  if (!m_bytes) m_capacity = 0;
  return true;
}

void CTovikIdxFile::Close() {
  if (m_file != nullptr) std::fclose(m_file);
  m_file = nullptr;
}

int CTovikIdxFile::Find(std::uint32_t& position, int field, const std::string& value, CLongLoop& loop) {
  if (!Rewind()) return IdxUnreadable;
  const int seek = SeekTo(position);
  if (seek != IdxFound) return seek;
  if (field < 0 || field >= CIdxItem::FieldCount) return IdxNotFound;
  const bool hexadecimal = IsHexadecimalField(field);
  const std::uint32_t number = hexadecimal ? SearchedNumber(value) : 0;
  if (loop.IsCancelled()) return IdxCancelled;
  for (;;) {
    // An entry whose field equals the text holds that text: lines without it are not split at all.
    if (!hexadecimal && !value.empty()) {
      const int skipped = SkipToCandidate(value, loop);
      if (skipped != IdxFound) return skipped;
    }
    const std::uint32_t entry = m_cursor;
    CIdxItem item;
    if (!NextItem(item)) return IdxNotFound;
    const std::string_view text = item.GetField(field);
    if (hexadecimal ? IsHexadecimalText(text) && HexadecimalNumber(text) == number : text == value) {
      position = entry;
      return IdxFound;
    }
    if (loop.IsCancelled()) return IdxCancelled;
  }
}

CIdxItem CTovikIdxFile::GetEntry(std::uint32_t n) {
  std::size_t start = 0, end = 0;
  return LocateEntry(n, start, end) ? ItemOfLine(start, end) : CIdxItem();
}

bool CTovikIdxFile::ReadHeader() {
  std::size_t end = 0;
  if (m_checkpoints.empty() && FindLineEnd(0, end)) m_checkpoints.push_back(std::min(end + 1, m_size));
  return !m_checkpoints.empty();
}

bool CTovikIdxFile::Rewind() {
  if (!ReadHeader()) return false;
  m_cursor = 0;
  m_cursorStart = m_checkpoints[0];
  return m_size >= 2 && m_bytes[0] == '2' && m_bytes[1] == '.';
}

int CTovikIdxFile::SeekTo(std::uint32_t n) {
  std::size_t start = m_checkpoints[0], end = 0;
  if (n != 0 && !LocateEntry(n, start, end)) return IdxNoStart;
  m_cursor = n;
  m_cursorStart = start;
  return IdxFound;
}

bool CTovikIdxFile::NextItem(CIdxItem& item) {
  std::size_t end = 0;
  if (!FindLineEnd(m_cursorStart, end)) return false;
  item = ItemOfLine(m_cursorStart, end);
  EnterNextLine(m_cursor, m_cursorStart, end);
  return true;
}

int CTovikIdxFile::SkipToCandidate(const std::string& value, CLongLoop& loop) {
  const std::boyer_moore_horspool_searcher<std::string::const_iterator> searcher(value.begin(), value.end());
  std::size_t from = m_cursorStart;
  for (;;) {
    const std::size_t end = std::min(m_size, from + SearchSlice + value.size());
    const char* bytes = m_bytes.get();
    const char* hit = std::search(bytes + from, bytes + end, searcher);
    if (hit != bytes + end) {
      const std::size_t at = static_cast<std::size_t>(hit - bytes);
      while (const void* newline = std::memchr(bytes + m_cursorStart, '\n', at - m_cursorStart)) {
        EnterNextLine(m_cursor, m_cursorStart, static_cast<std::size_t>(static_cast<const char*>(newline) - bytes));
      }
      return IdxFound;
    }
    if (end == m_size && !ReadMore()) return IdxNotFound;
    // The text may begin in the last bytes searched and end in the ones that follow.
    from = std::max(from, end - std::min(end, value.size() - 1));
    if (loop.IsCancelled()) return IdxCancelled;
  }
}

bool CTovikIdxFile::ReadMore() {
  if (m_file == nullptr || m_atEnd) return false;
  const std::size_t wanted = std::min(ReadSize, m_capacity - m_size);
  const std::size_t read = wanted == 0 ? 0 : std::fread(m_bytes.get() + m_size, 1, wanted, m_file);
  m_size += read;
  // The end of the file, a read error, or all the room taken: nothing more will come.
  m_atEnd = read == 0 || m_size == m_capacity;
  return read != 0;
}

bool CTovikIdxFile::FindLineEnd(std::size_t start, std::size_t& end) {
  for (std::size_t searched = start;;) {
    if (searched < m_size) {
      if (const void* newline = std::memchr(m_bytes.get() + searched, '\n', m_size - searched)) {
        end = static_cast<std::size_t>(static_cast<const char*>(newline) - m_bytes.get());
        return true;
      }
      searched = m_size;
    }
    if (!ReadMore()) {
      end = m_size;
      // A closed stream may yet hold the rest of the line: only the end of the file ends it.
      return m_atEnd && start < m_size;
    }
  }
}

bool CTovikIdxFile::LocateEntry(std::uint32_t n, std::size_t& start, std::size_t& end) {
  if (!ReadHeader()) return false;
  std::uint32_t number = std::min(n, m_reached) / CheckpointSpacing * CheckpointSpacing;
  start = m_checkpoints[number / CheckpointSpacing];
  for (;;) {
    if (!FindLineEnd(start, end)) return false;
    if (number == n) return true;
    EnterNextLine(number, start, end);
  }
}

void CTovikIdxFile::EnterNextLine(std::uint32_t& number, std::size_t& start, std::size_t end) {
  start = std::min(end + 1, m_size);
  if (++number > m_reached) {
    m_reached = number;
    if (number % CheckpointSpacing == 0) m_checkpoints.push_back(start);
  }
}

CIdxItem CTovikIdxFile::ItemOfLine(std::size_t start, std::size_t end) const {
  return CIdxItem(WithoutLineEnd(std::string_view(m_bytes.get() + start, end - start)));
}
