#pragma once
// Screenshots of the host's windows as PNG files.
#include <windows.h>

#include <string>

// Saves what the screen shows of these windows (the union of their rectangles; null handles are
// left out) to a PNG file. False when nothing could be captured or written.
bool SaveScreenshot(const std::string& path, HWND window, HWND other = nullptr);
