#include "win/host/CHostLongLoop.h"

#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostWindows.h"

void CHostLongLoop::PumpPaintMessages() {
  if (CTovikMainWindow* main = GetMainWindow()) main->PumpPaintMessages();
}

bool CHostLongLoop::IsEscapePressed() { return ::IsEscapePressed(); }
