#pragma once

// Opens the list edit dialog over the host's main window on the list of `kind` (1, 2, 3 or 5), and
// on OK stores and writes the lists the user changed; the dialog's rectangle is kept in any case.
// Without a host main window nothing opens.
void EditFavoriteLists(int kind);
