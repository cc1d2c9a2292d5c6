// Loading a disc's icon file after checking that it really is an icon.
#include "lib/window/icon_file.h"

#include "lib/file/file.h"

namespace ZOR {

void Cicon::reset(HICON icon) {
  if (icon_ != nullptr) DestroyIcon(icon_);
  icon_ = icon;
}

bool is_icon_header(const unsigned char* bytes, long long count) {
  if (count < 6) return false;
  unsigned reserved = bytes[0] | (bytes[1] << 8);
  unsigned type = bytes[2] | (bytes[3] << 8);
  return reserved == 0 && type == 1;
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
    unsigned char header[6] = {};
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

std::wstring icon_file_message(Icon_file_problem problem) {
  switch (problem) {
    case Icon_file_problem::cannot_open:
      return L"Setup.ico が開けませんでした。";
    case Icon_file_problem::not_an_icon:
      return L"Setup.ico が bmp 形式になっています。アイコンエディタ等で正しいアイコンを作成して下さい。";
    case Icon_file_problem::damaged:
      return L"Setup.ico が読み込めませんでした。ファイルが壊れている可能性があります。";
    case Icon_file_problem::none:
      break;
  }
  return std::wstring();
}

}  // namespace ZOR
