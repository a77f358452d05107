#include "sim/ScriptText.h"

#include <cstdlib>

bool SplitScriptWords(const std::string& line, const std::string& dataVariable, std::vector<std::string>& words,
                      std::string& error) {
  words.clear();
  size_t at = 0;
  while (at < line.size()) {
    if (line[at] == ' ' || line[at] == '\t' || line[at] == '\r') {
      ++at;
      continue;
    }
    std::string word;
    if (line[at] == '"') {
      const size_t end = line.find('"', at + 1);
      if (end == std::string::npos) {
        error = "a quoted word has no closing quote";
        return false;
      }
      word = line.substr(at + 1, end - at - 1);
      at = end + 1;
    } else {
      const size_t end = line.find_first_of(" \t\r", at);
      word = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
      at = end == std::string::npos ? line.size() : end;
    }
    for (size_t variable = word.find("$DATA"); variable != std::string::npos; variable = word.find("$DATA")) {
      word.replace(variable, 5, dataVariable);
    }
    words.push_back(word);
  }
  return true;
}

bool MatchesPattern(const std::string& text, const std::string& pattern) {
  // Iterative glob match that backs up to the last "*" on a mismatch.
  size_t t = 0, p = 0, starAt = std::string::npos, starText = 0;
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
      ++t;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      starText = t;
    } else if (starAt != std::string::npos) {
      p = starAt + 1;
      t = ++starText;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::string WithoutAccelerators(const std::string& text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

bool ParseNumber(const std::string& text, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = static_cast<int>(std::strtol(text.c_str(), &end, 10));
  return *end == '\0';
}

bool ParseKeyCombination(const std::string& text, int& keyCode, int& shiftCode) {
  static const struct {
    const char* Name;
    int Key;
  } named[] = {{"Enter", 0x0D},  {"Escape", 0x1B}, {"Esc", 0x1B},    {"Space", 0x20},    {"Tab", 0x09},
               {"Backspace", 0x08}, {"Delete", 0x2E}, {"Insert", 0x2D}, {"Home", 0x24},     {"End", 0x23},
               {"PageUp", 0x21},  {"PageDown", 0x22}, {"Left", 0x25},  {"Up", 0x26},       {"Right", 0x27},
               {"Down", 0x28}};
  bool control = false, shift = false, alt = false;
  std::string rest = text;
  for (size_t plus = rest.find('+'); plus != std::string::npos && plus + 1 < rest.size(); plus = rest.find('+')) {
    const std::string modifier = rest.substr(0, plus);
    if (modifier == "Ctrl") {
      control = true;
    } else if (modifier == "Shift") {
      shift = true;
    } else if (modifier == "Alt") {
      alt = true;
    } else {
      return false;
    }
    rest = rest.substr(plus + 1);
  }
  keyCode = 0;
  int function = 0;
  if (rest.size() == 1 && ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= '0' && rest[0] <= '9'))) {
    keyCode = rest[0];
  } else if (rest.size() == 1 && rest[0] >= 'a' && rest[0] <= 'z') {
    keyCode = rest[0] - 'a' + 'A';
  } else if (rest.size() > 1 && rest[0] == 'F' && ParseNumber(rest.substr(1), function) && function >= 1 &&
             function <= 24) {
    keyCode = 0x70 + function - 1;
  } else if (!ParseNumber(rest, keyCode)) {
    for (const auto& entry : named) {
      if (rest == entry.Name) keyCode = entry.Key;
    }
  }
  shiftCode = alt ? 254 : (control ? 32 : 0) + (shift ? 64 : 0);
  return keyCode > 0 && keyCode < 256;
}
