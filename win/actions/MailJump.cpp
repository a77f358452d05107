#include "win/actions/JumpSteps.h"

#include <string>
#include <vector>

#include "core/favorites/FavoriteStore.h"
#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolders.h"
#include "core/mail/CTovikIdxFile.h"
#include "resources/resource.h"
#include "win/actions/ActionSupport.h"
#include "win/actions/FavoriteActions.h"
#include "win/host/CReconstructDialogCanceller.h"
#include "win/host/HostWindows.h"
#include "win/host/MailSearch.h"
#include "win/ui/CResourceTool.h"
#include "win/ui/CWaitCursor.h"

namespace {

// The host's current mail is the item's mail: its headers are the stored ones (a stored Date that is
// empty is not compared).
bool IsCurrentMail(const CMailItem& item) {
  PokeMailList();
  if (ReadCurrentMailHeader("Message-Id") != item.MessageId || ReadCurrentMailHeader("Subject") != item.Subject ||
      ReadCurrentMailHeader("From") != item.From) {
    return false;
  }
  return item.Date.empty() || ReadCurrentMailHeader("Date") == item.Date;
}

// Makes the item's folder current; when the host refuses, the user may say that the mail is in the
// folder that is current.
bool MoveToMailFolder(const CMailItem& item) {
  return MakeFolderCurrent(item.FolderId) || ShowMessage(IDS_ASK_MAIL_IN_CURRENT_FOLDER, YesNoFlags) == IDYES;
}

// Finds the mail in the current folder's index: by its Message-Id, else by Subject, From and Date,
// which the user confirms; `rejected` when the user denies the mail found. On IdxFound the item is
// filled anew from the found mail. An Escape or an index that cannot be read ends the search with
// that result.
int SearchCurrentFolder(CMailItem& item, CWaitCursor& wait, bool& rejected) {
  ReselectCurrentFolder();
  const std::string path = GetCurrentFolderIndexPath();
  if (path.empty()) return IdxNotFound;
  CTovikIdxFile index(path);
  if (!index.Open()) return IdxUnreadable;
  const std::string statusText = CResourceTool::LoadString(IDS_NOW_SEARCHING);
  if (!item.MessageId.empty()) {
    const int result = FindMailInCurrentFolder({{"Message-Id", item.MessageId}}, statusText, &index);
    if (result == IdxFound) {
      PokeMailList();
      if (ReadCurrentMailHeader("Message-Id") == item.MessageId) {
        FillMailItem(item);
        return IdxFound;
      }
    } else if (result == IdxCancelled || result == IdxUnreadable) {
      return result;
    }
  }
  std::vector<MailCondition> conditions;
  for (const MailCondition& condition :
       {MailCondition{"Subject", item.Subject}, MailCondition{"From", item.From}, MailCondition{"Date", item.Date}}) {
    if (!condition.Value.empty()) conditions.push_back(condition);
  }
  if (conditions.empty()) return IdxNotFound;
  const int result = FindMailInCurrentFolder(conditions, statusText, &index);
  if (result != IdxFound) return result;
  PokeMailList();
  wait.Restore();
  if (ShowMessage(IDS_ASK_IS_SEARCHED_MAIL, YesNoFlags) != IDYES) {
    rejected = true;
    return IdxNotFound;
  }
  FillMailItem(item);
  return IdxFound;
}

// Selects the mail under its id and checks it, else searches its folder. IdxFound when the host
// shows it now; `refilled` when the search took its values anew, `rejected` when the user denied
// the mail it found.
int FindMail(CMailItem& item, bool inCurrentFolder, bool& refilled, bool& rejected, CWaitCursor& wait) {
  if (!inCurrentFolder && !MoveToMailFolder(item)) return IdxNotFound;
  Host().SetCurrentMail(item.MailId.c_str());
  if (IsCurrentMail(item)) return IdxFound;
  const int result = SearchCurrentFolder(item, wait, rejected);
  refilled = result == IdxFound;
  return result;
}

}  // namespace

void JumpToMail(CMailItem& item, int kind) {
  CFavoriteInfo& store = GetFavoriteInfo();
  CFavoriteItemListBase& list = *store.GetList(kind);
  const bool history = kind == MailHistoryList;
  CWaitCursor wait;
  // After a renumbering the stored id may name another mail: the headers decide.
  if (HostText(Host().GetCurrentMail()) == item.MailId && IsCurrentMail(item)) {
    item.Failure = 0;
    return;
  }
  CReconstructDialogCanceller canceller;
  bool inCurrentFolder = false;
  if (item.Failure != 0) {
    const int answer = ShowMessage(IDS_ASK_SEARCH_AFTER_FAILURE, YesNoCancelFlags);
    if (answer != IDYES && answer != IDNO) return;  // cancelled, or nobody could be asked
    inCurrentFolder = answer == IDYES;
  }
  bool refilled = false;
  bool rejected = false;
  const int result = FindMail(item, inCurrentFolder, refilled, rejected, wait);
  if (result == IdxFound) {
    item.Failure = 0;
    const bool dateTaken = item.Date.empty();
    if (dateTaken) item.Date = ReadCurrentMailHeader("Date");
    // Changed in place, the item may have become the same as another entry: a list holds no two,
    // and a file holding both would lose one at the next start.
    if (dateTaken || refilled) {
      list.RemoveOthersSameAs(item);
      store.SaveMails();
    }
  }
  // Recording may evict the very entry jumped to from a full history: nothing touches the item
  // after it unless the list still holds it. A mail the user turned down is none they chose to read.
  if (history && !rejected) RecordCurrentMailInHistory();
  if (result == IdxFound || !ListHolds(list, &item)) return;
  canceller.Stop();
  if (result == IdxCancelled) {
    SetStatusText(IDS_CANCELED);
  } else if (result == IdxUnreadable) {
    // The mail may well be there: nothing to delete, and nothing to ask.
    ShowMessage(IDS_INDEX_UNREADABLE, WarningFlags);
    item.Failure = 1;
  } else if (ShowMessage(IDS_ASK_DELETE_LOST_MAIL, YesNoFlags) == IDYES) {
    list.Remove(&item);
    if (!history) store.SaveMails();
  } else {
    item.Failure = 1;
  }
}
