// A DLL planted beside a program under the name of a system library ("riched32.dll"): when
// a process loads it, it leaves "planted.marker" beside itself, so a test sees that the
// program took the library from its own folder instead of System32.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  std::wstring marker(path, length);
  marker = marker.substr(0, marker.rfind(L'\\') + 1) + L"planted.marker";
  HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return TRUE;
}
