#include "win/ui/CResourceTool.h"

#include <vector>

#include "win/ui/CWindow.h"
#include "win/ui/ModuleInstance.h"

std::string AppTitle;

bool CResourceTool::LoadString(std::string& text, UINT id) {
  char buffer[2048];
  const int length = ::LoadStringA(GetModuleInstance(), id, buffer, sizeof buffer);
  if (length <= 0) return false;
  text.assign(buffer, static_cast<size_t>(length));
  return true;
}

std::string CResourceTool::LoadString(UINT id) {
  std::string text;
  LoadString(text, id);
  return text;
}

bool CResourceTool::FormatString(std::string& text, UINT id, const std::vector<std::string>& arguments) {
  std::string format;
  if (!LoadString(format, id)) return false;
  // Every insert FormatMessage can name (%1 to %99) points at a text, so a format asking for more
  // arguments than were given reads empty texts, never past the list.
  const size_t maximumInserts = 99;
  std::vector<DWORD_PTR> inserts(maximumInserts, reinterpret_cast<DWORD_PTR>(""));
  size_t index = 0;
  for (const std::string& argument : arguments) {
    if (index == maximumInserts) break;
    inserts[index++] = reinterpret_cast<DWORD_PTR>(argument.c_str());
  }
  char* formatted = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_ARGUMENT_ARRAY, format.c_str(), 0,
      0, reinterpret_cast<char*>(&formatted), 0, reinterpret_cast<va_list*>(inserts.data()));
  if (formatted == nullptr) return false;
  text.assign(formatted, length);
  LocalFree(formatted);
  return true;
}

int CResourceTool::MessageBox(const CWindow* owner, const std::string& text, const std::string& caption, UINT flags) {
  return ::MessageBoxA(owner ? owner->GetHandle() : nullptr, text.c_str(), caption.c_str(), flags);
}

int CResourceTool::MessageBox(const CWindow* owner, UINT textId, const std::string& caption, UINT flags) {
  return MessageBox(owner, LoadString(textId), caption, flags);
}
