#pragma once
// Records the messages a window receives ahead of its own procedure, which still gets them all.
#include <windows.h>

#include <functional>
#include <vector>

class MessageRecorder {
 public:
  explicit MessageRecorder(HWND window);
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  struct Message {
    UINT Id;
    WPARAM WParam;
    LPARAM LParam;
  };
  bool Received(UINT id) const;
  const std::vector<Message>& Messages() const { return m_messages; }
  // Runs for every message before the window's own procedure.
  std::function<void(UINT id)> OnMessage;

 private:
  static LRESULT CALLBACK Record(HWND window, UINT id, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
  HWND m_window;
  std::vector<Message> m_messages;
};
