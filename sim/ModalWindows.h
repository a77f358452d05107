#pragma once
// Finding and reading the modal windows of this process: popup menus ("#32768"), and dialogs and
// message boxes ("#32770").
#include <windows.h>

#include <string>

// The topmost visible popup menu, dialog or message box of this process, or null.
HWND FindModalWindow();
bool IsPopupMenuWindow(HWND window);
// A message box is a dialog with the static text control 0xFFFF.
bool IsMessageBox(HWND window);
std::string WindowText(HWND window);
// One line that says what the window is and shows, for failure messages.
std::string DescribeModalWindow(HWND window);
// The popup menu shown by a "#32768" window.
HMENU MenuOfWindow(HWND window);
std::string MenuItemText(HMENU menu, int position);
// Waits up to `milliseconds` for a popup menu window that shows this menu.
HWND WaitForMenuWindow(HMENU menu, int milliseconds);
