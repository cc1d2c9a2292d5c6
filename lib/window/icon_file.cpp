// Loading a disc's icon file after checking that it really is an icon.
#include "lib/window/icon_file.h"

#include "lib/file/file.h"

namespace ZOR {

void Cicon::reset(HICON icon) {
  if (icon_ != nullptr) DestroyIcon(icon_);
  icon_ = icon;
}

namespace {

HICON load_icon_at(const std::wstring& path, int size) {
  return static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
}

}  // namespace

Icon_file_problem load_icon_file(const std::wstring& path, Cicon& large, Cicon& small) {
  large.reset();
  small.reset();
  {
    Cfile file;
    if (!file.open(path, L"rb")) return Icon_file_problem::cannot_open;
    unsigned char header[icon_header_size] = {};
    long long count = file_read(header, sizeof header, file.handle);
    if (!is_icon_header(header, count)) return Icon_file_problem::not_an_icon;
  }
  large.reset(load_icon_at(path, 32));
  small.reset(load_icon_at(path, 16));
  if (large.handle() == nullptr || small.handle() == nullptr) {
    large.reset();
    small.reset();
    return Icon_file_problem::damaged;
  }
  return Icon_file_problem::none;
}

}  // namespace ZOR
