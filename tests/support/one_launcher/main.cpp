// OneLauncher.exe, the reference of Autorun in scripts/bench_startup.sh: the plainest
// launcher that does Autorun's work on the way to the menu. It copies Foyer.exe and
// Setup.exe from the folder named by its one argument into "OneLauncherCopy" in the
// temporary folder (CopyFileW, replacing), starts OneDialog.exe from its own folder with
// CreateProcessW and ends; no library, nothing else read. Exit code 1 when a step fails.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count < 2) return 1;
  const std::wstring from = arguments[1];
  LocalFree(arguments);
  wchar_t temporary[MAX_PATH + 1] = {};
  if (GetTempPathW(MAX_PATH + 1, temporary) == 0) return 1;
  const std::wstring to = std::wstring(temporary) + L"OneLauncherCopy\\";
  CreateDirectoryW(to.c_str(), nullptr);
  for (const wchar_t* name : {L"Foyer.exe", L"Setup.exe"}) {
    if (!CopyFileW((from + L"\\" + name).c_str(), (to + name).c_str(), FALSE)) return 1;
  }
  wchar_t own[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, own, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return 1;
  std::wstring program(own, length);
  program = program.substr(0, program.rfind(L'\\') + 1) + L"OneDialog.exe";
  std::wstring command = L"\"" + program + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessW(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return 1;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return 0;
}
