// Shows every dialog template of the plug-in, in English and in Japanese, and saves a picture of each as
// a .bmp file, so that the layouts can be looked at. The setup pages are shown in one property sheet, as
// the plug-in shows them; Japanese dialogs get the screen font the plug-in gives them.
// Usage: dialog_screenshots <plug-in DLL> <output folder>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/testhost/LanguageResources.h"

namespace {

HMODULE plugin = nullptr;
LANGID shownLanguage = kEnglish;

std::wstring String(UINT id) {
  std::wstring text;
  FindStringInLanguage(plugin, id, shownLanguage, text);
  return text;
}

// The plug-in's dialogs replace the Japanese template font by "MS UI Gothic" on their controls.
void UseJapaneseScreenFont(HWND dialog) {
  LOGFONTW font = {};
  HFONT current = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  if (!current || !GetObjectW(current, sizeof font, &font)) return;
  if (std::wstring(font.lfFaceName) != L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF") return;
  lstrcpynW(font.lfFaceName, L"MS UI Gothic", LF_FACESIZE);
  HFONT screenFont = CreateFontIndirectW(&font);
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(screenFont), TRUE);
  }
}

void AddChoices(HWND dialog, int comboId, std::initializer_list<UINT> stringIds) {
  for (UINT id : stringIds) SendDlgItemMessageW(dialog, comboId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(String(id).c_str()));
  SendDlgItemMessageW(dialog, comboId, CB_SETCURSEL, 0, 0);
}

