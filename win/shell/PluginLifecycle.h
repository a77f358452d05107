#pragma once
// Start-up and shut-down of the plug-in, and the operations behind its entry points.
#include <windows.h>

#include "hostapi/PluginExports.h"

// Process attach: looks up the host functions (false refuses the load), sets the application title
// and brings the favorites store up.
bool StartPlugin();

// TVC_OnExit: marks the process as exiting, ends the status bar's keeper (no thread of the plug-in
// calls the host afterwards), saves the store and restores the folder-tree state that RestoreTreeID
// names.
void StopPlugin();

// Records the mail the host has just opened in the mail history.
void RecordMailHistory(LPCSTR mailId);

// Shows the setup sheet over the host's main window; OK writes the settings. Every way into the setup
// (the host's plug-in setup, the setup command of the favorites menus) comes through here.
void RunSetup();

// Copies the plug-in's name, vendor, version and description into the host's block.
void FillPlugInInfo(TovikPlugInInfo& info);
