#pragma once
// Real windows standing in for the host's: a main frame with an "AfxMDIFrame42s" child holding the
// folder tree, mail list and message view, and an "msctls_statusbar32" status bar.
#include <windows.h>

struct TestHostWindows {
  HWND MainFrame;
  HWND MdiFrame;
  HWND FolderTree;
  HWND MailList;
  HWND MessageView;
  HWND StatusBar;
};

// Made once, on the thread of the tests, and shown; points the fake host at them on every call
// (ResetFakeHost forgets them). Their thread must pump messages while the plug-in's helper threads
// talk to them (uiauto::PumpMessagesFor).
const TestHostWindows& UseTestHostWindows();
