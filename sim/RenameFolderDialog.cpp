#include "sim/RenameFolderDialog.h"

#include "sim/SimResources.h"

namespace {

INT_PTR CALLBACK RenameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    SetDlgItemTextA(dialog, IDC_FOLDER_NAME, reinterpret_cast<std::string*>(lParam)->c_str());
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
  } else if (LOWORD(wParam) == IDOK) {
    char text[MAX_PATH] = "";
    GetDlgItemTextA(dialog, IDC_FOLDER_NAME, text, sizeof text);
    if (!IsValidFolderName(text)) {
      MessageBoxA(dialog, "A folder name cannot be empty or contain any of \\ / : * ? \" < > |", "Rename folder",
                  MB_OK | MB_ICONEXCLAMATION);
      return TRUE;
    }
    *reinterpret_cast<std::string*>(GetWindowLongPtrA(dialog, DWLP_USER)) = text;
    EndDialog(dialog, IDOK);
  }
  return TRUE;
}

}  // namespace

bool IsValidFolderName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

bool AskNewFolderName(HWND owner, const std::string& currentName, std::string& newName) {
  std::string name = currentName;
  if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_RENAME_FOLDER), owner, RenameDialogProc,
                      reinterpret_cast<LPARAM>(&name)) != IDOK) {
    return false;
  }
  newName = name;
  return true;
}
