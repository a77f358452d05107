#pragma once
// Identifiers of the host's own resources (TovikSim.rc).
#define IDD_RENAME_FOLDER 101
#define IDC_FOLDER_NAME 1002
