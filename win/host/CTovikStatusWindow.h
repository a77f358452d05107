#pragma once
// The host's status bar. A sticky message is kept there for a while by a keeper thread, even while
// the host writes its own texts.
#include <memory>
#include <string>

#include "win/ui/CWindow.h"

struct StickyKeeper;

class CTovikStatusWindow : public CWindow {
 public:
  explicit CTovikStatusWindow(HWND statusBar) : CWindow(statusBar) {}
  ~CTovikStatusWindow() override;

  // Shows the text through the host.
  void SetText(const std::string& text);
  // Shows the text and re-writes it every 10 ms, for the given time, whenever it was replaced. An
  // earlier sticky message ends first. Once the host has told the plug-in to exit, the text is only
  // shown: no keeper starts.
  void ShowSticky(const std::string& text, DWORD milliseconds);
  // Asks the running keeper to end and waits, serving the messages it sends meanwhile, until it has
  // made its last call, or for 2 s at most.
  void EndKeeper();

 private:
  // Shared with the keeper thread, which owns a copy of everything it reads.
  std::shared_ptr<StickyKeeper> m_keeper;
};
