// The application record, the program entry every program runs, and the message pump.
#include "lib/window/application.h"

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <clocale>
#include <vector>

#include "lib/error/error.h"
#include "lib/text/text.h"
#include "lib/window/window_base.h"

namespace ZOR {

Capplication application;
std::vector<HWND> snap_list;

namespace {

const wchar_t riched_library[] = L"riched32.dll";
const wchar_t riched_failed_text[] = L"riched32.dll の読み込みに失敗しました。アプリケーションを終了します。";
const wchar_t riched_failed_caption[] = L"エラー";

// Offers msg to every dialog of window_list; true when one of them handled it. The list
// can change while a dialog handles the message (Escape closes it), so a copy is walked.
bool offer_to_dialogs(MSG& msg) {
  const std::vector<HWND> dialogs = application.window_list;
  for (HWND dialog : dialogs) {
    if (!IsWindow(dialog) || !has_dialog_procedure(dialog)) continue;
    if (IsDialogMessageW(dialog, &msg)) return true;
  }
  return false;
}

// Keeps the libraries that the process loads by name out of the program's own folder:
// Setup runs elevated from the user-writable temporary folder, where anyone can leave a
// DLL beside it. From here on every load without a path searches System32 only, also
// the loads the shell and the common dialogs make for the program.
// SetDefaultDllDirectories is looked up at run time: a Windows 7 without update
// KB2533623 lacks it and keeps its usual order. True when the search is restricted.
bool restrict_library_search() {
  using Cset_default_dll_directories = BOOL(WINAPI*)(DWORD);
  const auto set_default = reinterpret_cast<Cset_default_dll_directories>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  return set_default != nullptr && set_default(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// "riched32.dll" from System32 only; without the restricted search, by its full path there.
HMODULE load_riched(bool search_restricted) {
  if (search_restricted) return LoadLibraryExW(riched_library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  wchar_t system[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(system) + L"\\" + riched_library).c_str());
}

}  // namespace

void set_main_window_handle(HWND window) {
  application.main_window = window;
  set_message_box_owner(window);
}

void init_application(HINSTANCE instance, const wchar_t* command_line) {
  application.instance = instance;
  application.command_line = command_line != nullptr ? command_line : L"";
  wchar_t module_path[MAX_PATH] = {};
  GetModuleFileNameW(instance, module_path, MAX_PATH);
  application.program_folder = directory_of(module_path);
  application.program_name = strip_extension(file_name_of(module_path));
  SetCurrentDirectoryW(application.program_folder.c_str());
  wchar_t documents[MAX_PATH] = {};
  if (SHGetSpecialFolderPathW(nullptr, documents, CSIDL_PERSONAL, FALSE)) {
    application.documents_folder = documents;
  }
}

int run_program(HINSTANCE instance, const wchar_t* command_line, const std::function<void()>& program_main) {
  const bool search_restricted = restrict_library_search();
  // An empty drive (Setup testing for the next disc) answers with an error code, not with
  // the system's "no disk" box; the flags the process already has stay.
  SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS);
  std::setlocale(LC_ALL, "japanese");
  init_application(instance, command_line);
  const HRESULT com = CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES |
                                                         ICC_INTERNET_CLASSES | ICC_PROGRESS_CLASS |
                                                         ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HMODULE riched = load_riched(search_restricted);
  if (riched == nullptr) {
    message_box_owned(nullptr, riched_failed_text, riched_failed_caption, MB_ICONWARNING);
  } else {
    if (program_main) program_main();
    FreeLibrary(riched);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}

bool pump_messages() {
  if (application.quit_received) return false;
  MSG msg;
  // PM_REMOVE takes the message in the same call that finds it, so nothing here can wait.
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      application.quit_received = true;
      return false;
    }
    if (offer_to_dialogs(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

void run_main_loop(const std::function<void()>& per_pass) {
  while (pump_messages()) {
    if (per_pass) per_pass();
    Sleep(1);
  }
}

}  // namespace ZOR
