// The folder picker: the platform's folder browser with caption, selection and status line.
#include "lib/file/file.h"

#include "lib/error/error.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

namespace ZOR {

namespace {

// Control ids of the folder browser's template.
const int browser_status_id = 0x3743;

// Owns an item id list allocated by the shell (freed with CoTaskMemFree).
class Citem_list {
 public:
  Citem_list() = default;
  explicit Citem_list(PIDLIST_ABSOLUTE list) : list_(list) {}
  ~Citem_list() { CoTaskMemFree(list_); }
  Citem_list(const Citem_list&) = delete;
  Citem_list& operator=(const Citem_list&) = delete;
  PIDLIST_ABSOLUTE get() const { return list_; }
  PIDLIST_ABSOLUTE* receive() { return &list_; }

 private:
  PIDLIST_ABSOLUTE list_ = nullptr;
};

// Initialises COM for this thread when the program has not, and undoes it afterwards.
class Ccom_scope {
 public:
  Ccom_scope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~Ccom_scope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  Ccom_scope(const Ccom_scope&) = delete;
  Ccom_scope& operator=(const Ccom_scope&) = delete;

 private:
  HRESULT result_;
};

struct Cbrowse_state {
  const std::wstring* caption;
  const std::wstring* initial_folder;
};

// Shows path in the status line, shortened with an ellipsis to the status control's width.
void show_status(HWND dialog, const wchar_t* path) {
  wchar_t text[MAX_PATH] = {};
  lstrcpynW(text, path, MAX_PATH);
  HWND status = GetDlgItem(dialog, browser_status_id);
  RECT area = {};
  if (status && GetClientRect(status, &area) && area.right > area.left) {
    HDC dc = GetDC(status);
    if (dc) {
      HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(status, WM_GETFONT, 0, 0)));
      PathCompactPathW(dc, text, static_cast<UINT>(area.right - area.left));
      SelectObject(dc, old_font);
      ReleaseDC(status, dc);
    }
  }
  SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(text));
}

// BFFM_INITIALIZED: set the caption and the first selection.
// BFFM_SELCHANGED: lParam is the newly selected item; show its path in the status line.
int CALLBACK browse_callback(HWND dialog, UINT message, LPARAM lparam, LPARAM data) {
  const auto* state = reinterpret_cast<const Cbrowse_state*>(data);
  switch (message) {
    case BFFM_INITIALIZED:
      SetWindowTextW(dialog, state->caption->c_str());
      if (!state->initial_folder->empty()) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(state->initial_folder->c_str()));
      }
      break;
    case BFFM_SELCHANGED: {
      wchar_t path[MAX_PATH] = {};
      if (!SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lparam), path)) path[0] = L'\0';
      show_status(dialog, path);
      break;
    }
    default:
      break;
  }
  return 0;
}

}  // namespace

bool browse_for_folder(std::wstring& path, const std::wstring& root, const std::wstring& initial_folder,
                       const std::wstring& caption, const std::wstring& prompt) {
  clear_last_error();
  Ccom_scope com;
  Citem_list root_list;
  if (!root.empty()) {
    const HRESULT parsed = SHParseDisplayName(root.c_str(), nullptr, root_list.receive(), 0, nullptr);
    if (FAILED(parsed)) {
      set_hresult_error(parsed, L"SHParseDisplayName");
      return false;
    }
  }
  Cbrowse_state state = {&caption, &initial_folder};
  wchar_t display_name[MAX_PATH] = {};
  BROWSEINFOW info = {};
  info.hwndOwner = message_box_owner();
  info.pidlRoot = root_list.get();
  info.pszDisplayName = display_name;
  info.lpszTitle = prompt.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
  info.lpfn = browse_callback;
  info.lParam = reinterpret_cast<LPARAM>(&state);
  Citem_list chosen(SHBrowseForFolderW(&info));
  if (!chosen.get()) return false;
  wchar_t chosen_path[MAX_PATH] = {};
  if (!SHGetPathFromIDListW(chosen.get(), chosen_path)) {
    set_hresult_error(E_FAIL, L"SHGetPathFromIDList");
    return false;
  }
  path = chosen_path;
  return true;
}

}  // namespace ZOR
