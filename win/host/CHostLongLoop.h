#pragma once
// A long loop on the host's user-interface thread: the host's main window repaints (its status text
// kept), and Escape over it cancels.
#include "core/hostlink/CLongLoop.h"

class CHostLongLoop : public CLongLoop {
 protected:
  void PumpPaintMessages() override;
  bool IsEscapePressed() override;
};
