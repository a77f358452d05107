#pragma once
// What the host process holds of the system's objects and memory, for the soak run's check that a long
// session does not grow: GDI objects, USER objects and private bytes.
#include <cstdint>

namespace uiauto {

struct ProcessResources {
  unsigned long Gdi = 0;
  unsigned long User = 0;
  std::uint64_t PrivateBytes = 0;
};

// GetGuiResources where the system answers it; Wine's is a stub that answers 0, so there the objects
// are counted: GDI objects in the process's handle table, USER objects as the process's windows, menus
// and icons or cursors. Private bytes are the committed private pages of the address space.
ProcessResources MeasureProcessResources();

}  // namespace uiauto
