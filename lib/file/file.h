// Stream files, folder listings and the file and folder operations the programs share.
// Every failing function records the thread's last error (lib/error) and returns false,
// 0 or -1 as stated; none shows a message.
#ifndef ZOR_FILE_FILE_H
#define ZOR_FILE_FILE_H

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace ZOR {

// ---- Stream files (C runtime FILE*, wide paths) ----

// Opens path with a C runtime mode ("rt", "rb", "wt", "wb"); handle receives the stream
// (nullptr on failure) and belongs to the caller, who closes it with file_close.
// Records: null mode -> errno 22 "file_open"; open failed -> errno "fopen(\"<mode>\")".
bool file_open(FILE*& handle, const std::wstring& path, const wchar_t* mode);
// Closes handle and sets it to nullptr; no handle is success. Records: errno "fclose".
bool file_close(FILE*& handle);
// Clears the last error, then reads up to length bytes; returns the count read.
// Records: no handle -> message "file_read"; null buffer or negative length -> errno 22
// "file_read"; short read with the stream in error -> errno "fread".
std::int64_t file_read(void* buffer, std::int64_t length, FILE* handle);
// Writes length bytes; returns the count written. Records: no handle -> message
// "file_write"; null buffer or negative length -> errno 22 "file_write"; short write ->
// errno "fwrite".
std::int64_t file_write(const void* buffer, std::int64_t length, FILE* handle);
// Moves to offset (default 0) from origin (SEEK_SET, SEEK_CUR or SEEK_END). Records: no
// handle -> message "file_seek"; unknown origin -> errno 22 "file_seek"; failure -> errno
// "fseek".
bool file_seek(FILE* handle, int origin, std::int64_t offset = 0);
// Returns the current offset. Records: no handle -> message "file_tell", result 0;
// failure -> errno "ftell", result -1.
std::int64_t file_tell(FILE* handle);

// An open stream file and its size in bytes, measured when it was opened. Closed when
// destroyed or reopened. Read and write through the free functions with handle.
class Cfile {
 public:
  Cfile() = default;
  ~Cfile();
  Cfile(const Cfile&) = delete;
  Cfile& operator=(const Cfile&) = delete;

  // Closes any open file (a failed close fails here), then opens path with mode and
  // measures its size. On failure no file is open and size is 0.
  bool open(const std::wstring& path, const wchar_t* mode);
  // Closes the file; true when none was open. Records as file_close.
  bool close();
  // Writes text in the ANSI code page, without a terminator; true when every byte went.
  bool write_text(const std::wstring& text);

  FILE* handle = nullptr;
  std::int64_t size = 0;
};

// ---- Folder listing ----

// One listed name: path relative to the list's base (subfolders joined with '\', no
// trailing '\' on folders); size is 0 for folders.
struct Cfile_entry {
  std::wstring path;
  bool is_folder = false;
  std::uint64_t size = 0;
};

// The result of listing a folder with name and extension filters.
class Cfile_list {
 public:
  // Lists folder (recursing when asked; a folder's entry precedes its contents) and
  // keeps the files whose name without extension matches name_filter and whose extension
  // matches extension_filter ("*" matches anything; both compared with A-Z folded to
  // lower case, and stored folded). entries is emptied first; total_size is not: it adds
  // the size of every file met, filtered or not, across calls. A folder that cannot be
  // listed adds nothing and is no error. Returns true when at least one entry was listed.
  bool list(const std::wstring& folder, const std::wstring& name_filter, const std::wstring& extension_filter,
            bool recurse, bool with_files, bool with_folders);

  std::wstring base;  // the listed folder followed by '\'
  std::wstring name_filter = L"*";
  std::wstring extension_filter = L"*";
  bool recurse = false;
  bool with_files = true;
  bool with_folders = false;
  std::vector<Cfile_entry> entries;
  std::uint64_t total_size = 0;

 private:
  void list_folder(const std::wstring& relative);
};

// ---- Paths and attributes ----

// -1 when path does not exist, 0 for a folder, 1 for anything else.
int path_kind(const std::wstring& path);
// The file's size from its attributes; 0 when they cannot be read.
std::uint64_t file_size(const std::wstring& path);
// Sets or clears the read-only attribute. Records: Win32 "GetFileAttributes" or
// "SetFileAttributes".
bool set_read_only(const std::wstring& path, bool on);
// True at once for an existing folder; otherwise creates it and any missing parents.
// Records: Win32 status "SHCreateDirectoryEx".
bool create_directory(const std::wstring& path);
// Deletes one file. Records: Win32 "DeleteFile".
bool delete_file(const std::wstring& path);
// Removes one empty folder. Records: Win32 "RemoveDirectory".
bool remove_directory(const std::wstring& path);
// Copies one file, replacing an existing target. Records: Win32 "CopyFile".
bool duplicate_file(const std::wstring& from, const std::wstring& to);
// True for a path that starts with a drive letter, a colon and a backslash ("C:\", "C:\x").
bool is_drive_path(const std::wstring& path);
// True for an absolute drive path below the drive's root ("C:\x" or deeper), also once "."
// and ".." are resolved, so that "C:\a\.." cannot stand for "C:\". Records nothing.
bool is_path_below_drive_root(const std::wstring& path);
// Removes the contents of an absolute folder below a drive root ("C:\x" or deeper):
// files (read-only ones only when clear_read_only clears them first), subfolders (their
// contents always, the subfolders themselves when remove_subfolders) and, when
// remove_self, the folder itself. Failures of single deletions do not stop the walk.
// Refuses (errno 22 "filesys_remove_directory", nothing deleted) anything but an existing
// folder whose full path lies below a drive root. Returns true when remove_self is false,
// else whether the folder was removed.
bool filesys_remove_directory(const std::wstring& path, bool remove_self, bool remove_subfolders,
                              bool clear_read_only);
// Removes the folders of relative below base once they are empty, deepest first (base\a\b,
// then base\a), read-only ones included; stops at the first that is not empty or cannot be
// removed, and never touches base itself. Only folders below a drive letter are removed.
// Records the failed operation's error when a removal fails.
void remove_emptied_folders(const std::wstring& base, std::wstring relative);
// The current user's documents folder. Records: message "SHGetFolderPath" for E_FAIL and
// E_INVALIDARG, HRESULT "SHGetFolderPath" for any other failure.
bool get_documents_folder(std::wstring& path);
// The platform's folder browser, owned by message_box_owner(): prompt above the tree,
// tree rooted at root (the desktop when empty), caption as its title, initial_folder
// selected, the selected path shortened in the status line. True with the chosen folder
// in path; false when cancelled (no record) or when the browser failed (recorded).
bool browse_for_folder(std::wstring& path, const std::wstring& root, const std::wstring& initial_folder,
                       const std::wstring& caption, const std::wstring& prompt);

}  // namespace ZOR

#endif
