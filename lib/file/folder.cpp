// Folder listing, attributes, folder creation and removal, copying and the documents folder.
#include "lib/file/file.h"

#include "lib/error/error.h"
#include "lib/text/text.h"

#include <windows.h>
#include <shlobj.h>

#include <cwctype>
#include <vector>

namespace ZOR {

namespace {

// Owns a FindFirstFileW search handle.
class Cfind_handle {
 public:
  explicit Cfind_handle(HANDLE handle) : handle_(handle) {}
  ~Cfind_handle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  Cfind_handle(const Cfind_handle&) = delete;
  Cfind_handle& operator=(const Cfind_handle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

bool is_dot_name(const wchar_t* name) {
  return (name[0] == L'.' && name[1] == L'\0') || (name[0] == L'.' && name[1] == L'.' && name[2] == L'\0');
}

bool filter_accepts(const std::wstring& filter, const std::wstring& value) {
  return filter == L"*" || filter == lower_copy(value);
}

bool is_read_only(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool is_reparse_point(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

}  // namespace

bool Cfile_list::list(const std::wstring& folder, const std::wstring& name_filter,
                      const std::wstring& extension_filter, bool recurse, bool with_files, bool with_folders) {
  this->name_filter = lower_copy(name_filter);
  this->extension_filter = lower_copy(extension_filter);
  this->recurse = recurse;
  this->with_files = with_files;
  this->with_folders = with_folders;
  entries.clear();
  base = folder;
  if (base.empty() || base.back() != L'\\') base += L'\\';
  list_folder(std::wstring());
  return !entries.empty();
}

void Cfile_list::list_folder(const std::wstring& relative) {
  WIN32_FIND_DATAW found;
  Cfind_handle search(FindFirstFileW((base + relative + L"*").c_str(), &found));
  if (!search.valid()) return;
  do {
    if (is_dot_name(found.cFileName)) continue;
    const std::wstring path = relative + found.cFileName;
    const bool is_folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const std::uint64_t size = is_folder ? 0 : (std::uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    total_size += size;
    if (is_folder) {
      if (with_folders) entries.push_back({path, true, 0});
      // A linked folder is not entered: its target lies elsewhere and may hold this one.
      if (recurse && !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) list_folder(path + L'\\');
    } else if (with_files && filter_accepts(name_filter, strip_extension(path)) &&
               filter_accepts(extension_filter, extension_of(path))) {
      entries.push_back({path, false, size});
    }
  } while (FindNextFileW(search.get(), &found));
}

int path_kind(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return -1;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
}

std::uint64_t file_size(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool set_read_only(const std::wstring& path, bool on) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    set_win32_error(L"GetFileAttributes");
    return false;
  }
  const DWORD changed = on ? (attributes | FILE_ATTRIBUTE_READONLY) : (attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
  if (!SetFileAttributesW(path.c_str(), changed)) {
    set_win32_error(L"SetFileAttributes");
    return false;
  }
  return true;
}

bool create_directory(const std::wstring& path) {
  if (path_kind(path) == 0) return true;
  const int status = SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
  if (status != ERROR_SUCCESS) {
    set_win32_error_code(status, L"SHCreateDirectoryEx");
    return false;
  }
  return true;
}

bool delete_file(const std::wstring& path) {
  if (!DeleteFileW(path.c_str())) {
    set_win32_error(L"DeleteFile");
    return false;
  }
  return true;
}

bool remove_directory(const std::wstring& path) {
  if (!RemoveDirectoryW(path.c_str())) {
    set_win32_error(L"RemoveDirectory");
    return false;
  }
  return true;
}

bool duplicate_file(const std::wstring& from, const std::wstring& to) {
  if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) {
    set_win32_error(L"CopyFile");
    return false;
  }
  return true;
}

bool is_drive_path(const std::wstring& path) {
  return path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
}

bool is_path_below_drive_root(const std::wstring& path) {
  if (path.size() <= 3 || !is_drive_path(path)) return false;
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return false;
  std::vector<wchar_t> buffer(needed + 1);
  const DWORD length = GetFullPathNameW(path.c_str(), needed + 1, buffer.data(), nullptr);
  if (length == 0 || length > needed) return false;
  std::wstring full(buffer.data(), length);
  while (!full.empty() && (full.back() == L'\\' || full.back() == L'/')) full.pop_back();
  return full.size() > 3 && is_drive_path(full) && towlower(full[0]) == towlower(path[0]);
}

bool filesys_remove_directory(const std::wstring& path, bool remove_self, bool remove_subfolders,
                              bool clear_read_only) {
  if (!is_path_below_drive_root(path) || path_kind(path) != 0) {
    set_invalid_argument_error(L"filesys_remove_directory");
    return false;
  }
  Cfile_list contents;
  contents.list(path, L"*", L"*", false, true, true);
  for (const auto& entry : contents.entries) {
    const std::wstring full = contents.base + entry.path;
    if (entry.is_folder) {
      if (is_reparse_point(full)) {
        // Only the link goes; what it points to is not ours to empty.
        if (remove_subfolders) remove_directory(full);
      } else {
        filesys_remove_directory(full, remove_subfolders, remove_subfolders, clear_read_only);
      }
      continue;
    }
    if (clear_read_only) set_read_only(full, false);
    if (!is_read_only(full)) delete_file(full);
  }
  if (!remove_self) return true;
  if (clear_read_only) set_read_only(path, false);
  if (is_read_only(path)) {
    set_win32_error_code(ERROR_ACCESS_DENIED, L"RemoveDirectory");
    return false;
  }
  return remove_directory(path);
}

void remove_emptied_folders(const std::wstring& base, std::wstring relative) {
  while (!relative.empty()) {
    const std::wstring folder = base.empty() || base.back() == L'\\' ? base + relative : base + L"\\" + relative;
    if (folder.size() < 4 || !is_drive_path(folder) || folder.back() == L'\\') return;
    Cfile_list contents;
    if (contents.list(folder, L"*", L"*", false, true, true)) return;
    if (!set_read_only(folder, false) || !remove_directory(folder)) return;
    const std::wstring::size_type last = relative.rfind(L'\\');
    if (last == std::wstring::npos) return;
    relative.erase(last);
  }
}

bool get_documents_folder(std::wstring& path) {
  wchar_t buffer[MAX_PATH] = {};
  const HRESULT result = SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, buffer);
  if (result == E_FAIL) {
    set_message_error(L"パスが存在しません。", L"SHGetFolderPath");
    return false;
  }
  if (result == E_INVALIDARG) {
    set_message_error(L"無効なパラメータです。", L"SHGetFolderPath");
    return false;
  }
  if (FAILED(result) || buffer[0] == L'\0') {
    set_hresult_error(FAILED(result) ? result : E_FAIL, L"SHGetFolderPath");
    return false;
  }
  path = buffer;
  return true;
}

}  // namespace ZOR
