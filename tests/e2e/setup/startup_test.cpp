// Setup's start-up: every failure of the command line, the disc and Setup.ini ends with its
// message (caption, text, icon) and exit code 0; a second Setup ends silently.
#include <gtest/gtest.h>

#include <functional>

#include "lib/cmdline/command_line.h"
#include "tests/e2e/setup/setup_support.h"

namespace setup_test {
namespace {

using driver::Box_icon;

struct Startup_row {
  const char* name;
  // Prepares the disc and returns the arguments (the disc's own when empty).
  std::function<std::wstring(const Csample_disc&)> prepare;
  std::wstring caption;  // "title" stands for the disc's game title
  std::wstring text;
  Box_icon icon;
};

// Replaces Setup.ini's lines from the first that starts with key by line.
std::function<std::wstring(const Csample_disc&)> ini_line(const std::wstring& key, const std::wstring& line) {
  return [key, line](const Csample_disc& disc) {
    disc.set_ini_line(key, line);
    return std::wstring();
  };
}

std::function<std::wstring(const Csample_disc&)> extra_line(const std::wstring& line) {
  return [line](const Csample_disc& disc) {
    disc.add_ini_line(line);
    return std::wstring();
  };
}

std::function<std::wstring(const Csample_disc&)> without_line(const std::wstring& key) {
  return [key](const Csample_disc& disc) {
    disc.remove_ini_lines(key);
    return std::wstring();
  };
}

std::function<std::wstring(const Csample_disc&)> icon_bytes(const std::string& bytes) {
  return [bytes](const Csample_disc& disc) {
    EXPECT_TRUE(write_bytes(disc.dir() + L"\\Setup.ico", bytes));
    return std::wstring();
  };
}

const std::wstring not_icon = L"Setup.ico が bmp 形式になっています。アイコンエディタ等で正しいアイコンを作成して下さい。";

void run_row(const Startup_row& row) {
  SCOPED_TRACE(row.name);
  Csample_disc disc;
  std::wstring arguments = row.prepare(disc);
  if (arguments.empty()) arguments = disc.arguments(L"setup");
  if (arguments == L"-") arguments.clear();
  Csetup setup;
  ASSERT_TRUE(setup.start(arguments));
  ASSERT_TRUE(setup.expect_box(row.caption == L"title" ? disc1_title : row.caption, row.text, row.icon, IDOK));
  setup.expect_exit();
}

TEST(SetupStartup, CommandLineFailuresEndWithTheirMessage) {
  const Startup_row rows[] = {
      {"no arguments", [](const Csample_disc&) { return std::wstring(L"-"); }, L"Setup.exe",
       L"モジュールの起動場所が指定されていません。", Box_icon::warning},
      {"no /mode", [](const Csample_disc& d) { return L"/dir=\"" + ZOR::escape_argument_value(d.dir()) + L"\""; }, L"Setup.exe",
       L"プログラムの起動モードが指定されていません。", Box_icon::warning},
      {"/MODE in capitals", [](const Csample_disc& d) {
         return L"/MODE=\"setup\" /dir=\"" + ZOR::escape_argument_value(d.dir()) + L"\"";
       },
       L"Setup.exe", L"プログラムの起動モードが指定されていません。", Box_icon::warning},
      {"unknown mode", [](const Csample_disc& d) { return d.arguments(L"install"); }, L"Setup.exe",
       L"プログラムの起動モードが指定されていません。", Box_icon::warning},
      {"/dir without value", [](const Csample_disc&) { return std::wstring(L"/mode=\"setup\" /dir"); }, L"Setup.exe",
       L"モジュールの起動場所が指定されていません。", Box_icon::warning},
      {"no leading slash", [](const Csample_disc&) { return std::wstring(L"mode=\"setup\""); }, L"Setup.exe",
       L"コマンドラインの解析に失敗しました。\n1個目の引数の解析に失敗しました。コマンドの最初は '/' で始めなければいけません。。",
       Box_icon::none},
      {"value not quoted", [](const Csample_disc&) { return std::wstring(L"/mode=\"setup\" /dir=C:\\x"); },
       L"Setup.exe", L"コマンドラインの解析に失敗しました。\n2個目の引数の解析に失敗しました。'=' に続く値が見つかりません。",
       Box_icon::none},
  };
  for (const Startup_row& row : rows) run_row(row);
}

TEST(SetupStartup, DiscLayoutFailuresEndWithTheirMessage) {
  const Startup_row rows[] = {
      {"missing setup data folder",
       [](const Csample_disc& d) {
         return L"/mode=\"setup\" /dir=\"" + ZOR::escape_argument_value(d.dir() + L"\\nothing") + L"\"";
       },
       L"Setup.exe", L"SetupData フォルダが見つかりませんでした。", Box_icon::warning},
      {"missing GameData",
       [](const Csample_disc& d) {
         MoveFileW(d.game_data().c_str(), (d.scratch() + L"\\GameData").c_str());
         return std::wstring();
       },
       L"Setup.exe", L"GameData フォルダが見つかりませんでした。", Box_icon::warning},
      {"missing Setup.ini",
       [](const Csample_disc& d) {
         DeleteFileW((d.dir() + L"\\Setup.ini").c_str());
         return std::wstring();
       },
       L"Setup.exe", L"Setup.ini が見つかりませんでした。", Box_icon::warning},
      {"missing Setup.ico",
       [](const Csample_disc& d) {
         DeleteFileW((d.dir() + L"\\Setup.ico").c_str());
         return std::wstring();
       },
       L"Setup.exe", L"Setup.ico が見つかりません。", Box_icon::warning},
      {"bitmap saved as Setup.ico", icon_bytes(std::string("BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00", 14)),
       L"title", not_icon, Box_icon::warning},
      {"Setup.ico of four bytes", icon_bytes(std::string("\x00\x00\x01\x00", 4)), L"title", not_icon,
       Box_icon::warning},
      {"empty Setup.ico", icon_bytes(std::string()), L"title", not_icon, Box_icon::warning},
      {"damaged icon", icon_bytes(std::string("\x00\x00\x01\x00\x01\x00\x20\x20\x00\x00\x01\x00\x20\x00\xff\xff", 16)),
       L"title", L"Setup.ico が読み込めませんでした。ファイルが壊れている可能性があります。", Box_icon::warning},
      {"missing listed file",
       [](const Csample_disc& d) {
         DeleteFileW((d.game_data() + L"\\遊び方.txt").c_str());
         return std::wstring();
       },
       L"title", L"遊び方.txt ファイルまたはフォルダが見つかりませんでした。", Box_icon::warning},
  };
  for (const Startup_row& row : rows) run_row(row);
}

TEST(SetupStartup, SetupIniFailuresEndWithTheirMessage) {
  const Startup_row rows[] = {
      {"escape error", extra_line(L"#SETUP_FILE = \"data\\x\""), L"Setup.exe",
       L"Setup.ini の解析に失敗しました。\n不正なエスケープ（\\）です。'\\' を使うには '\\\\' と書いて下さい。 (18行目)",
       Box_icon::warning},
      {"unclosed block comment", ini_line(L"#DISC_CNT", L"/* 閉じない"), L"Setup.exe",
       L"Setup.ini の解析に失敗しました。\n コメント (/*) が閉じられていません。 (9行目)", Box_icon::warning},
      {"unmatched line", extra_line(L"#SETUP_FILE = readme.txt"), L"Setup.exe",
       L"Setup.ini の解析に失敗しました。(18行目)", Box_icon::warning},
      {"no title", without_line(L"#GAME_TITLE"), L"Setup.exe", L"ゲームタイトルが設定されていません。",
       Box_icon::warning},
      {"no registry path", without_line(L"#REG_PATH"), L"title", L"レジストリパスが設定されていません。",
       Box_icon::warning},
      {"registry path of one part", ini_line(L"#REG_PATH", L"#REG_PATH = \"Game\""), L"title",
       L"レジストリパスが不正です。", Box_icon::warning},
      {"three discs", ini_line(L"#DISC_CNT", L"#DISC_CNT = 3"), L"title",
       L"ディスク枚数は１枚もしくは２枚にして下さい。", Box_icon::warning},
      {"second disc without name",
       [](const Csample_disc& d) {
         d.set_ini_line(L"#DISC_CNT", L"#DISC_CNT = 2");
         d.add_ini_line(L"#DISC_NAME.0 = \"一枚目\"");
         return std::wstring();
       },
       L"title", L"2枚目のディスク名が指定されていません。", Box_icon::warning},
      {"no entries", without_line(L"#SETUP_FILE"), L"title", L"セットアップするファイルが指定されていません。",
       Box_icon::warning},
      {"empty third entry", ini_line(L"#SETUP_FILE = \"system.dat\"", L"#SETUP_FILE = \"\""), L"title",
       L"セットアップするファイルの 3 番目が指定されていません。", Box_icon::warning},
  };
  for (const Startup_row& row : rows) run_row(row);
}

TEST(SetupStartup, UninstallWithoutRecordedInstallationEndsWithItsMessage) {
  const wchar_t* setup_dirs[] = {nullptr, L"", L"Games"};
  for (const wchar_t* setup_dir : setup_dirs) {
    SCOPED_TRACE(testing::Message() << "setup_dir " << (setup_dir ? testing::PrintToString(std::wstring(setup_dir))
                                                                  : std::string("missing")));
    Csample_disc disc;
    if (setup_dir != nullptr) {
      HKEY key = nullptr;
      ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, disc.reg_key().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                nullptr),
                ERROR_SUCCESS);
      RegSetValueExW(key, L"setup_dir", 0, REG_SZ, reinterpret_cast<const BYTE*>(setup_dir),
                     static_cast<DWORD>((wcslen(setup_dir) + 1) * sizeof(wchar_t)));
      RegCloseKey(key);
    }
    Csetup setup;
    ASSERT_TRUE(setup.start(disc.arguments(L"uninstall")));
    ASSERT_TRUE(setup.expect_box(disc1_title, L"セットアップ情報が見つかりませんでした。", Box_icon::warning, IDOK));
    setup.expect_exit();
  }
}

TEST(SetupStartup, SecondSetupEndsSilentlyWhileTheFirstRuns) {
  Csample_disc disc;
  Csetup first;
  ASSERT_TRUE(first.start(disc.arguments(L"setup")));
  HWND dialog = first.wait_dialog(disc1_title, start_button);
  ASSERT_TRUE(dialog);
  Csetup second;
  ASSERT_TRUE(second.start(disc.arguments(L"setup")));
  // A message box would keep it running: it must end by itself, at once.
  second.expect_exit();
  ASSERT_TRUE(driver::click(dialog, close_button));
  first.expect_exit();
}

}  // namespace
}  // namespace setup_test
