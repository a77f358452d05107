// A save interrupted at any step (a killed process or a failing disk) leaves the old file or the new
// one, never a torn one, and whatever it leaves behind does not disturb the next load or save.
#include <gtest/gtest.h>

#include <string>

#include "core/favorites/CFavoriteInfo.h"
#include "port/FileSystem.h"
#include "tests/core/FavoritesTestSupport.h"

namespace {

using favorites_test::InEncoding;
using favorites_test::ReadBytes;
using favorites_test::ScratchFolder;
using favorites_test::WriteBytes;

int faultStep = -1;
port::WriteFault faultKind = port::WriteContinue;

port::WriteFault InjectFault(int step) { return step == faultStep ? faultKind : port::WriteContinue; }

class FaultHook {
 public:
  FaultHook(int step, port::WriteFault kind) {
    faultStep = step;
    faultKind = kind;
    port::SetWriteFaultHook(InjectFault);
  }
  ~FaultHook() { port::SetWriteFaultHook(nullptr); }
};

// Enough folders for the file to take several write blocks.
void AddFolders(CFavoriteInfo& store, int count) {
  for (int n = 0; n < count; ++n) {
    auto item = std::make_unique<CFolderItem>();
    item->FolderId = "mailbox\\a folder with a long name to fill the blocks " + std::to_string(n);
    item->DisplayName = "Folder " + std::to_string(n);
    std::unique_ptr<CFavoriteItem> added = std::move(item);
    store.AddItem(added, FavoriteFolderList);
  }
}

TEST(AtomicSave, InterruptedAtEveryStepLeavesTheOldOrTheNewFileInEachEncoding) {
  ScratchFolder folder;
  const std::string path = folder.Path() + "RaZudazoved.ini";
  for (const IniEncoding encoding : favorites_test::AllIniEncodings) {
    SCOPED_TRACE("encoding " + std::to_string(static_cast<int>(encoding)));
    const std::string oldBytes = InEncoding(encoding, u"[Misc]\r\nMailHistoryNum=7\r\n; mine\r\n");
    CFavoriteInfo reference;
    reference.Path = folder.Path() + "reference.ini";
    WriteBytes(reference.Path, oldBytes);
    AddFolders(reference, 200);
    ASSERT_TRUE(reference.SaveFolders());
    const std::string newBytes = ReadBytes(reference.Path);
    ASSERT_GT(newBytes.size(), 4 * port::WriteBlockSize);

    for (const port::WriteFault kind : {port::WriteCrash, port::WriteFail}) {
      int step = 0;
      for (;; ++step) {
        WriteBytes(path, oldBytes);
        CFavoriteInfo store;
        store.Path = path;
        AddFolders(store, 200);
        bool saved = false;
        {
          FaultHook hook(step, kind);
          saved = store.SaveFolders();
        }
        const std::string left = ReadBytes(path);
        if (saved) {
          EXPECT_TRUE(left == newBytes) << "completed save at step " << step;
          break;
        }
        ASSERT_TRUE(left == oldBytes) << "fault " << kind << " at step " << step << " left a changed file";
        EXPECT_EQ(port::PathExists(port::TemporaryPathFor(path)), kind == port::WriteCrash && step > 0)
            << "temporary file after fault " << kind << " at step " << step;

        CFavoriteInfo next;
        next.Path = path;
        next.Load();
        EXPECT_EQ(next.MailHistoryNum, 7u);
        EXPECT_EQ(next.Folders.GetCount(), 0u);
        AddFolders(next, 200);
        ASSERT_TRUE(next.SaveFolders()) << "save after fault " << kind << " at step " << step;
        EXPECT_TRUE(ReadBytes(path) == newBytes);
        EXPECT_FALSE(port::PathExists(port::TemporaryPathFor(path)));
      }
      EXPECT_GT(step, 6) << "open, the blocks, flush, close and move were all interrupted once";
    }
  }
}

TEST(AtomicSave, AFileThatCannotBeReadIsNotOverwritten) {
  ScratchFolder folder;
  CFavoriteInfo store;
  store.Path = folder.Path() + "RaZudazoved.ini";
  ASSERT_TRUE(port::MakeFolder(store.Path));  // something that exists but reads as no file
  AddFolders(store, 1);
  EXPECT_FALSE(store.SaveFolders());
  EXPECT_TRUE(port::IsExistingFolder(store.Path));
}

}  // namespace
