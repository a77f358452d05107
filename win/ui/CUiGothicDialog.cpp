#include "win/ui/CUiGothicDialog.h"

#include <cwchar>

namespace {

// "ＭＳ Ｐゴシック", the font of the Japanese templates. Compared as UTF-16, so the test holds
// whatever the system's ANSI code page is.
const wchar_t kJapaneseTemplateFace[] = L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF";

bool HasJapaneseTemplateFont(HWND dialog) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  LOGFONTW description = {};
  if (font == nullptr || GetObjectW(font, sizeof description, &description) != sizeof description) return false;
  return std::wcscmp(description.lfFaceName, kJapaneseTemplateFace) == 0;
}

}  // namespace

BOOL CUiGothicDialog::OnInitDialog() {
  if (HasJapaneseTemplateFont(GetHandle())) SetControlFont("MS UI Gothic");
  return CDialog::OnInitDialog();
}
