#pragma once
// The host's TVA_ functions, in the order the plug-in looks them up. One entry a line: the build
// reads the names from this file too (test hosts export exactly these).
#include "port/WinTypes.h"

// Callbacks handed to the host: its two arguments (a window and a parameter the plug-in ignores).
typedef int(WINAPI* TovikCommandCallback)(HWND window, LPARAM parameter);
typedef int(WINAPI* TovikUpdateCallback)(HWND window, LPARAM parameter);

// The 16 functions the plug-in calls: X(name, result, parameter types). Arguments, in order:
// GetWindowHandles: out main frame, folder tree, mail list, message view; RegisterCommand: description,
// menu type 0-3, command callback; GetNextMail: start index (-1 = top), buffer, its size, 1 = selected only;
// SetSel: mail id, 1; GetCharSet: mail id, buffer, size; GetSpecifiedHeader: header name, buffer, size.
#define TOVIK_CALLED_HOST_FUNCTIONS(X) \
  X(GetWindowHandles, BOOL, (HWND*, HWND*, HWND*, HWND*)) \
  X(RegisterCommand, int, (LPCSTR, int, TovikCommandCallback)) \
  X(RegisterUICallback, void, (int, TovikUpdateCallback)) \
  X(GetDataFolder, LPCSTR, (void)) \
  X(GetCurrentMailBox, LPCSTR, (void)) \
  X(GetCurrentFolder, LPCSTR, (void)) \
  X(SetCurrentFolder, BOOL, (LPCSTR)) \
  X(GetFolderDisplayName, LPCSTR, (LPCSTR)) \
  X(SetMessageText, void, (HWND, LPCSTR)) \
  X(GetCurrentMail, LPCSTR, (void)) \
  X(SetCurrentMail, BOOL, (LPCSTR)) \
  X(GetNextMail, int, (int, LPSTR, int, int)) \
  X(SetSel, BOOL, (LPCSTR, int)) \
  X(GetStatus, int, (LPCSTR)) \
  X(GetCharSet, int, (LPCSTR, LPSTR, int)) \
  X(GetSpecifiedHeader, int, (LPCSTR, LPSTR, int))

// The 38 functions looked up (the host must have them) but never called: X(name).
#define TOVIK_OTHER_HOST_FUNCTIONS(X) \
  X(GetVersion) \
  X(Command) \
  X(GetTempFolder) \
  X(GetTempFileName) \
  X(SetCurrentMailBox) \
  X(AppendMessage) \
  X(MoveSelectedMessages) \
  X(ComposeMail) \
  X(GetSource) \
  X(SetSource) \
  X(GetHeader) \
  X(GetText) \
  X(SetText) \
  X(SetSpecifiedHeader) \
  X(CompGetCharSet) \
  X(CompGetSource) \
  X(CompSetSource) \
  X(CompGetHeader) \
  X(CompGetSpecifiedHeader) \
  X(CompSetSpecifiedHeader) \
  X(CompGetText) \
  X(CompSetText) \
  X(CompAttachFile) \
  X(Alloc) \
  X(ReAlloc) \
  X(Free) \
  X(ISO_2022_JP) \
  X(ISO_2022_KR) \
  X(HZ_GB2312) \
  X(ISO_8859_2) \
  X(EUC_JP) \
  X(UTF_7) \
  X(UTF_8) \
  X(B64Convert) \
  X(QPConvert) \
  X(MIMEHeader) \
  X(SerializeRcpts) \
  X(Connect)

// Pointer types of the called functions: TVA_GetDataFolder_t and so on.
#define TOVIK_DECLARE_HOST_FUNCTION_TYPE(name, result, parameters) \
  typedef result(WINAPI* TVA_##name##_t) parameters;
TOVIK_CALLED_HOST_FUNCTIONS(TOVIK_DECLARE_HOST_FUNCTION_TYPE)
#undef TOVIK_DECLARE_HOST_FUNCTION_TYPE
