// CTovikIdxFile::Find over any file, any field and any value, checked against a plain reading of
// the same file: every line split whole, front to back, as the host's format is written down.
// Input: code page byte, field byte, start byte, value length byte, the value, then the file.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/hostlink/CLongLoop.h"
#include "core/mail/CTovikIdxFile.h"
#include "core/mail/MailHeaders.h"
#include "fuzz/FuzzInput.h"
#include "port/Mbcs.h"

namespace {

class CQuietLoop : public CLongLoop {
 protected:
  void PumpPaintMessages() override {}
  bool IsEscapePressed() override { return false; }
};

// The 17 fields of a line, walking it from the front; trailing CR and LF characters dropped first.
std::vector<std::string> Fields(std::string line) {
  line.resize(port::LengthWithoutTrailing(line, "\r\n"));
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < line.size() && fields.size() <= 17; ++i) {
    if (port::IsLeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size()) {
      fields.back() += line.substr(i++, 2);
    } else if (line[i] == '\x01') {
      fields.emplace_back();
    } else {
      fields.back() += line[i];
    }
  }
  fields.resize(17);
  return fields;
}

bool IsHex(const std::string& text) { return text.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos; }

bool IsHexField(int field) { return field <= 2 || (field >= 8 && field <= 11) || field == 14; }

// strtoul(text, 16) of 32 bits: more than eight digits after the leading zeros read as 0xFFFFFFFF.
unsigned long long Hex(const std::string& text) {
  const std::size_t digits = text.find_first_not_of('0');
  if (digits == std::string::npos) return 0;
  return text.size() - digits > 8 ? 0xFFFFFFFFull : std::strtoull(text.c_str() + digits, nullptr, 16);
}

std::vector<std::string> Lines(const std::string& file) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < file.size();) {
    const std::size_t end = std::min(file.find('\n', start), file.size());
    lines.push_back(file.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

int ReferenceFind(const std::string& file, std::uint32_t& position, int field, const std::string& value) {
  const std::vector<std::string> lines = Lines(file);
  if (lines.empty() || lines[0].compare(0, 2, "2.") != 0) return IdxUnreadable;
  if (position != 0 && position >= lines.size() - 1) return IdxNoStart;
  if (field > 16) return IdxNotFound;
  const bool hex = IsHexField(field);
  const unsigned long long number = IsHex(value) ? Hex(value) : static_cast<std::uint32_t>(ParseMailDate(value));
  for (std::size_t entry = position + 1; entry < lines.size(); ++entry) {
    const std::string text = Fields(lines[entry])[field];
    if (hex ? IsHex(text) && Hex(text) == number : text == value) {
      position = static_cast<std::uint32_t>(entry - 1);
      return IdxFound;
    }
  }
  // A file that ends inside a line may be one being written: what it lacks may be in it later.
  return file.back() == '\n' ? IdxNotFound : IdxUnreadable;
}

void Check(CTovikIdxFile& index, const std::string& file, std::uint32_t start, int field, const std::string& value) {
  CQuietLoop loop;
  std::uint32_t position = start, expected = start;
  const int result = index.Find(position, field, value, loop);
  if (result != ReferenceFind(file, expected, field, value) || position != expected) std::abort();
  if (result == IdxFound && !IsHexField(field) && std::string(index.GetEntry(position).GetField(field)) != value) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input = TakeCodePageAndText(data, size);
  if (input.size() < 3) return 0;
  const int field = static_cast<unsigned char>(input[0]) % 19;
  const std::uint32_t start = static_cast<unsigned char>(input[1]) % 8;
  const std::size_t valueSize = std::min<std::size_t>(static_cast<unsigned char>(input[2]) % 32, input.size() - 3);
  const std::string value = input.substr(3, valueSize), file = input.substr(3 + valueSize);

  static const std::string path = "/tmp/raz_idx_fuzz_" + std::to_string(getpid()) + ".idx";
  FILE* written = std::fopen(path.c_str(), "wb");
  if (written == nullptr) return 0;
  std::fwrite(file.data(), 1, file.size(), written);
  std::fclose(written);

  CTovikIdxFile index(path);
  if (!index.Open()) std::abort();
  Check(index, file, start, field, value);
  // Again on the same object, after a reopen: from the cache, in another order.
  if (!index.Open()) std::abort();
  Check(index, file, 0, 3, value);
  Check(index, file, start / 2, field, value);
  index.Close();
  // Every field of every entry, from what is cached.
  const std::vector<std::string> lines = Lines(file);
  for (std::uint32_t entry = 0; entry + 1 < lines.size() && entry < 64; ++entry) {
    const std::vector<std::string> fields = Fields(lines[entry + 1]);
    const CIdxItem item = index.GetEntry(entry);
    for (int n = 0; n < 17; ++n) {
      if (std::string(item.GetField(n)) != fields[n]) std::abort();
    }
  }
  return 0;
}
