// Window icons from a disc's .ico file (Setup.ico): header check, loading, and their owner.
#ifndef ZOR_WINDOW_ICON_FILE_H
#define ZOR_WINDOW_ICON_FILE_H

#include <windows.h>

#include <string>

#include "lib/rules/picture_headers.h"

namespace ZOR {

// Owns one icon handle and destroys it (DestroyIcon) when reset or destroyed.
class Cicon {
 public:
  Cicon() = default;
  ~Cicon() { reset(); }
  Cicon(const Cicon&) = delete;
  Cicon& operator=(const Cicon&) = delete;

  // Destroys the icon held (if any) and takes icon.
  void reset(HICON icon = nullptr);
  HICON handle() const { return icon_; }

 private:
  HICON icon_ = nullptr;
};

// Opens path ("rb"), checks its header (is_icon_header), and loads it from the file at
// 32x32 into large and 16x16 into small (both owned by the caller's Cicon objects). On failure both are empty.
Icon_file_problem load_icon_file(const std::wstring& path, Cicon& large, Cicon& small);

}  // namespace ZOR

#endif
