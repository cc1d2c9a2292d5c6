// Cfile_replacement: a new file beside the target, flushed to the disk, then moved over it.
#include "lib/file/file_replacement.h"

#include <windows.h>

#include <io.h>

#include <cstdio>

#include "lib/error/error.h"

namespace ZOR {

Cfile_replacement::Cfile_replacement(const std::wstring& target) : target_(target) {}

Cfile_replacement::~Cfile_replacement() { discard(); }

bool Cfile_replacement::open(const wchar_t* mode) {
  discard();
  // A fixed name rather than a unique one: a save interrupted by the end of the process
  // leaves at most this one file, which the next save takes over.
  new_path_ = target_ + L".new";
  if (!file.open(new_path_, mode)) {
    discard();
    return false;
  }
  return true;
}

bool Cfile_replacement::commit() {
  if (file.handle == nullptr) {
    set_message_error(L"ファイルが開かれていません。", L"file_write");
    discard();
    return false;
  }
  // The stream's buffer goes to the system first, then the system's cache to the disk:
  // only then may the new file take the old one's place.
  if (std::fflush(file.handle) != 0) {
    set_errno_error(L"fflush");
    discard();
    return false;
  }
  if (!FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file.handle))))) {
    set_win32_error(L"FlushFileBuffers");
    discard();
    return false;
  }
  if (!file.close()) {
    discard();
    return false;
  }
  // Windows refuses to replace a read-only file; Wine's rename does not, so the refusal is
  // made here, with the code Windows gives.
  const DWORD attributes = GetFileAttributesW(target_.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    set_win32_error_code(ERROR_ACCESS_DENIED, L"MoveFileEx");
    discard();
    return false;
  }
  if (!MoveFileExW(new_path_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    set_win32_error(L"MoveFileEx");
    discard();
    return false;
  }
  new_path_.clear();
  return true;
}

void Cfile_replacement::discard() {
  if (file.handle == nullptr && new_path_.empty()) return;
  Cerror_info kept;
  const bool had_error = get_last_error(kept);
  file.close();
  if (!new_path_.empty()) DeleteFileW(new_path_.c_str());
  new_path_.clear();
  if (had_error) {
    set_last_error(kept);
  } else {
    clear_last_error();
  }
}

}  // namespace ZOR
