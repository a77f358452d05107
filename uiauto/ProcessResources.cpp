#include "uiauto/ProcessResources.h"

#include <windows.h>

#include <winternl.h>

namespace uiauto {

namespace {

// Wine keeps its GDI handle table where Windows does, behind the process environment block's
// GdiSharedHandleTable, with 64-bit fields on both architectures; a used entry has a type.
#pragma pack(push, 1)
struct WineGdiHandleEntry {
  std::uint64_t Object;
  std::uint32_t Owner;
  std::uint16_t Unique;
  std::uint8_t Type;
  std::uint8_t Flags;
  std::uint64_t UserPointer;
};
#pragma pack(pop)
const size_t GdiHandleCount = 0x10000;
const size_t GdiSharedHandleTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
// USER handles are 16-bit indexes that Wine and Windows also accept without their upper half.
const UINT_PTR FirstUserHandle = 0x20, EndOfUserHandles = 0x10000;

// The process environment block, as ntdll tells it.
const BYTE* ProcessEnvironment() {
  typedef LONG(WINAPI * QueryProcess)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION information = {};
  if (query == nullptr || query(GetCurrentProcess(), ProcessBasicInformation, &information, sizeof information,
                                nullptr) != 0) {
    return nullptr;
  }
  return reinterpret_cast<const BYTE*>(information.PebBaseAddress);
}

unsigned long CountGdiObjects() {
  const BYTE* environment = ProcessEnvironment();
  if (environment == nullptr) return 0;
  const auto* table =
      *reinterpret_cast<const WineGdiHandleEntry* const*>(environment + GdiSharedHandleTableOffset);
  if (table == nullptr) return 0;
  unsigned long count = 0;
  for (size_t i = 0; i < GdiHandleCount; ++i) count += table[i].Type != 0 ? 1 : 0;
  return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM parameter) {
  ++*reinterpret_cast<unsigned long*>(parameter);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM parameter) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != GetCurrentProcessId()) return TRUE;
  auto* count = reinterpret_cast<unsigned long*>(parameter);
  ++*count;
  EnumChildWindows(window, &CountChild, parameter);
  return TRUE;
}

unsigned long CountWindows() {
  unsigned long count = 0;
  EnumWindows(&CountWindow, reinterpret_cast<LPARAM>(&count));
  for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
       window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) {
    CountWindow(window, reinterpret_cast<LPARAM>(&count));
  }
  return count;
}

// Menus and icons are looked up in the process itself, so walking every handle value is quick;
// windows are asked of the server, so they are enumerated instead.
unsigned long CountMenusAndIcons() {
  unsigned long count = 0;
  for (UINT_PTR value = FirstUserHandle; value < EndOfUserHandles; value += 2) {
    if (IsMenu(reinterpret_cast<HMENU>(value))) {
      ++count;
      continue;
    }
    ICONINFO icon;
    if (GetIconInfo(reinterpret_cast<HICON>(value), &icon)) {
      ++count;
      if (icon.hbmMask) DeleteObject(icon.hbmMask);
      if (icon.hbmColor) DeleteObject(icon.hbmColor);
    }
  }
  return count;
}

std::uint64_t CountPrivateBytes() {
  std::uint64_t bytes = 0;
  MEMORY_BASIC_INFORMATION region;
  const BYTE* address = nullptr;
  while (VirtualQuery(address, &region, sizeof region) == sizeof region) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
    const BYTE* next = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
    if (next <= address) break;
    address = next;
  }
  return bytes;
}

}  // namespace

ProcessResources MeasureProcessResources() {
  ProcessResources resources;
  HANDLE process = GetCurrentProcess();
  resources.Gdi = GetGuiResources(process, GR_GDIOBJECTS);
  resources.User = GetGuiResources(process, GR_USEROBJECTS);
  // The counting below takes GDI objects of its own for a moment (the icons' bitmaps): GDI first.
  if (resources.Gdi == 0) resources.Gdi = CountGdiObjects();
  if (resources.User == 0) resources.User = CountWindows() + CountMenusAndIcons();
  resources.PrivateBytes = CountPrivateBytes();
  return resources;
}

}  // namespace uiauto
