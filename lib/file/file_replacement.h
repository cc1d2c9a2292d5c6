// Replacing a file as a whole: the new contents are written beside it and moved over it.
#ifndef ZOR_FILE_FILE_REPLACEMENT_H
#define ZOR_FILE_FILE_REPLACEMENT_H

#include <string>

#include "lib/file/file.h"

namespace ZOR {

// The next version of the file at target. It is written into the new file beside it,
// target + ".new", and only commit puts it in target's place, so that target is always
// either its old self or the whole new version, never a truncated or half-written file.
// The new file is removed on every path that does not end in a successful commit (also
// when the object is destroyed); one that a killed process left behind is the one name
// there can be, and the next open truncates it. Not copyable.
class Cfile_replacement {
 public:
  explicit Cfile_replacement(const std::wstring& target);
  ~Cfile_replacement();
  Cfile_replacement(const Cfile_replacement&) = delete;
  Cfile_replacement& operator=(const Cfile_replacement&) = delete;

  // Creates (or truncates) the new file beside target and opens it in file with mode ("wt",
  // "wb"). Records as Cfile::open.
  bool open(const wchar_t* mode);
  // Writes what the stream still buffers, makes sure every byte reached the disk, closes
  // the new file and moves it over target (replacing it, written through; a read-only
  // target is refused with ERROR_ACCESS_DENIED, as Windows does). Records, after
  // which the new file is gone and target untouched: errno "fflush", Win32
  // "FlushFileBuffers", errno "fclose", Win32 "MoveFileEx"; "file_write"'s message when no
  // new file is open.
  bool commit();

  // The new file; write to it between open and commit.
  Cfile file;

 private:
  // Closes and deletes the new file, keeping the error that the caller recorded.
  void discard();

  std::wstring target_;
  std::wstring new_path_;
};

}  // namespace ZOR

#endif
