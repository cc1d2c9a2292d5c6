// Window icons from a disc's .ico file (Setup.ico): header check, loading, and their owner.
#ifndef ZOR_WINDOW_ICON_FILE_H
#define ZOR_WINDOW_ICON_FILE_H

#include <windows.h>

#include <string>

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

// Why an icon file could not be used.
enum class Icon_file_problem {
  none,
  cannot_open,  // the file does not open for reading
  not_an_icon,  // its first six bytes are not an icon directory header (a bitmap, say)
  damaged,      // the header is right but the platform cannot load the icon
};

// True when the first six bytes are an icon directory header: reserved word 0 and type 1,
// both 16-bit little-endian. Fewer than six bytes are no header.
bool is_icon_header(const unsigned char* bytes, long long count);

// Opens path ("rb"), checks its header, and loads it from the file at 32x32 into large and
// 16x16 into small (both owned by the caller's Cicon objects). On failure both are empty.
Icon_file_problem load_icon_file(const std::wstring& path, Cicon& large, Cicon& small);

// The message a program shows for a problem with Setup.ico (empty for none).
std::wstring icon_file_message(Icon_file_problem problem);

}  // namespace ZOR

#endif
