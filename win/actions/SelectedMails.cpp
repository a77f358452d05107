// Registering and deleting the mails selected in the host's mail list, one after the other: each is
// made the current mail, so that the host gives its headers.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/favorites/FavoriteStore.h"
#include "core/hostlink/CHostLink.h"
#include "resources/resource.h"
#include "win/actions/ActionSupport.h"
#include "win/actions/FavoriteActions.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostWindows.h"
#include "win/ui/CResourceTool.h"
#include "win/ui/CWaitCursor.h"

namespace {

std::vector<std::string> CollectSelectedMails() {
  std::vector<std::string> mailIds;
  std::string mailId;
  for (int mail = ReadNextSelectedMail(-1, mailId); mail >= 0;) {
    mailIds.push_back(mailId);
    const int next = ReadNextSelectedMail(mail, mailId);
    if (next >= 0 && next <= mail) break;  // a host going round in circles ends the walk
    mail = next;
  }
  return mailIds;
}

// Makes each mail current in turn and has the host's list open it, showing the progress text, and
// hands it to `take`, which says whether it counted. The frame child does not draw meanwhile, which
// also keeps the mails out of the history; the selection is put back at the end. Returns the count;
// `cancelled` on Escape.
int ForEachMail(const std::vector<std::string>& mailIds, UINT progressText, const std::function<bool()>& take,
                bool& cancelled) {
  CTovikMainWindow* main = GetMainWindow();
  CTovikStatusWindow* status = GetStatusBar();
  CWindow* frame = GetFrameChild();
  CWaitCursor wait;
  if (frame) frame->SetRedraw(false);
  int counted = 0;
  cancelled = false;
  const std::string total = std::to_string(mailIds.size());
  for (std::size_t i = 0; i < mailIds.size(); ++i) {
    if (main) main->PumpPaintMessages();
    if (IsEscapePressed()) {
      cancelled = true;
      break;
    }
    std::string progress;
    CResourceTool::FormatString(progress, progressText, {std::to_string(i + 1), total});
    if (status) {
      status->SetText(progress);
      status->SetRedraw(false);
    }
    Host().SetCurrentMail(mailIds[i].c_str());
    if (status) status->SetRedraw(true);
    // A host that opens the selected mail on its list's timer would give the previous mail's headers.
    PokeMailList();
    if (take()) ++counted;
  }
  if (status) status->SetRedraw(false);
  for (const std::string& mailId : mailIds) Host().SetSel(mailId.c_str(), 1);
  for (CWindow* window : {static_cast<CWindow*>(status), frame}) {
    if (window == nullptr) continue;
    window->SetRedraw(true);
    window->Invalidate(true);
  }
  return counted;
}

}  // namespace

void RegisterSelectedMails() {
  const int selected = CountSelectedMails();
  if (selected == 0) return;
  if (selected == 1) return RegisterCurrentMail();
  const std::vector<std::string> mailIds = CollectSelectedMails();
  CFavoriteInfo& store = GetFavoriteInfo();
  const std::size_t room = store.Mails.GetCount() < store.Mails.GetMaxCount()
                               ? store.Mails.GetMaxCount() - store.Mails.GetCount()
                               : 0;
  if (mailIds.size() > room) {
    ShowMessage(IDS_LIST_FULL, WarningFlags);
    return;
  }
  bool cancelled = false;
  const int added = ForEachMail(mailIds, IDS_REGISTERING_PROGRESS, [&] {
    std::unique_ptr<CFavoriteItem> item = std::make_unique<CMailItem>();
    return FillMailItem(static_cast<CMailItem&>(*item)) && store.AddItem(item, FavoriteMailList) == Added;
  }, cancelled);
  const int total = static_cast<int>(mailIds.size());
  if (cancelled) {
    SetStatusText(IDS_CANCELED);
  } else if (added == 0) {
    ShowMessage(IDS_CANNOT_REGISTER_ANY_MAIL, WarningFlags);
  } else if (added < total) {
    std::string text;
    CResourceTool::FormatString(text, IDS_CANNOT_REGISTER_SOME_MAILS, {std::to_string(total - added)});
    ShowMessage(text, WarningFlags);
  }
  if (added > 0) store.SaveMails();
}

void DeleteSelectedMails() {
  const int selected = CountSelectedMails();
  if (selected == 0) return;
  if (selected == 1) return DeleteCurrentMail();
  if (ShowMessage(IDS_ASK_DELETE_SELECTED_MAILS, YesNoFlags) != IDYES) return;
  const std::vector<std::string> mailIds = CollectSelectedMails();
  CFavoriteInfo& store = GetFavoriteInfo();
  CMailItem current;
  bool cancelled = false;
  const int removed = ForEachMail(mailIds, IDS_DELETING_PROGRESS, [&] {
    CFavoriteItem* found = FillMailItem(current) ? store.Mails.FindSame(current) : nullptr;
    if (found) store.Mails.Remove(found);
    return found != nullptr;
  }, cancelled);
  if (removed > 0) store.SaveMails();
}
