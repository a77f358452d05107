#include "win/host/ModuleThreads.h"

#include <process.h>

namespace {

// The module this code lives in: the plug-in, or a test program that links it.
HMODULE ThisModule(DWORD flags) {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | flags, reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

}  // namespace

bool StartModuleThread(ModuleThreadBody body, void* parameter) {
  HMODULE reference = ThisModule(0);
  if (reference == nullptr) return false;
  // Not _beginthread: its handle is closed only by _endthread, which a thread that has to leave
  // through FreeLibraryAndExitThread never reaches. This handle is closed here; the thread runs on.
  const uintptr_t thread = _beginthreadex(nullptr, 0, body, parameter, 0, nullptr);
  if (thread == 0) {
    FreeLibrary(reference);
    return false;
  }
  CloseHandle(reinterpret_cast<HANDLE>(thread));
  return true;
}

void EndModuleThread() {
  // The reference taken at the start is the one given back here.
  FreeLibraryAndExitThread(ThisModule(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT), 0);
}
