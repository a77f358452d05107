// The string tables: every text in English as the plug-in must show it, and a real Japanese text for each,
// in the resources linked here and in the built DLL.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/testhost/LanguageResources.h"
#include "tests/win/ResourceModuleTest.h"

namespace {

struct ExpectedString {
  UINT id;
  const wchar_t* english;
};

// Every user-facing text of the plug-in, exactly as it must read in English (odd spellings included).
const ExpectedString kStrings[] = {
    {57600, L"Registering favorite items(%1/%2)..."},
    {57602, L"&Register as favorite item"},
    {57603, L"Register this mail as favorite item"},
    {57604, L"&Delete from favorite item list"},
    {57605, L"Register this folder as favorite item"},
    {57607, L"Too many items in favorite list."},
    {57608, L"Cannot register."},
    {57609, L"Cannot register %1 mail(s)."},
    {57610, L"Cannot register mails at all."},
    {57611, L"Is it a mail that you are searching?"},
    {57614, L"Now searching..."},
    {57615, L"Popup favorites menu"},
    {57616, L"Popup &favorites menu..."},
    {57618, L"Restoreing folder tree state..."},
    {57619, L"Register this folder tree state as favorite item"},
    {57620, L"&Register this folder tree state as favorite item"},
    {57621, L"Saving tree state..."},
    {57622, L"(None)"},
    {57623, L"(None)"},
    {57624, L"(None)"},
    {57625, L"Canceled"},
    {57626, L"Failed"},
    {57627, L"&Setup..."},
    {57628, L"Set current folder after cancel of restoreing folder tree state"},
    {57629, L"Fail to restore folder tree state"},
    {57630, L"May I delete all mail history?"},
    {57631, L"You delete this folder from favorite item list."},
    {57632, L"You delete this mail from favorite item list."},
    {57633, L"You delete this mails from favorite item list."},
    {57634, L"Deleting favorite items(%1/%2)..."},
    {57635, L"Delete this mail from favorite item list."},
    {57637, L"Delete selected mails from favorite item list."},
    {57638, L"Delete this folder from favorite item list."},
    {57641, L"Register selected mails as favorite item."},
    {57642, L"Cannot register. Already registered."},
    {57700, L"Folder path"},
    {57701, L"Folder name"},
    {57702, L"Folder name + Parent folder path"},
    {57703, L"(None)"},
    {57704, L"Comprehensive menu"},
    {57705, L"Folder menu"},
    {57706, L"Mail menu"},
    {57707, L"Folder tree menu"},
    {57708, L"Setup RaZudazoved"},
    {57709, L"Mail history"},
    {57710, L"Window state menu"},
    {57800, L"Unusable key."},
    {57802, L"Cannot find the mail.\nDo you delete it from your favorite list?"},
    {57803, L"Cannot find the folder.\nDo you delete it from your favorite list?"},
    {57804, L"Last time, it is failing to the jump.\nDoes it try to search a current folder?\n\n\"No\" is a usual jump."},
    {57808, L"Cannot set the folder to current.\nIs the mail in the current folder?"},
    {57809, L"Bad depth value."},
    {57810, L"Fail to write the folder tree state file."},
    {57811, L"Bad number of history."},
    {57812, L"Bad number of mail title length"},
    {57813, L"Input title."},
    {57900, L"Title"},
    {57901, L"Subject"},
    {57902, L"From"},
    {57903, L"Date"},
    {57904, L"Folder"},
    {57905, L"Mail"},
    {57906, L"Folder tree"},
    {57907, L"File name"},
    {57908, L"Message ID"},
    {57909, L"Window state"},
    {58000, L"Read"},
    {58001, L"Unread"},
    {58002, L"Forwarded"},
    {58003, L"Not forwarded"},
    {58004, L"Replied"},
    {58005, L"Not replied"},
    {58006, L"Attachment"},
    {58007, L"No attachment"},
    {58008, L"Partial"},
    {58010, L"Redirect"},
    {58100, L"Folder ID"},
    {58101, L"Mail ID"},
    {58102, L"Subject"},
    {58103, L"From"},
    {58104, L"Date"},
    {58105, L"Message-Id"},
    {58106, L"Folder display name"},
    {58107, L"Mail status"},
    {58108, L"CharSet"},
    {58109, L"CodePage"},
    {58110, L"Tree ID"},
    {58111, L"Folder tree ID"},
    {58112, L"Tree state file name"},
    {58116, L"(indistinct)"},
    {58117, L"Name of tree item to restore"},
    {58118, L"Information about restoreing"},
    {58119, L"&Unknown folder:"},
    {58120, L"(Do Nothing)"},
    {58121, L"Close"},
    {58122, L"Open"},
    {58123, L"Window rect"},
    {58124, L"Maximized"},
    {58125, L"Minimized"},
    {58200, L"Edit favorite folder items(& )..."},
    {58201, L"Edit favorite mail items(& )..."},
    {58202, L"Register this folder as favorite item(& )"},
    {58203, L"Register this mail as favorite item(& )"},
    {58204, L"Favorite &Folders"},
    {58205, L"Favorite &Mails"},
    {58206, L"Register this folder tree state(& )"},
    {58207, L"Restore a folder tree state(& )"},
    {58208, L"Edit favorite folder tree state items(& )..."},
    {58209, L"Register this folder tree state as favorite item(& )..."},
    {58210, L"Favorite folder &trees"},
    {58211, L"Mail &History"},
    {58212, L"Clear mail history(&C)..."},
    {58213, L"&All favorite mails"},
    {58214, L"Delete this folder from favorite item(& )"},
    {58215, L"Delete this mail from favorite item(& )"},
    {58216, L"Edit favorite window state items(& )..."},
    {58217, L"Register this window state as favorite item(& )"},
    {58218, L"Favorite &window state"},
    {58240, L"Find a favorite item"},
    {58241, L"F&ind favorite item..."},
    {58242, L"Leads to"},
};

constexpr UINT kFirstStringId = 57600;
constexpr UINT kLastStringId = 58242;

std::string Narrow(const std::wstring& text) {
  std::string result;
  for (wchar_t c : text) {
    if (c >= 0x20 && c < 0x7F) {
      result += static_cast<char>(c);
    } else {
      char escaped[8];
      wsprintfA(escaped, "\\u%04X", static_cast<unsigned>(c));
      result += escaped;
    }
  }
  return result;
}

bool IsKanaOrKanji(wchar_t c) {
  return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF);
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

TEST_P(StringTable, EnglishTextsReadExactlyAsTheyMust) {
  for (const auto& expected : kStrings) {
    std::wstring text;
    ASSERT_TRUE(FindStringInLanguage(module, expected.id, kEnglish, text)) << "string " << expected.id;
    EXPECT_EQ(Narrow(text), Narrow(expected.english)) << "string " << expected.id;
  }
}

TEST_P(StringTable, JapaneseTextsAreRealJapaneseWithTheSameInsertsAndAccelerators) {
  for (const auto& expected : kStrings) {
    const std::wstring english = expected.english;
    std::wstring japanese;
    ASSERT_TRUE(FindStringInLanguage(module, expected.id, kJapanese, japanese)) << "string " << expected.id;
    const std::string shown = Narrow(japanese);
    EXPECT_NE(japanese, english) << "string " << expected.id << " is not translated";
    bool hasJapanese = false;
    for (wchar_t c : japanese) {
      hasJapanese = hasJapanese || IsKanaOrKanji(c);
      EXPECT_FALSE(LooksLikeMojibake(c)) << "string " << expected.id << ": " << shown;
    }
    EXPECT_TRUE(hasJapanese) << "string " << expected.id << ": " << shown;
    EXPECT_TRUE(FitsCodePage932(japanese)) << "string " << expected.id << ": " << shown;
    // Formatting inserts and menu accelerators carry meaning for the code that uses the text.
    for (const wchar_t* marker : {L"%1", L"%2", L"(& )"}) {
      EXPECT_EQ(Count(japanese, marker), Count(english, marker))
          << "string " << expected.id << ", " << Narrow(marker) << ": " << shown;
    }
    EXPECT_EQ(japanese.find(L'&') != std::wstring::npos, english.find(L'&') != std::wstring::npos)
        << "string " << expected.id << ": " << shown;
  }
}

TEST_P(StringTable, HoldsNoStringBeyondTheKnownOnes) {
  std::vector<bool> known(kLastStringId - kFirstStringId + 1);
  for (const auto& expected : kStrings) known[expected.id - kFirstStringId] = true;
  for (LANGID language : {kEnglish, kJapanese}) {
    for (UINT id = kFirstStringId & ~15u; id <= (kLastStringId | 15u); ++id) {
      std::wstring text;
      const bool isKnown = id >= kFirstStringId && id <= kLastStringId && known[id - kFirstStringId];
      EXPECT_EQ(FindStringInLanguage(module, id, language, text), isKnown)
          << "string " << id << " in language " << std::hex << language;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(LinkedAndDll, StringTable, ResourceModuleTest::Modules());

}  // namespace
