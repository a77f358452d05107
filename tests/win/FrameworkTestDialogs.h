#pragma once
// Test-only dialog template of win_tests.exe, with ids (900-999) the plug-in never uses.
#define IDD_TEST_DIALOG 901
#define IDC_TEST_FIRST_EDIT 911
#define IDC_TEST_SECOND_EDIT 912
#define IDC_TEST_LABEL 913
