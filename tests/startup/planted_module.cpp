// A DLL that does nothing: the stand-in for a DLL planted beside the installer.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
