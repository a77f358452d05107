#include "sim/FolderIndex.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <windows.h>

const char* const FolderIndexFileName = "Folder.idx";
const char* const FolderMailFileName = "Folder.mbx";

namespace {

const char FieldSeparator = '\x01';
const int FieldCount = 17;

std::string Hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "%X", value);
  return text;
}

bool ParseHex(const std::string& text, unsigned& value) {
  if (text.empty() || text.size() > 8) return false;
  char* end = nullptr;
  value = static_cast<unsigned>(std::strtoul(text.c_str(), &end, 16));
  return *end == '\0';
}

// The host writes only its own texts, which never hold the separator; split at every 0x01 byte
// (no double-byte character of code page 932 uses it).
std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == FieldSeparator) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::string WithoutLineEnd(std::string line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return line;
}

}  // namespace

std::string FormatIndexLine(const SimMail& mail) {
  const std::string fields[FieldCount] = {
      Hex(mail.Offset), Hex(mail.Number), Hex(mail.Size), mail.Subject, mail.From, mail.To,
      mail.MessageId,   "",               Hex(mail.Date), Hex(mail.Status), Hex(mail.Date), "0",
      mail.CharSet,     "",               "3",            "",           ""};
  std::string line = fields[0];
  for (int i = 1; i < FieldCount; ++i) line += FieldSeparator + fields[i];
  return line;
}

bool ParseIndexLine(const std::string& line, SimMail& mail) {
  const std::vector<std::string> fields = SplitFields(line);
  if (fields.size() < FieldCount) return false;
  mail.Subject = fields[3];
  mail.From = fields[4];
  mail.To = fields[5];
  mail.MessageId = fields[6];
  mail.CharSet = fields[12];
  return ParseHex(fields[0], mail.Offset) && ParseHex(fields[1], mail.Number) && ParseHex(fields[2], mail.Size) &&
         ParseHex(fields[8], mail.Date) && ParseHex(fields[9], mail.Status);
}

bool ReadFolderIndex(const std::string& path, SimFolder& folder) {
  std::ifstream file(path, std::ios::binary);
  std::string line;
  if (!std::getline(file, line) || line.compare(0, 2, "2.") != 0) return false;
  const std::vector<std::string> header = SplitFields(WithoutLineEnd(line));
  unsigned next = 1;
  if (header.size() > 1 && ParseHex(header[1], next)) folder.NextNumber = next;
  SimMail mail;
  while (std::getline(file, line)) {
    if (!ParseIndexLine(WithoutLineEnd(line), mail)) continue;  // not an entry the host wrote
    folder.Mails.push_back(mail);
    if (mail.Number >= folder.NextNumber) folder.NextNumber = mail.Number + 1;
  }
  return true;
}

bool WriteFolderIndex(const std::string& path, const SimFolder& folder, const char* version) {
  const std::string temporary = path + ".new";
  FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = std::fprintf(file, "%s%c%X\r\n", version, FieldSeparator, folder.NextNumber) > 0;
  for (const SimMail& mail : folder.Mails) {
    written = written && std::fprintf(file, "%s\r\n", FormatIndexLine(mail).c_str()) > 0;
  }
  written = (std::fclose(file) == 0) && written;
  // Replace the index only once the new one is complete, so a failed write loses nothing.
  return written && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}
