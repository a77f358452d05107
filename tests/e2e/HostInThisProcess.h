#pragma once
// TovikSim's host made inside the test program, on a fresh sample store, with the plug-in's code
// linked in: the plug-in's calls reach the host's own TVA_ functions and its real windows, and the
// tests call the plug-in's classes directly on the host's thread.
#include <windows.h>

#include <string>

#include "sim/CMainFrame.h"

// Made on first use (the plug-in's host functions looked up in this program), closed at exit.
CMainFrame& HostInThisProcess();

// Makes the host's main window the active one, as it is while the user works in it.
bool ActivateHost();