// The registration dialog as it opens: a new state's title, or, to update one, the registered states
// in the title's place; with the tree state icon.
void FillTreeCreate(HWND dialog, bool update) {
  for (int size : {16, 32}) {
    HANDLE icon = LoadImageW(plugin, MAKEINTRESOURCEW(IDI_FOLDER_TREE), IMAGE_ICON, size, size, 0);
    SendMessageW(dialog, WM_SETICON, size == 16 ? ICON_SMALL : ICON_BIG, reinterpret_cast<LPARAM>(icon));
  }
  CheckDlgButton(dialog, update ? IDC_UPDATE_EXISTING : IDC_CREATE_NEW, BST_CHECKED);
  ShowWindow(GetDlgItem(dialog, update ? IDC_TITLE : IDC_EXISTING_TREE), SW_HIDE);
  SetDlgItemTextW(dialog, IDC_TITLE, L"2026/12/06 09:30:00");
  for (const wchar_t* name : {L"2026/12/01 08:15:42", L"Work layout"}) {
    SendDlgItemMessageW(dialog, IDC_EXISTING_TREE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  SendDlgItemMessageW(dialog, IDC_EXISTING_TREE, CB_SETCURSEL, 0, 0);
}

// The pictures of a template that shows in more than one way.
const UINT kUpdateMode = 0x10000;

// A little content of the kind the plug-in puts in, so that the pictures show real proportions.
void FillSample(HWND dialog, UINT templateId) {
  switch (templateId & 0xFFFF) {
    case IDD_ITEM_LIST_EDIT: {
      AddChoices(dialog, IDC_LIST_KIND, {IDS_FOLDER, IDS_LIST_MAIL, IDS_LIST_FOLDER_TREE, IDS_LIST_WINDOW_STATE});
      HWND list = GetDlgItem(dialog, IDC_ITEM_LIST);
      const std::wstring titles[] = {String(IDS_COLUMN_TITLE), String(IDS_FOLDER)};
      for (int column = 0; column < 2; ++column) {
        LVCOLUMNW format = {};
        format.mask = LVCF_TEXT | LVCF_WIDTH;
        format.cx = column == 0 ? 250 : 450;
        format.pszText = const_cast<LPWSTR>(titles[column].c_str());
        SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&format));
      }
      // The folder icon, and the failure mark over the favorite whose last jump failed.
      HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
      for (WORD icon : {IDI_FOLDER, IDI_FAILURE_OVERLAY}) {
        ImageList_AddIcon(images, static_cast<HICON>(LoadImageW(plugin, MAKEINTRESOURCEW(icon), IMAGE_ICON, 16, 16, 0)));
      }
      ImageList_SetOverlayImage(images, 1, 1);
      SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
      const wchar_t* rows[][2] = {{L"Inbox", L"[Main] Inbox"}, {L"Projects", L"[Work] Inbox/Projects"},
                                  {L"wine-devel", L"[News] Lists/wine-devel"}};
      for (int row = 0; row < 3; ++row) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
        item.iItem = row;
        item.pszText = const_cast<LPWSTR>(rows[row][0]);
        item.state = INDEXTOOVERLAYMASK(row == 2 ? 1 : 0) | (row == 1 ? LVIS_SELECTED : 0);
        item.stateMask = LVIS_OVERLAYMASK | LVIS_SELECTED;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<LPWSTR>(rows[row][1]);
        SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
      }
      break;
    }
    case IDD_ITEM_DETAIL:
      SetDlgItemTextW(dialog, IDC_TITLE, L"Inbox");
      AddChoices(dialog, IDC_TREE_STATE, {IDS_NO_TREE_TO_RESTORE});
      SendDlgItemMessageW(dialog, IDC_TREE_STATE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Work layout"));
      SendDlgItemMessageW(dialog, IDC_TREE_STATE, CB_SETCURSEL, 1, 0);
      SetDlgItemTextW(dialog, IDC_INTERNAL_INFO, (String(IDS_INFO_FOLDER_ID) + L"\r\n  Main\\Inbox\\\r\n" +
                                                  String(IDS_INFO_FOLDER_TREE_ID) + L"\r\n  2\r\n").c_str());
      SetDlgItemTextW(dialog, IDC_RELATED_INFO, (String(IDS_INFO_FOLDER_DISPLAY_NAME) + L"\r\n  [Main] Inbox\r\n" +
                                                 String(IDS_INFO_TREE_TO_RESTORE) + L"\r\n  Work layout\r\n").c_str());
      break;
    case IDD_FOLDER_TREE_CREATE:
      FillTreeCreate(dialog, (templateId & kUpdateMode) != 0);
      break;
    case IDD_SETUP_OVERALL:
      AddChoices(dialog, IDC_RESTORE_TREE, {IDS_NO_TREE_TO_RESTORE});
      CheckDlgButton(dialog, IDC_SET_FOCUS_AFTER_JUMP, BST_CHECKED);
      break;
    case IDD_SETUP_MAIL:
      SetDlgItemInt(dialog, IDC_MAIL_TITLE_LENGTH, 60, FALSE);
      SetDlgItemInt(dialog, IDC_MAIL_HISTORY_NUM, 20, FALSE);
      AddChoices(dialog, IDC_MAIL_FOLDER_DISP_MODE, {IDS_FOLDER_FORM_NONE, IDS_FOLDER_FORM_PATH, IDS_FOLDER_FORM_NAME});
      break;
    case IDD_SETUP_FOLDER_TREE:
      CheckDlgButton(dialog, IDC_RESTRICT_CLOSED_DEPTH, BST_CHECKED);
      SetDlgItemInt(dialog, IDC_CLOSED_DEPTH, 2, FALSE);
      break;
    case IDD_SETUP_KEY:
      for (UINT id : {IDS_MENU_TYPE_COMPREHENSIVE, IDS_MENU_TYPE_FOLDER, IDS_MENU_TYPE_MAIL, IDS_MENU_TYPE_FOLDER_TREE,
                      IDS_MENU_TYPE_MAIL_HISTORY, IDS_MENU_TYPE_WINDOW_STATE, IDS_MENU_TYPE_FIND}) {
        SendDlgItemMessageW(dialog, IDC_MENU_TYPE, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(String(id).c_str()));
      }
      SendDlgItemMessageW(dialog, IDC_MENU_TYPE, LB_SETCURSEL, 0, 0);
      SendDlgItemMessageW(dialog, IDC_SHORTCUT_KEY, HKM_SETHOTKEY, MAKEWORD('F', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
      break;
    case IDD_FIND_FAVORITE: {
      // The list is virtual: the headers show, the rows come from the plug-in's code.
      SetDlgItemTextW(dialog, IDC_FIND_TEXT, L"report");
      int column = 0;
      for (UINT id : {IDS_COLUMN_TITLE, IDS_COLUMN_LEADS_TO}) {
        const std::wstring text = String(id);
        LVCOLUMNW header = {};
        header.mask = LVCF_TEXT | LVCF_WIDTH;
        header.cx = column == 0 ? 220 : 360;
        header.pszText = const_cast<wchar_t*>(text.c_str());
        SendDlgItemMessageW(dialog, IDC_FOUND_LIST, LVM_INSERTCOLUMNW, column++, reinterpret_cast<LPARAM>(&header));
      }
      break;
    }
    case IDD_SETUP_ABOUT: {
      wchar_t label[128] = L"";
      GetDlgItemTextW(dialog, IDC_VERSION_LABEL, label, 120);
      SetDlgItemTextW(dialog, IDC_VERSION_LABEL, (std::wstring(label) + L"2.2").c_str());
      break;
    }
  }
}

void PrepareDialog(HWND dialog, UINT templateId) {
  FillSample(dialog, templateId);
  UseJapaneseScreenFont(dialog);
}

// Dialogs get their template id as parameter.
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM, LPARAM templateId) {
  if (message == WM_INITDIALOG) PrepareDialog(dialog, static_cast<UINT>(templateId));
  return message == WM_INITDIALOG;
}

// Pages get their PROPSHEETPAGE, which carries the template id.
INT_PTR CALLBACK PageProcedure(HWND page, UINT message, WPARAM, LPARAM record) {
  if (message == WM_INITDIALOG) PrepareDialog(page, static_cast<UINT>(reinterpret_cast<PROPSHEETPAGEW*>(record)->lParam));
  return message == WM_INITDIALOG;
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
}

// Copies the window as it stands on the screen into a 24-bit .bmp file.
bool SaveWindowPicture(HWND window, const std::wstring& path) {
  RECT area;
  GetWindowRect(window, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, previous);

  BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD stride = (width * 3 + 3) & ~3u;
  std::vector<BYTE> pixels(stride * height);
  GetDIBits(memory, picture, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(sizeof file + sizeof info + pixels.size()), 0, 0,
                           sizeof file + sizeof info};
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  bool written = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1 &&
                 fwrite(pixels.data(), pixels.size(), 1, out) == 1;
  return fclose(out) == 0 && written;
}

bool ShowAndSave(HWND window, const std::wstring& path) {
  SetWindowPos(window, HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  PumpFor(400);
  const bool saved = SaveWindowPicture(window, path);
  std::printf("%ls %s\n", path.c_str(), saved ? "written" : "NOT WRITTEN");
  return saved;
}

bool SaveDialogs(const std::wstring& folder, const std::wstring& suffix) {
  const struct {
    UINT id;
    const wchar_t* name;
  } dialogs[] = {{IDD_ITEM_LIST_EDIT, L"107-ItemListEdit"},
                 {IDD_ITEM_DETAIL, L"110-ItemDetail"},
                 {IDD_FOLDER_TREE_CREATE, L"118-FolderTreeCreate"},
                 {IDD_FOLDER_TREE_CREATE | kUpdateMode, L"118-FolderTreeCreate-Update"},
                 {IDD_FIND_FAVORITE, L"131-FindFavorite"}};
  bool allSaved = true;
  for (const auto& dialog : dialogs) {
    const DLGTEMPLATE* found = FindDialogTemplate(plugin, dialog.id & 0xFFFF, shownLanguage);
    HWND window = found ? CreateDialogIndirectParamW(plugin, found, nullptr, DialogProcedure, dialog.id) : nullptr;
    allSaved = window && ShowAndSave(window, folder + L"\\" + dialog.name + suffix) && allSaved;
    if (window) DestroyWindow(window);
  }
  return allSaved;
}

bool SaveSetupPages(const std::wstring& folder, const std::wstring& suffix) {
  const struct {
    UINT id;
    UINT tabIcon;
    const wchar_t* name;
  } pages[] = {{IDD_SETUP_OVERALL, 0, L"123-SetupOverall"},
               {IDD_SETUP_MAIL, IDI_MAIL, L"122-SetupMail"},
               {IDD_SETUP_FOLDER_TREE, IDI_FOLDER_TREE, L"124-SetupFolderTree"},
               {IDD_SETUP_KEY, IDI_KEY, L"121-SetupKey"},
               {IDD_SETUP_ABOUT, 0, L"127-SetupAbout"}};
  PROPSHEETPAGEW records[5] = {};
  for (int i = 0; i < 5; ++i) {
    records[i].dwSize = sizeof records[i];
    records[i].dwFlags = PSP_DLGINDIRECT | (pages[i].tabIcon ? PSP_USEICONID : 0);
    records[i].hInstance = plugin;
    records[i].pResource = FindDialogTemplate(plugin, pages[i].id, shownLanguage);
    records[i].pszIcon = MAKEINTRESOURCEW(pages[i].tabIcon);
    records[i].pfnDlgProc = PageProcedure;
    records[i].lParam = pages[i].id;
    if (!records[i].pResource) return false;
  }
  const std::wstring caption = String(IDS_SETUP_CAPTION);
  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_MODELESS | PSH_USEICONID;
  header.hInstance = plugin;
  header.pszIcon = MAKEINTRESOURCEW(IDI_APPLICATION_MARK);
  header.pszCaption = caption.c_str();
  header.nPages = 5;
  header.ppsp = records;
  HWND sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
  if (!sheet) return false;
  bool allSaved = true;
  for (int i = 0; i < 5; ++i) {
    PropSheet_SetCurSel(sheet, nullptr, i);
    allSaved = ShowAndSave(sheet, folder + L"\\" + pages[i].name + suffix) && allSaved;
  }
  DestroyWindow(sheet);
  return allSaved;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: dialog_screenshots <plug-in DLL> <output folder>\n");
    return 2;
  }
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS |
                                                      ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  // As data: the plug-in's entry point would refuse to run outside its host.
  plugin = LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!plugin) {
    std::fprintf(stderr, "cannot load %ls (error %lu)\n", argv[1], GetLastError());
    return 1;
  }
  bool allSaved = true;
  const struct {
    LANGID language;
    const wchar_t* suffix;
  } languages[] = {{kEnglish, L"-en.bmp"}, {kJapanese, L"-ja.bmp"}};
  for (const auto& language : languages) {
    shownLanguage = language.language;
    allSaved = SaveDialogs(argv[2], language.suffix) && allSaved;
    allSaved = SaveSetupPages(argv[2], language.suffix) && allSaved;
  }
  return allSaved ? 0 : 1;
}
