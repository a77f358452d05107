#include "tests/win/MessageRecorder.h"

#include <commctrl.h>

#include <algorithm>

MessageRecorder::MessageRecorder(HWND window) : m_window(window) {
  SetWindowSubclass(window, &MessageRecorder::Record, 1, reinterpret_cast<DWORD_PTR>(this));
}

MessageRecorder::~MessageRecorder() { RemoveWindowSubclass(m_window, &MessageRecorder::Record, 1); }

bool MessageRecorder::Received(UINT id) const {
  return std::any_of(m_messages.begin(), m_messages.end(), [&](const Message& m) { return m.Id == id; });
}

LRESULT CALLBACK MessageRecorder::Record(HWND window, UINT id, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
  auto* recorder = reinterpret_cast<MessageRecorder*>(self);
  recorder->m_messages.push_back({id, wParam, lParam});
  if (recorder->OnMessage) recorder->OnMessage(id);
  return DefSubclassProc(window, id, wParam, lParam);
}
