#include "sim/Screenshot.h"

#include <objidl.h>
// objidl.h first: GDI+ needs the COM declarations that the lean windows.h leaves out.
#include <gdiplus.h>

namespace {

// {557CF406-1A04-11D3-9A73-0000F81EF32E}: the PNG encoder every GDI+ offers.
const CLSID PngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

class CGdiplusSession {
 public:
  CGdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    m_started = Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
  }
  ~CGdiplusSession() {
    if (m_started) Gdiplus::GdiplusShutdown(m_token);
  }
  bool Started() const { return m_started; }

 private:
  ULONG_PTR m_token = 0;
  bool m_started = false;
};

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(length > 0 ? length : 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
  return wide;
}

bool SaveBitmap(const std::string& path, HBITMAP bitmap) {
  CGdiplusSession session;
  if (!session.Started()) return false;
  Gdiplus::Bitmap image(bitmap, nullptr);
  return image.Save(Wide(path).c_str(), &PngEncoder, nullptr) == Gdiplus::Ok;
}

}  // namespace

bool SaveScreenshot(const std::string& path, HWND window, HWND other) {
  RECT area = {0, 0, 0, 0};
  if (!GetWindowRect(window, &area)) return false;
  RECT otherArea;
  if (other && GetWindowRect(other, &otherArea)) UnionRect(&area, &area, &otherArea);
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return false;
  // The picture is taken from the screen: what is still to be painted (a pane shown again, a mail
  // just opened) is painted first, or it would be missing from the picture.
  for (HWND shown : {window, other}) {
    if (shown) RedrawWindow(shown, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  GdiFlush();
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const bool copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != 0;
  SelectObject(memory, previous);
  const bool saved = copied && SaveBitmap(path, bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}
