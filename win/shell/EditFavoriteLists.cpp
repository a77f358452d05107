#include "win/shell/EditFavoriteLists.h"

void EditFavoriteLists(int) {
  // The list edit dialog opens here once it exists.
}
