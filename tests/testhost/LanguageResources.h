// Reads the plug-in's string and dialog resources in a chosen language. LoadString and DialogBox follow
// the thread's language; the resource checks and the dialog screenshots must see each language on its
// own, and must not be served another language's copy by the platform's fallback.
#ifndef RAZ_TESTS_TESTHOST_LANGUAGERESOURCES_H
#define RAZ_TESTS_TESTHOST_LANGUAGERESOURCES_H

#include <windows.h>

#include <string>

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN);
// RT_DIALOG and RT_STRING in their wide form (the headers give the ANSI one in a non-Unicode build).
const LPCWSTR kDialogResource = MAKEINTRESOURCEW(5);
const LPCWSTR kStringResource = MAKEINTRESOURCEW(6);

struct LanguageSearch {
  LANGID wanted;
  bool found;
};

inline BOOL CALLBACK NoteLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR parameter) {
  auto* search = reinterpret_cast<LanguageSearch*>(parameter);
  if (language == search->wanted) search->found = true;
  return !search->found;
}

// True when `module` holds the resource in exactly this language.
inline bool HasResourceInLanguage(HMODULE module, LPCWSTR type, LPCWSTR name, LANGID language) {
  LanguageSearch search = {language, false};
  EnumResourceLanguagesW(module, type, name, NoteLanguage, reinterpret_cast<LONG_PTR>(&search));
  return search.found;
}

// The resource's data in exactly this language, or null.
inline const void* FindResourceData(HMODULE module, LPCWSTR type, LPCWSTR name, LANGID language,
                                    DWORD* size = nullptr) {
  if (!HasResourceInLanguage(module, type, name, language)) return nullptr;
  HRSRC found = FindResourceExW(module, type, name, language);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  if (size) *size = found ? SizeofResource(module, found) : 0;
  return loaded ? LockResource(loaded) : nullptr;
}

inline const DLGTEMPLATE* FindDialogTemplate(HMODULE module, UINT id, LANGID language) {
  return static_cast<const DLGTEMPLATE*>(FindResourceData(module, kDialogResource, MAKEINTRESOURCEW(id), language));
}

// String `id` of that language's table: strings are stored in blocks of 16 counted UTF-16 strings, block
// id / 16 + 1. False when the block is missing in that language or the string is empty.
inline bool FindStringInLanguage(HMODULE module, UINT id, LANGID language, std::wstring& text) {
  DWORD size = 0;
  auto* data = static_cast<const WCHAR*>(
      FindResourceData(module, kStringResource, MAKEINTRESOURCEW(id / 16 + 1), language, &size));
  if (!data) return false;
  const WCHAR* end = data + size / sizeof(WCHAR);
  for (UINT index = 0; index < id % 16; ++index) {
    if (data >= end) return false;
    data += 1 + *data;
  }
  if (data >= end || *data == 0 || data + 1 + *data > end) return false;
  text.assign(data + 1, *data);
  return true;
}

#endif
