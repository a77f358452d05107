#pragma once
// What the find dialog's benchmarks measure it against: a plain report list view filled with the same
// rows, and the dialog's slowest update over a row of keystrokes.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/BenchClock.h"
#include "resources/resource.h"

namespace benchlist {

struct Row {
  std::string Title, LeadsTo;
  int Image;
};

inline void AddColumn(HWND list, int index, int width) {
  LVCOLUMNA column = {};
  column.mask = LVCF_WIDTH | LVCF_SUBITEM;
  column.cx = width;
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

// Milliseconds to fill a report list view, as large as the dialog's, with the rows and paint it.
inline double FillPlainList(const std::vector<Row>& rows, HIMAGELIST images, SIZE size) {
  HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | WS_VISIBLE | LVS_REPORT, 0, 0, size.cx, size.cy,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  AddColumn(list, 0, 220);
  AddColumn(list, 1, 360);
  UpdateWindow(list);
  const double start = NowMs();
  // As a careful fill does it: drawn once, after the last row.
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (std::size_t n = 0; n < rows.size(); ++n) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(n);
    item.pszText = const_cast<char*>(rows[n].Title.c_str());
    item.iImage = rows[n].Image;
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(rows[n].LeadsTo.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, n, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  const double time = NowMs() - start;
  DestroyWindow(list);
  return time;
}

// Types the keystrokes into the open dialog from a helper thread; the slowest update's milliseconds.
template <std::size_t Count>
double TypeInto(HWND dialog, const char* const (&keystrokes)[Count]) {
  HWND edit = GetDlgItem(dialog, IDC_FIND_TEXT), list = GetDlgItem(dialog, IDC_FOUND_LIST);
  double slowest = 0;
  for (const char* text : keystrokes) {
    const double start = NowMs();
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    UpdateWindow(list);
    slowest = std::max(slowest, NowMs() - start);
  }
  return slowest;
}

}  // namespace benchlist
