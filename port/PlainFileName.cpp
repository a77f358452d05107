#include "port/PlainFileName.h"

#include "port/Mbcs.h"

namespace {

bool HasControlCharacter(const std::string& name) {
  for (const char byte : name) {
    const unsigned char code = static_cast<unsigned char>(byte);
    if (code < 0x20 || code == 0x7F) return true;
  }
  return false;
}

// "CON", "nul.txt", "COM1.tree" and their like open devices, not files; so do "COM1 .tree" and
// "nul  .x": the system drops the blanks before the extension.
bool IsDeviceName(const std::string& name) {
  std::string stem = name.substr(0, port::FindDelimiter(name, "."));
  stem = port::FoldAsciiCase(stem.substr(0, port::LengthWithoutTrailing(stem, " ")));
  if (stem == "con" || stem == "prn" || stem == "aux" || stem == "nul") return true;
  return stem.size() == 4 && (stem.compare(0, 3, "com") == 0 || stem.compare(0, 3, "lpt") == 0) &&
         stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || HasControlCharacter(name)) return false;
  if (port::FindDelimiter(name, "\\/:") != std::string::npos) return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  return !IsDeviceName(name);
}
