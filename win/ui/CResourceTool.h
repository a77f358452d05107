#pragma once
// Texts of the plug-in's string table, formatted texts and message boxes.
#include <windows.h>

#include <vector>
#include <string>

class CWindow;

// Caption of every message box of the plug-in, "RaZudazoved" once the plug-in has started.
extern std::string AppTitle;

class CResourceTool {
 public:
  virtual ~CResourceTool() = default;

  // The text of the string id (at most 2047 bytes); false, and `text` untouched, when there is none.
  static bool LoadString(std::string& text, UINT id);
  // The text of the string id, empty when there is none.
  static std::string LoadString(UINT id);
  // The string id's text with "%1", "%2"... replaced by the arguments, in order.
  static bool FormatString(std::string& text, UINT id, const std::vector<std::string>& arguments);
  // A message box owned by the window (none: no owner); the button the user pressed.
  static int MessageBox(const CWindow* owner, const std::string& text, const std::string& caption, UINT flags);
  static int MessageBox(const CWindow* owner, UINT textId, const std::string& caption, UINT flags);
};
