#pragma once
// Files whose reading is easy to get wrong, with what GetPrivateProfileStringA (default "dflt",
// 1024-byte buffer) and GetPrivateProfileIntA (default 77) give for one key of each. Natively our
// reader is held to these answers; under Wine the real functions are held to them as well, so the
// two can only agree.
#include <string>
#include <vector>

namespace favorites_test {

struct IniReadingCase {
  const char* What;
  std::string File;
  const char* Section;
  const char* Key;
  std::string Text;  // string read
  int Number;        // integer read
};

inline std::vector<IniReadingCase> IniReadingCases() {
  const std::string longValue(1500, 'x');
  const std::string quoted1022 = "\"" + std::string(1022, 'q') + "\"";
  const std::string quoted1023 = "\"" + std::string(1023, 'q') + "\"";
  return {
      {"plain value", "[S]\r\nk=v\r\n", "S", "k", "v", 0},
      {"names compare without case", "[sEcT]\r\nKeY=12\r\n", "SECT", "key", "12", 12},
      {"first of two keys wins", "[S]\r\na=1\r\nA=2\r\n", "S", "a", "1", 1},
      {"first of two sections wins", "[S]\r\na=1\r\n[s]\r\na=2\r\n", "S", "a", "1", 1},
      {"a repeated section is not searched", "[S]\r\na=1\r\n[S]\r\nb=2\r\n", "S", "b", "dflt", 77},
      {"blanks and tabs around name and value", "[S]\r\n \t a \t= \t x y \t \r\n", "S", "a", "x y", 0},
      {"blanks around the header", "  [S]  \r\na=3\r\n", "S", "a", "3", 3},
      {"blanks inside the header are trimmed", "[ S ]\r\na=3\r\n", "S", "a", "3", 3},
      {"text after the header's bracket", "[S] note\r\na=4\r\n", "S", "a", "4", 4},
      {"last bracket ends the name", "[a]b]\r\nk=5\r\n", "a]b", "k", "5", 5},
      {"header without bracket is no section", "[S\r\na=1\r\n", "S", "a", "dflt", 77},
      {"query names are trimmed", "[S]\r\na b=6\r\n", " S ", " a b ", "6", 6},
      {"double quotes removed", "[S]\r\na=\"q r\"\r\n", "S", "a", "q r", 0},
      {"single quotes removed", "[S]\r\na='7'\r\n", "S", "a", "7", 7},
      {"one pair only", "[S]\r\na=\"\"x\"\"\r\n", "S", "a", "\"x\"", 0},
      {"unmatched quotes stay", "[S]\r\na=\"x'\r\n", "S", "a", "\"x'", 0},
      {"lone quote stays", "[S]\r\na=\"\r\n", "S", "a", "\"", 0},
      {"empty quotes: empty text, default number", "[S]\r\na=\"\"\r\n", "S", "a", "", 77},
      {"empty value: empty text, default number", "[S]\r\na=\r\n", "S", "a", "", 77},
      {"inner quotes stay", "[S]\r\na=x\"y\"\r\n", "S", "a", "x\"y\"", 0},
      {"value holds =", "[S]\r\na=b=c\r\n", "S", "a", "b=c", 0},
      {"line without = hides a later key", "[S]\r\na\r\na=1\r\n", "S", "a", "dflt", 77},
      {"comment line is no value of its key", "[S]\r\n;a=1\r\na=2\r\n", "S", "a", "2", 2},
      {"keys before any section belong to none", "a=1\r\n[S]\r\nb=2\r\n", "S", "a", "dflt", 77},
      {"LF line ends", "[S]\na=1\nb=2\n", "S", "b", "2", 2},
      {"CR line ends", "[S]\ra=1\rb=2\r", "S", "b", "2", 2},
      {"no final line end", "[S]\r\na=8", "S", "a", "8", 8},
      {"blank lines anywhere", "\r\n\r\n[S]\r\n\r\n\r\na=9\r\n\r\n", "S", "a", "9", 9},
      {"control-Z trimmed", "[S]\r\na=v\x1A\r\n", "S", "a", "v", 0},
      {"only blanks", "[S]\r\na=   \r\n", "S", "a", "", 77},
      {"no-break space", "[S]\r\na=\xA0v\xA0\r\n", "S", "a", "\xA0v\xA0", 0},
      {"high bytes kept", "[S]\r\na=\xE9t\xE9\r\n", "S", "a", "\xE9t\xE9", 0},
      {"UTF-8 mark before the first section", "\xEF\xBB\xBF[S]\r\na=10\r\n", "S", "a", "10", 10},
      {"missing section", "[T]\r\na=1\r\n", "S", "a", "dflt", 77},
      {"missing key", "[S]\r\nb=1\r\n", "S", "a", "dflt", 77},
      {"string cut to 1023 bytes", "[S]\r\na=" + longValue + "\r\n", "S", "a", std::string(1023, 'x'), 0},
      {"quoted, fits", "[S]\r\na=" + quoted1022 + "\r\n", "S", "a", std::string(1022, 'q'), 0},
      {"quoted, one byte too long", "[S]\r\na=" + quoted1023 + "\r\n", "S", "a", std::string(1022, 'q'), 0},
      {"number before text", "[S]\r\na=12abc\r\n", "S", "a", "12abc", 12},
      {"negative", "[S]\r\na=-1\r\n", "S", "a", "-1", -1},
      {"plus sign", "[S]\r\na=+7\r\n", "S", "a", "+7", 7},
      {"leading zeros", "[S]\r\na=-0012\r\n", "S", "a", "-0012", -12},
      {"wraps at 32 bits", "[S]\r\na=4294967295\r\n", "S", "a", "4294967295", -1},
      {"wraps past 32 bits", "[S]\r\na=99999999999\r\n", "S", "a", "99999999999", 1215752191},
      {"hexadecimal prefix", "[S]\r\na=0x10\r\n", "S", "a", "0x10", 16},
      {"hexadecimal letters", "[S]\r\na=-0x1fG\r\n", "S", "a", "-0x1fG", -31},
      {"capital X", "[S]\r\na=0X10\r\n", "S", "a", "0X10", 0},
      {"octal prefix", "[S]\r\na=0o17\r\n", "S", "a", "0o17", 15},
      {"binary prefix", "[S]\r\na=0b1012\r\n", "S", "a", "0b1012", 5},
      {"prefix without digits", "[S]\r\na=0xg\r\n", "S", "a", "0xg", 0},
      {"blank after the sign", "[S]\r\na=- 5\r\n", "S", "a", "- 5", 0},
      {"blank inside quotes before the number", "[S]\r\na=\" 5\"\r\n", "S", "a", " 5", 5},
      {"number read through 30 bytes", "[S]\r\na=0000000000000000000000000000001\r\n", "S", "a",
       "0000000000000000000000000000001", 0},
      {"number just fitting 30 bytes", "[S]\r\na=00000000000000000000000000001\r\n", "S", "a",
       "00000000000000000000000000001", 1},
  };
}

}  // namespace favorites_test
