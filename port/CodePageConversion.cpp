#include "port/CodePageConversion.h"

#ifdef _WIN32
#include <windows.h>

#include <climits>

namespace port {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 units are wchar_t on Windows");

// Texts beyond the int lengths of the API are no text a settings file line can hold; they give none.
std::u16string ToWide(UINT codePage, const std::string& text) {
  if (text.empty() || text.size() > INT_MAX) return std::u16string();
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (size <= 0) return std::u16string();
  std::u16string wide(static_cast<std::size_t>(size), u'\0');
  MultiByteToWideChar(codePage, 0, text.data(), length, reinterpret_cast<wchar_t*>(&wide[0]), size);
  return wide;
}

std::string FromWide(UINT codePage, const std::u16string& text) {
  if (text.empty() || text.size() > INT_MAX) return std::string();
  const wchar_t* units = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(codePage, 0, units, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, units, length, &bytes[0], size, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::u16string AnsiToWide(const std::string& text) { return ToWide(CP_ACP, text); }
std::string WideToAnsi(const std::u16string& text) { return FromWide(CP_ACP, text); }
std::u16string Utf8ToWide(const std::string& text) { return ToWide(CP_UTF8, text); }
std::string WideToUtf8(const std::u16string& text) { return FromWide(CP_UTF8, text); }

}  // namespace port

#else
#include <iconv.h>

#include <cerrno>

#include "port/Mbcs.h"

namespace port {
namespace {

// One iconv conversion, UTF-16 LE on one side.
class CConverter {
 public:
  CConverter(const std::string& to, const std::string& from) : m_handle(iconv_open(to.c_str(), from.c_str())) {}
  ~CConverter() {
    if (m_handle != Invalid()) iconv_close(m_handle);
  }
  CConverter(const CConverter&) = delete;
  CConverter& operator=(const CConverter&) = delete;

  // Converts from `at` on, appending to `out`; false with `at` on the first sequence it cannot take.
  bool Convert(const std::string& in, std::size_t& at, std::string& out) {
    if (m_handle == Invalid()) return at == in.size();
    char* next = const_cast<char*>(in.data()) + at;
    std::size_t left = in.size() - at;
    bool converted = true;
    while (converted && left > 0) {
      char buffer[512];
      char* end = buffer;
      std::size_t room = sizeof buffer;
      converted = iconv(m_handle, &next, &left, &end, &room) != static_cast<std::size_t>(-1) || errno == E2BIG;
      out.append(buffer, static_cast<std::size_t>(end - buffer));
    }
    at = in.size() - left;
    return converted;
  }

 private:
  static iconv_t Invalid() { return reinterpret_cast<iconv_t>(-1); }
  iconv_t m_handle;
};

std::string AnsiCharset() {
  const int page = GetMultiByteCodePage();
  return "CP" + std::to_string(page == 0 ? 1252 : page);
}

void AppendUnit(std::string& bytes, unsigned unit) {
  bytes += static_cast<char>(unit & 0xFF);
  bytes += static_cast<char>(unit >> 8);
}

std::string ToLittleEndian(const std::u16string& text) {
  std::string bytes;
  for (const char16_t unit : text) AppendUnit(bytes, unit);
  return bytes;
}

std::u16string FromLittleEndian(const std::string& bytes) {
  std::u16string text;
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const unsigned low = static_cast<unsigned char>(bytes[at]);
    const unsigned high = static_cast<unsigned char>(bytes[at + 1]);
    text += static_cast<char16_t>(low | high << 8);
  }
  return text;
}

void AppendCodePoint(std::u16string& text, char32_t code) {
  if (code < 0x10000) {
    text += static_cast<char16_t>(code);
  } else {
    text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
    text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
  }
}

// What a UTF-8 lead byte says of its sequence (Unicode's table of well-formed sequences): its length
// (0 when the byte leads none), its data bits, and the range of the byte after it.
struct SequenceStart {
  std::size_t Length;
  char32_t Bits;
  unsigned Low, High;
};

SequenceStart StartOf(unsigned lead) {
  if (lead < 0x80) return {1, lead, 0, 0};
  if (lead >= 0xC2 && lead <= 0xDF) return {2, lead & 0x1F, 0x80, 0xBF};
  if (lead >= 0xE0 && lead <= 0xEF) return {3, lead & 0x0F, lead == 0xE0 ? 0xA0u : 0x80u, lead == 0xED ? 0x9Fu : 0xBFu};
  if (lead >= 0xF0 && lead <= 0xF4) return {4, lead & 0x07, lead == 0xF0 ? 0x90u : 0x80u, lead == 0xF4 ? 0x8Fu : 0xBFu};
  return {0, 0, 0, 0};
}

}  // namespace

std::u16string AnsiToWide(const std::string& text) {
  CConverter converter("UTF-16LE", AnsiCharset());
  std::string units;
  for (std::size_t at = 0; !converter.Convert(text, at, units);) {
    // As Windows: a lead byte takes its next byte (not a zero) along into U+30FB; a single byte the
    // page lacks is the character of its value.
    const unsigned char byte = static_cast<unsigned char>(text[at]);
    const bool pair = IsLeadByte(byte) && at + 1 < text.size() && text[at + 1] != '\0';
    AppendUnit(units, IsLeadByte(byte) ? 0x30FB : byte);
    at += pair ? 2 : 1;
  }
  return FromLittleEndian(units);
}

std::string WideToAnsi(const std::u16string& text) {
  CConverter converter(AnsiCharset(), "UTF-16LE");
  const std::string units = ToLittleEndian(text);
  std::string ansi;
  for (std::size_t at = 0; !converter.Convert(units, at, ansi); at += 2) ansi += '?';
  return ansi;
}

std::u16string Utf8ToWide(const std::string& text) {
  std::u16string wide;
  for (std::size_t at = 0; at < text.size();) {
    const SequenceStart start = StartOf(static_cast<unsigned char>(text[at]));
    char32_t code = start.Bits;
    std::size_t taken = 1;
    for (; taken < start.Length && at + taken < text.size(); ++taken) {
      const unsigned next = static_cast<unsigned char>(text[at + taken]);
      if (next < (taken == 1 ? start.Low : 0x80) || next > (taken == 1 ? start.High : 0xBF)) break;
      code = code << 6 | (next & 0x3F);
    }
    at += taken;
    // The longest valid start of a sequence, or a byte that starts none, is one U+FFFD.
    AppendCodePoint(wide, taken == start.Length ? code : 0xFFFD);
  }
  return wide;
}

std::string WideToUtf8(const std::u16string& text) {
  std::string bytes;
  for (std::size_t at = 0; at < text.size(); ++at) {
    char32_t code = text[at];
    const bool pair = code >= 0xD800 && code <= 0xDBFF && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
                      text[at + 1] <= 0xDFFF;
    if (pair) code = 0x10000 + ((code - 0xD800) << 10) + (text[++at] - 0xDC00);
    if (code >= 0xD800 && code <= 0xDFFF) code = 0xFFFD;
    if (code < 0x80) {
      bytes += static_cast<char>(code);
      continue;
    }
    static const unsigned leadBits[] = {0, 0xC0, 0xE0, 0xF0};
    const int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    bytes += static_cast<char>(leadBits[extra] | (code >> (6 * extra)));
    for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6) {
      bytes += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
    }
  }
  return bytes;
}

}  // namespace port

#endif
