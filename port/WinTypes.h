#pragma once
// The few Windows types the portable core names (handles and text pointers it passes through to
// the host). On Windows they come from <windows.h>; natively they are plain stand-ins.
#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

typedef int BOOL;
typedef unsigned long DWORD;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef std::intptr_t LPARAM;
typedef struct HWND__* HWND;
typedef struct HMENU__* HMENU;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef void (*FARPROC)();
#define WINAPI
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#endif
