// Loading a disc's icon file: the header check, the two sizes, and each problem's message.
#include "lib/window/icon_file.h"

#include <gtest/gtest.h>

#include "tests/driver/test_places.h"

namespace {

// The width of an icon's picture in pixels; 0 when it cannot be read.
int icon_width(HICON icon) {
  ICONINFO info = {};
  if (!GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap = {};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

// The sample disc's Setup.ico.
std::string sample_icon_bytes() {
  return driver::read_bytes(driver::source_path(L"tests\\data\\disc1\\SetupData\\Setup.ico"));
}

TEST(IconFile, HeaderCheck) {
  const struct {
    std::string bytes;
    bool icon;
  } rows[] = {
      {std::string("\x00\x00\x01\x00\x01\x00", 6), true},
      {std::string("\x00\x00\x01\x00", 4), false},  // too short to be a header
      {std::string(), false},
      {std::string("BM\x36\x00\x00\x00", 6), false},
      {std::string("\x00\x00\x02\x00\x01\x00", 6), false},  // type 2 is a cursor
      {std::string("\x01\x00\x01\x00\x01\x00", 6), false},  // reserved word not 0
  };
  int row = 0;
  for (const auto& r : rows) {
    ++row;
    EXPECT_EQ(ZOR::is_icon_header(reinterpret_cast<const unsigned char*>(r.bytes.data()),
                                  static_cast<long long>(r.bytes.size())),
              r.icon)
        << "row " << row;
  }
}

TEST(IconFile, LoadsBothSizesOrNamesTheProblem) {
  driver::Ctemp_folder folder;
  const std::string sample = sample_icon_bytes();
  ASSERT_GT(sample.size(), 6u) << "the sample disc's Setup.ico";
  const struct {
    const char* name;
    std::string bytes;
    bool create;
    ZOR::Icon_file_problem problem;
  } rows[] = {
      {"sample icon", sample, true, ZOR::Icon_file_problem::none},
      {"missing file", "", false, ZOR::Icon_file_problem::cannot_open},
      {"bitmap", std::string("BM\x36\x00\x00\x00\x00\x00\x00\x00", 10), true, ZOR::Icon_file_problem::not_an_icon},
      {"four bytes", std::string("\x00\x00\x01\x00", 4), true, ZOR::Icon_file_problem::not_an_icon},
      {"empty file", "", true, ZOR::Icon_file_problem::not_an_icon},
      {"header only", std::string("\x00\x00\x01\x00\x01\x00\x20\x20\x00\x00\x01\x00\x20\x00\xff\xff", 16), true,
       ZOR::Icon_file_problem::damaged},
  };
  int serial = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::wstring path = folder / (L"icon" + std::to_wstring(++serial) + L".ico");
    if (row.create) folder.file(L"icon" + std::to_wstring(serial) + L".ico", row.bytes);
    ZOR::Cicon large;
    ZOR::Cicon small;
    EXPECT_EQ(ZOR::load_icon_file(path, large, small), row.problem);
    // The disc tool judges from the bytes alone and must come to the loader's verdict.
    if (row.create) {
      EXPECT_EQ(ZOR::icon_file_verdict(reinterpret_cast<const unsigned char*>(row.bytes.data()), row.bytes.size()),
                row.problem);
    }
    if (row.problem == ZOR::Icon_file_problem::none) {
      EXPECT_EQ(icon_width(large.handle()), 32);
      EXPECT_EQ(icon_width(small.handle()), 16);
    } else {
      EXPECT_EQ(large.handle(), nullptr);
      EXPECT_EQ(small.handle(), nullptr);
    }
  }
}

TEST(IconFile, Messages) {
  EXPECT_EQ(ZOR::icon_file_message(ZOR::Icon_file_problem::cannot_open), L"Setup.ico が開けませんでした。");
  EXPECT_EQ(ZOR::icon_file_message(ZOR::Icon_file_problem::not_an_icon),
            L"Setup.ico が bmp 形式になっています。アイコンエディタ等で正しいアイコンを作成して下さい。");
  EXPECT_EQ(ZOR::icon_file_message(ZOR::Icon_file_problem::damaged),
            L"Setup.ico が読み込めませんでした。ファイルが壊れている可能性があります。");
  EXPECT_EQ(ZOR::icon_file_message(ZOR::Icon_file_problem::none), L"");
}

}  // namespace
