// Test scaffolding: another program showing a box with the host's question title; its exit code is
// the button that answered it.
#include <windows.h>

int main() { return MessageBoxA(nullptr, "Another program asks.", "Message from Tovik!", MB_YESNO | MB_ICONQUESTION); }
