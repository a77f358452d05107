#pragma once
// Finds a favorite of any list as the user types: an edit box over a virtual list of the favorites
// whose texts hold every typed word. Enter or a double-click chooses the selected row; the opener
// jumps to it once the dialog is gone.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/favorites/CFavoriteFinder.h"
#include "win/ui/CControlHook.h"
#include "win/ui/CListViewIcons.h"
#include "win/ui/CUiGothicDialog.h"

class CFavoriteInfo;

class CFindFavoriteDlg : public CUiGothicDialog {
 public:
  explicit CFindFavoriteDlg(CWindow* parent);

  // Takes a row for every favorite of the five lists, in list order.
  void SetFavorites(CFavoriteInfo& store);
  // The search the dialog opens with (selected), and the one it closed with.
  void SetQuery(const std::string& query) { m_query = query; }
  const std::string& GetQuery() const { return m_query; }
  // The window size it opens with when at least the template's, and the one it closed with.
  void SetWindowSize(SIZE size) { m_size = size; }
  SIZE GetWindowSize() const { return m_size; }
  // The chosen favorite after IDOK: its list kind (1 to 5) and index.
  int GetChosenKind() const { return m_chosenKind; }
  int GetChosenIndex() const { return m_chosenIndex; }

  BOOL OnInitDialog() override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnNotify(int controlId, NMHDR* header) override;
  void OnOK() override;
  void OnSize(UINT type, int width, int height) override;
  void OnGetMinMaxInfo(MINMAXINFO* info) override;
  void OnDestroy() override;

 private:
  // What a row shows besides what the finder searches.
  struct RowText {
    std::string Title;
    std::string LeadsTo;
    bool Failed;
  };
  // Distances kept while the dialog is resized, in client coordinates.
  struct Layout {
    SIZE MinimumSize = {0, 0};
    int EditFromRight = 0;
    int ListFromRight = 0;
    int ListFromBottom = 0;
    int OkFromRight = 0;
    int CancelFromRight = 0;
    int ButtonsFromBottom = 0;
  };

  CWindow* ListView();
  CWindow* FindText();
  RECT ClientRectOf(int controlId);
  void RecordLayout();
  void ApplySize();
  void MakeImageList();
  void AddColumns();
  void ShowMatches();
  void SelectRow(int row);
  int GetSelectedRow();
  void GiveRowTexts(NMLVDISPINFOA& info);
  // The edit box keeps the focus; the keys that move through a list go on to the list view.
  void PassListKeys();

  CFavoriteFinder m_finder;
  std::vector<RowText> m_texts;          // by finder row
  std::vector<std::size_t> m_matches;    // finder rows, as the list shows them
  std::string m_query;
  SIZE m_size = {0, 0};
  Layout m_layout;
  bool m_layoutRecorded = false;
  CListViewIcons m_icons;
  CControlHook m_listKeys;
  int m_chosenKind = 0;
  int m_chosenIndex = -1;
};
