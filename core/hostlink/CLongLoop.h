#pragma once
// What a long loop of the core needs from the user interface while it runs on the host's
// user-interface thread: that the host keeps painting, and whether the user asks to stop. The Windows
// side implements it over the host's main window; a native test implements it with fakes.
#include <chrono>

class CLongLoop {
 public:
  virtual ~CLongLoop() = default;

  // Called at every step of the loop; true when the user cancels. The host paints and Escape is
  // tested at the first step and then every few milliseconds, not at each step: both cost more than
  // a step of a search, and a user sees no difference below a frame.
  bool IsCancelled();

 protected:
  virtual void PumpPaintMessages() = 0;
  virtual bool IsEscapePressed() = 0;

 private:
  std::chrono::steady_clock::time_point m_lastLook;
  bool m_looked = false;
};
