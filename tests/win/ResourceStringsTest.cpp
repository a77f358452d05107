// The string tables: the same strings in English and Japanese, each Japanese text real Japanese with the
// English text's inserts and accelerators, in the resources linked here and in the built DLL.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "tests/testhost/LanguageResources.h"
#include "tests/win/ResourceModuleTest.h"

namespace {

// Every string of the table in one language, by id: the blocks of 16 the module holds in any language.
BOOL CALLBACK NoteBlock(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR blocks) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<UINT>*>(blocks)->push_back(LOWORD(name));
  return TRUE;
}

std::map<UINT, std::wstring> StringsOf(HMODULE module, LANGID language) {
  std::vector<UINT> blocks;
  EnumResourceNamesW(module, kStringResource, NoteBlock, reinterpret_cast<LONG_PTR>(&blocks));
  std::map<UINT, std::wstring> strings;
  for (UINT block : blocks) {
    for (UINT id = (block - 1) * 16; id < block * 16; ++id) {
      std::wstring text;
      if (FindStringInLanguage(module, id, language, text)) strings[id] = text;
    }
  }
  return strings;
}

// What goes wrong when UTF-8 or Shift-JIS bytes are read in the wrong code page: Latin-1 letters,
// half-width katakana, replacement characters.
bool LooksLikeMojibake(wchar_t c) {
  return (c >= 0x80 && c <= 0xFF) || (c >= 0xFF61 && c <= 0xFF9F) || c == 0xFFFD;
}

// The plug-in handles text in the ANSI code page: on a Japanese system every character must survive it.
bool FitsCodePage932(const std::wstring& text) {
  BOOL lost = FALSE;
  const int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, &lost);
  return length > 0 && !lost;
}

int Count(const std::wstring& text, const std::wstring& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

using StringTable = ResourceModuleTest;

TEST_P(StringTable, BothLanguagesHoldTheSameStrings) {
  const std::map<UINT, std::wstring> english = StringsOf(module, kEnglish), japanese = StringsOf(module, kJapanese);
  std::vector<UINT> englishIds, japaneseIds;
  for (const auto& string : english) englishIds.push_back(string.first);
  for (const auto& string : japanese) japaneseIds.push_back(string.first);
  EXPECT_EQ(japaneseIds, englishIds);
  EXPECT_EQ(englishIds.size(), 125u) << "every text the plug-in shows";
}

TEST_P(StringTable, JapaneseTextsAreRealJapaneseWithTheSameInsertsAndAccelerators) {
  for (const auto& string : StringsOf(module, kEnglish)) {
    const UINT id = string.first;
    const std::wstring& english = string.second;
    std::wstring japanese;
    ASSERT_TRUE(FindStringInLanguage(module, id, kJapanese, japanese)) << "string " << id;
    const std::string shown = Narrow(japanese);
    EXPECT_NE(japanese, english) << "string " << id << " is not translated";
    for (wchar_t c : japanese) EXPECT_FALSE(LooksLikeMojibake(c)) << "string " << id << ": " << shown;
    EXPECT_TRUE(HasJapanese(japanese)) << "string " << id << ": " << shown;
    EXPECT_TRUE(FitsCodePage932(japanese)) << "string " << id << ": " << shown;
    // Formatting inserts and menu accelerators carry meaning for the code that uses the text.
    for (const wchar_t* marker : {L"%1", L"%2", L"(& )"}) {
      EXPECT_EQ(Count(japanese, marker), Count(english, marker)) << "string " << id << ", " << Narrow(marker) << ": " << shown;
    }
    EXPECT_EQ(japanese.find(L'&') != std::wstring::npos, english.find(L'&') != std::wstring::npos)
        << "string " << id << ": " << shown;
  }
}

INSTANTIATE_TEST_SUITE_P(LinkedAndDll, StringTable, ResourceModuleTest::Modules());

}  // namespace
