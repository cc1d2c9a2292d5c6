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
  std::setlocale(LC_ALL, "japanese");
  init_application(instance, command_line);
  const HRESULT com = CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES |
                                                         ICC_INTERNET_CLASSES | ICC_PROGRESS_CLASS |
                                                         ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HMODULE riched = LoadLibraryW(riched_library);
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
