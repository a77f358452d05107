#include "win/host/MailSearch.h"

#include <windows.h>

#include <cstdint>
#include <memory>

#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolders.h"
#include "core/mail/CTovikIdxFile.h"
#include "core/mail/MailHeaders.h"
#include "win/host/CHostLongLoop.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostWindows.h"

namespace {

// Looks the indexed conditions up in order, each from the entry found for the one before, and
// selects the mail of the entry found last. Sets `headerOnly` for a condition the index cannot answer:
// a header it lacks, or a text in encoded words, which the host's index may hold decoded.
int SearchIndex(CTovikIdxFile& index, const std::vector<MailCondition>& conditions, bool& headerOnly) {
  CHostLongLoop loop;
  std::uint32_t position = 0;
  int result = IdxNotFound;
  for (const MailCondition& condition : conditions) {
    const int field = CTovikIdxFile::FieldOfHeader(condition.Name);
    if (field < 0 || HoldsEncodedWord(condition.Value)) {
      headerOnly = true;
      continue;
    }
    result = index.Find(position, field, condition.Value, loop);
    if (result != IdxFound) return result;
  }
  if (result == IdxFound) {
    const std::string number(index.GetEntry(position).GetField(1));
    Host().SetCurrentMail((HostText(Host().GetCurrentFolder()) + "?" + number).c_str());
    PokeMailList();
  }
  return result;
}

bool CurrentMailMeets(const std::vector<MailCondition>& conditions) {
  for (const MailCondition& condition : conditions) {
    char value[1024] = "";
    Host().GetSpecifiedHeader(condition.Name.c_str(), value, sizeof value);
    value[sizeof value - 1] = '\0';
    if (condition.Value != UnfoldHeader(value)) return false;
  }
  return true;
}

// Every step of the walk selects a mail in the host, which costs far more than a look at the queue.
bool IsCancelledNow(CTovikMainWindow* main) {
  if (main) main->PumpPaintMessages();
  return IsEscapePressed();
}

// Checks the current mail, then selects the folder's mails from the top one by one until one meets
// every condition. The mail list does not draw meanwhile.
int WalkMails(const std::vector<MailCondition>& conditions, CTovikMainWindow* main, CTovikStatusWindow* status) {
  CWindow* frame = main ? main->GetFrameWindow() : nullptr;
  if (frame) frame->SetRedraw(false);
  int result = IsCancelledNow(main) ? IdxCancelled : IdxNotFound;
  for (int mail = -1; result == IdxNotFound;) {
    if (CurrentMailMeets(conditions)) {
      result = IdxFound;
      break;
    }
    char id[512] = "";
    const int next = Host().GetNextMail(mail, id, sizeof id, 0);
    if (next <= mail) break;  // -1 at the end; a host going round in circles ends the walk as well
    mail = next;
    id[sizeof id - 1] = '\0';
    Host().SetCurrentMail(id);
    PokeMailList();
    if (status) status->SetRedraw(true);
    if (IsCancelledNow(main)) result = IdxCancelled;
  }
  // Drawing was turned off by taking the frame's visible style away: showing it again redraws it
  // with everything in it. Its drawing is then on again in name too, whatever ended the walk: while
  // it is not, the mails the host opens count as the plug-in's own work and none reaches the history.
  if (frame) {
    frame->ShowWindow(SW_SHOW);
    frame->SetRedraw(true);
    frame->Invalidate(true);
  }
  return result;
}

}  // namespace

int FindMailInCurrentFolder(const std::vector<MailCondition>& conditions, const std::string& statusText,
                            CTovikIdxFile* index) {
  if (conditions.empty()) return IdxNoStart;
  CTovikMainWindow* main = GetMainWindow();
  CTovikStatusWindow* status = main && !statusText.empty() ? main->GetStatusWindow() : nullptr;
  if (status) status->SetText(statusText);
  std::unique_ptr<CTovikIdxFile> ownIndex;
  if (index == nullptr) {
    ownIndex = std::make_unique<CTovikIdxFile>(GetCurrentFolderIndexPath());
    index = ownIndex.get();
  }
  int result = IdxNotFound;
  bool headerOnly = false;
  if (index->Open()) {
    result = SearchIndex(*index, conditions, headerOnly);
    index->Close();
  }
  // A search the user cancelled stays cancelled.
  if (headerOnly && result != IdxCancelled) {
    if (status) {
      status->SetText(statusText);
      status->Update();
      status->SetRedraw(false);
    }
    result = WalkMails(conditions, main, status);
  }
  if (status) {
    status->SetRedraw(true);
    status->Invalidate(true);
    ShowCurrentFolderName();
  }
  return result;
}
