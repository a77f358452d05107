// The dialog canceller against TovikSim's own question box, which the host shows before it selects a
// mail in its fault mode.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "sim/Transcript.h"
#include "tests/e2e/HostInThisProcess.h"
#include "uiauto/UiAutomation.h"
#include "win/host/CReconstructDialogCanceller.h"

namespace {

TEST(DialogCancellerOnHost, AnswersTheHostsQuestionNoWhileMailsAreSelected) {
  CMainFrame& host = HostInThisProcess();
  host.Faults().SetAskBeforeSelect(true);
  const size_t said = TranscriptLines().size();
  std::atomic<bool> done{false};
  // Should the canceller fail, the test answers Yes rather than hang.
  uiauto::UserThread fallback([&] {
    while (!done) {
      HWND box = uiauto::WaitForDialog("Message from Tovik!", 0, 100);
      if (box && !uiauto::WaitUntilGone(box, 3000)) uiauto::ClickButton(box, IDYES);
    }
  });
  {
    CReconstructDialogCanceller canceller;
    EXPECT_TRUE(host.Mails().SelectMail("Work\\Inbox\\?2"));
    EXPECT_TRUE(host.Mails().SelectMail("Work\\Inbox\\?3"));
  }
  done = true;
  fallback.Join();
  host.Faults().SetAskBeforeSelect(false);
  std::vector<std::string> answers;
  const std::vector<std::string> lines = TranscriptLines();
  for (size_t i = said; i < lines.size(); ++i) {
    if (lines[i].find("question box \"Message from Tovik!\" answered") != std::string::npos)
      answers.push_back(lines[i].substr(lines[i].rfind(' ') + 1));
  }
  EXPECT_EQ(answers, (std::vector<std::string>{"No", "No"}));
  EXPECT_EQ(host.Mails().CurrentMailId(), "Work\\Inbox\\?3");
  EXPECT_EQ(CancellerInterval.load(), 0);
}

}  // namespace
