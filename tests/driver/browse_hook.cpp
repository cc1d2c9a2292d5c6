// zor_browse_hook.dll: the global CBT hook that steers the folder browser of a program under
// test. The test process installs it (folder_browser.h); the platform then loads this DLL
// into every process of the prefix that creates windows. In a process for which the test
// left a request (a file mapping named after that process), the first folder browser that
// is activated gets the requested folder selected, exactly as the program's own browse
// callback would select it: BFFM_SETSELECTIONW takes a pointer, so it must be sent from
// inside the browsing process.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <string>

#include "tests/driver/browse_request.h"

namespace {

HINSTANCE module_instance = nullptr;

// True for the browser: a dialog ("#32770") holding a tree view.
bool is_folder_browser(HWND window) {
  wchar_t class_name[16] = {};
  if (GetClassNameW(window, class_name, 16) == 0 || std::wstring(class_name) != L"#32770") return false;
  return FindWindowExW(window, nullptr, L"SysTreeView32", nullptr) != nullptr;
}

// The pending request of this process, mapped; null when there is none. The caller unmaps.
driver::Cbrowse_request* open_request(HANDLE& mapping) {
  mapping = OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE,
                             driver::browse_request_name(GetCurrentProcessId()).c_str());
  if (mapping == nullptr) return nullptr;
  auto* request = static_cast<driver::Cbrowse_request*>(
      MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(driver::Cbrowse_request)));
  if (request == nullptr) CloseHandle(mapping);
  return request;
}

const UINT_PTR apply_timer_id = 0x5A0B;
// The browser fills its tree, follows the program's own first selection and refreshes on
// shell change notices partly after it has appeared, and any of these may replace a
// selection. So the requested folder is selected again on every tick of 50 ms until the
// tree has shown it selected for this many ticks in a row; only then is the test told.
const int stable_ticks = 4;
int ticks_seen_selected = 0;

// The text the tree shows for folder: its last name, or for a drive root ("T:\") a text
// holding "(T:)".
bool shows_folder(const std::wstring& item_text, std::wstring folder) {
  while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
  if (folder.size() <= 3 && folder.size() >= 2 && folder[1] == L':') {
    return item_text.find(L"(" + folder.substr(0, 2) + L")") != std::wstring::npos;
  }
  return item_text == folder.substr(folder.rfind(L'\\') + 1);
}

// The text of the tree's selected item; empty when none.
std::wstring selected_item_text(HWND browser) {
  HWND tree = FindWindowExW(browser, nullptr, L"SysTreeView32", nullptr);
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (item == nullptr) return std::wstring();
  wchar_t text[MAX_PATH] = {};
  TVITEMW info = {};
  info.mask = TVIF_TEXT;
  info.hItem = item;
  info.pszText = text;
  info.cchTextMax = MAX_PATH;
  if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info))) return std::wstring();
  return text;
}

// Notes what the tree shows selected, for the test's failure report.
void note_selected(driver::Cbrowse_request& request, const std::wstring& selected) {
  std::size_t count = selected.copy(request.selected, sizeof(request.selected) / sizeof(wchar_t) - 1);
  request.selected[count] = L'\0';
}

void CALLBACK apply_timer(HWND window, UINT, UINT_PTR id, DWORD) {
  if (!IsWindowVisible(window)) return;
  HANDLE mapping = nullptr;
  driver::Cbrowse_request* request = open_request(mapping);
  if (request == nullptr || request->pending == 0) {
    KillTimer(window, id);
  } else {
    std::wstring selected = selected_item_text(window);
    note_selected(*request, selected);
    if (!shows_folder(selected, request->path)) {
      ticks_seen_selected = 0;
      SendMessageW(window, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(request->path));
    } else if (++ticks_seen_selected >= stable_ticks) {
      KillTimer(window, id);
      InterlockedExchange(&request->pending, 0);
      InterlockedExchange(&request->applied, 1);
    }
  }
  if (request != nullptr) {
    UnmapViewOfFile(request);
    CloseHandle(mapping);
  }
}

// The browser is activated while it is still being set up; the selection is set from a
// timer, which runs from its message loop, once it shows.
LRESULT CALLBACK cbt_hook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE) {
    HWND window = reinterpret_cast<HWND>(wparam);
    if (is_folder_browser(window)) {
      ticks_seen_selected = 0;
      SetTimer(window, apply_timer_id, 50, apply_timer);
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

// Installs the hook for every thread of the prefix's desktop; the caller unhooks it.
extern "C" __declspec(dllexport) HHOOK zor_install_browse_hook() {
  return SetWindowsHookExW(WH_CBT, cbt_hook, module_instance, 0);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module_instance = instance;
  return TRUE;
}
