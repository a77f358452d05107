#pragma once
// The entry points the host calls, and the information block it hands to TVC_OnPlugInInfo.
#include <windows.h>

// The host's information block: four texts at fixed offsets. The host's block is at least this large.
struct TovikPlugInInfo {
  char Name[80];
  char Vendor[80];
  char Version[80];
  char Description[256];
};

extern "C" {
int WINAPI TVC_OnExit(void);
int WINAPI TVC_OnMenuInit(HWND window, HMENU menu, int menuType);
int WINAPI TVC_OnOpenMail(LPCSTR mailId);
int WINAPI TVC_OnKeyDispatch(HWND window, int keyCode, int shiftCode);
int WINAPI TVC_OnPlugInSetup(HWND window);
int WINAPI TVC_OnPlugInInfo(TovikPlugInInfo* info);
}

// Pointer types for hosts that look the entry points up.
typedef int(WINAPI* TVC_OnExit_t)(void);
typedef int(WINAPI* TVC_OnMenuInit_t)(HWND, HMENU, int);
typedef int(WINAPI* TVC_OnOpenMail_t)(LPCSTR);
typedef int(WINAPI* TVC_OnKeyDispatch_t)(HWND, int, int);
typedef int(WINAPI* TVC_OnPlugInSetup_t)(HWND);
typedef int(WINAPI* TVC_OnPlugInInfo_t)(TovikPlugInInfo*);
