#pragma once
// Finds a favorite of any list as the user types: an edit box over a virtual list of the favorites
// whose texts hold every typed word, and after them (while its check box is on) every other folder of
// the host. Enter or a double-click chooses the selected row; the opener jumps to it once the dialog
// is gone. A folder row can be registered as a favorite folder from the dialog.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "core/favorites/CFavoriteFinder.h"
#include "core/hostlink/HostFolderWalk.h"
#include "win/ui/CControlHook.h"
#include "win/ui/CListViewIcons.h"
#include "win/ui/CUiGothicDialog.h"

class CFavoriteInfo;

class CFindFavoriteDlg : public CUiGothicDialog {
 public:
  explicit CFindFavoriteDlg(CWindow* parent);

  // Takes a row for every favorite of the five lists, in list order; the store is read again after a
  // folder is registered from the dialog.
  void SetFavorites(CFavoriteInfo& store);
  // Where the host's folders come from: asked once, when the folder rows are first shown.
  void SetFolderSource(std::function<std::vector<HostFolder>()> source) { m_folderSource = std::move(source); }
  // Registers a folder as a favorite, telling the user over the dialog what came of it.
  void SetFolderRegistrar(std::function<void(CWindow& owner, const std::string& folderId)> registrar) {
    m_registerFolder = std::move(registrar);
  }
  // Whether the folder rows are shown (the check box), when it opens and when it closed.
  void SetShowFolders(bool show) { m_showFolders = show; }
  bool GetShowFolders() const { return m_showFolders; }
  // The search the dialog opens with (selected), and the one it closed with.
  void SetQuery(const std::string& query) { m_query = query; }
  const std::string& GetQuery() const { return m_query; }
  // The window size it opens with when at least the template's, and the one it closed with.
  void SetWindowSize(SIZE size) { m_size = size; }
  SIZE GetWindowSize() const { return m_size; }
  // The chosen row after IDOK: a favorite's list kind (1 to 5) and index, or
  // CFavoriteFinder::HostFolderKind and the folder's id.
  int GetChosenKind() const { return m_chosenKind; }
  int GetChosenIndex() const { return m_chosenIndex; }
  const std::string& GetChosenFolderId() const { return m_chosenFolderId; }

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
    std::string FolderId;  // of a favorite folder or a folder row
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
    int FoldersFromBottom = 0;
    int RegisterFromBottom = 0;
  };

  CWindow* ListView();
  CWindow* FindText();
  RECT ClientRectOf(int controlId);
  void RecordLayout();
  void ApplySize();
  void MakeImageList();
  void AddColumns();
  // Rows for the favorites and, when shown, the folders that are none.
  void FillRows();
  void ReadFolders();
  void ShowMatches();
  // Selects the row of the favorite folder with the id, else the first row.
  void SelectFavoriteFolder(const std::string& folderId);
  bool IsFolderRow(int row);
  void UpdateRegisterButton();
  void ToggleFolders();
  void RegisterSelectedFolder();
  void SelectRow(int row);
  int GetSelectedRow();
  void GiveRowTexts(NMLVDISPINFOA& info);
  // The edit box keeps the focus; the keys that move through a list go on to the list view, and Insert
  // registers the selected folder.
  void PassListKeys();

  CFavoriteInfo* m_store = nullptr;
  std::function<std::vector<HostFolder>()> m_folderSource;
  std::function<void(CWindow&, const std::string&)> m_registerFolder;
  std::vector<HostFolder> m_folders;
  bool m_foldersRead = false;
  bool m_showFolders = true;
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
  std::string m_chosenFolderId;
};
