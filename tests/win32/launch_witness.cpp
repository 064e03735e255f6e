// Stands in for a browser: writes which program started it, and the address it was given, into
// the file named by its first argument ("explorer.exe|address").
#include <windows.h>
#include <tlhelp32.h>

#include <fstream>
#include <map>

int main(int argc, char** argv) {
  if (argc < 3) return 1;
  std::map<DWORD, PROCESSENTRY32> processes;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    processes[entry.th32ProcessID] = entry;
  }
  CloseHandle(snapshot);
  DWORD parent = processes[GetCurrentProcessId()].th32ParentProcessID;
  std::ofstream(argv[1]) << processes[parent].szExeFile << "|" << argv[2];
  return 0;
}
