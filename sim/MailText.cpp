#include "sim/MailText.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

bool StartsWithHeaderName(const std::string& text, size_t lineStart, const std::string& name) {
  return text.size() > lineStart + name.size() && text[lineStart + name.size()] == ':' &&
         CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, text.data() + lineStart, static_cast<int>(name.size()),
                        name.data(), static_cast<int>(name.size())) == CSTR_EQUAL;
}

size_t LineEnd(const std::string& text, size_t from) {
  const size_t end = text.find('\n', from);
  return end == std::string::npos ? text.size() : end;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::string FindHeader(const std::string& mailText, const std::string& name) {
  if (name.empty()) return std::string();
  size_t lineStart = 0;
  while (lineStart < mailText.size()) {
    const size_t end = LineEnd(mailText, lineStart);
    if (end == lineStart || (end == lineStart + 1 && mailText[lineStart] == '\r')) break;  // end of headers
    if (StartsWithHeaderName(mailText, lineStart, name)) {
      std::string value = Trimmed(mailText.substr(lineStart + name.size() + 1, end - lineStart - name.size() - 1));
      for (size_t next = end + 1; next < mailText.size() && (mailText[next] == ' ' || mailText[next] == '\t');) {
        const size_t continuationEnd = LineEnd(mailText, next);
        value += ' ' + Trimmed(mailText.substr(next, continuationEnd - next));
        next = continuationEnd + 1;
      }
      return value;
    }
    lineStart = end + 1;
  }
  return std::string();
}

std::string FoldedHeader(const std::string& value) {
  const size_t lineLength = 16;
  std::string folded;
  size_t lineStart = 0;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == ' ' && folded.size() - lineStart >= lineLength) {
      folded += "\r\n";
      lineStart = folded.size();
    }
    folded += value[i];
    // The trail byte of a double-byte character is never a blank to fold at.
    if (IsDBCSLeadByte(static_cast<BYTE>(value[i])) && i + 1 < value.size()) folded += value[++i];
  }
  return folded;
}

namespace {

std::string Base64(const std::string& bytes) {
  static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 2]);
    for (size_t digit = 0; digit < 4; ++digit) {
      text += i + digit <= bytes.size() ? digits[(group >> (18 - 6 * digit)) & 63] : '=';
    }
  }
  return text;
}

}  // namespace

std::string EncodedHeader(const std::string& name, const std::string& value) {
  if ((name != "Subject" && name != "From") ||
      std::none_of(value.begin(), value.end(), [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; })) {
    return value;
  }
  size_t end = name == "From" ? value.find(" <") : std::string::npos;
  if (end == std::string::npos) end = value.size();
  std::string phrase = value.substr(0, end);
  if (phrase.size() >= 2 && phrase.front() == '"' && phrase.back() == '"') phrase = phrase.substr(1, phrase.size() - 2);
  return "=?Shift_JIS?B?" + Base64(phrase) + "?=" + value.substr(end);
}

int CodePageOfCharSet(const std::string& charSet) {
  static const struct {
    const char* Name;
    int CodePage;
  } known[] = {{"us-ascii", 20127}, {"iso-8859-1", 28591}, {"shift_jis", 932},
               {"iso-2022-jp", 50220}, {"euc-jp", 51932}, {"utf-8", 65001}};
  for (const auto& entry : known) {
    if (lstrcmpiA(entry.Name, charSet.c_str()) == 0) return entry.CodePage;
  }
  return -1;
}

std::string FormatMailDate(unsigned utcSeconds, int zoneMinutes) {
  static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  // The runtime cannot show times before 1970; such a local reading is shown in UTC instead.
  if (static_cast<long long>(utcSeconds) + zoneMinutes * 60LL < 0) zoneMinutes = 0;
  const time_t local = static_cast<time_t>(utcSeconds) + zoneMinutes * 60;
  struct tm parts;
  if (gmtime_s(&parts, &local) != 0) return std::string();
  const int offset = zoneMinutes < 0 ? -zoneMinutes : zoneMinutes;
  char text[64];
  std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d %c%02d%02d", days[parts.tm_wday], parts.tm_mday,
                months[parts.tm_mon], parts.tm_year + 1900, parts.tm_hour, parts.tm_min, parts.tm_sec,
                zoneMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
  return text;
}
