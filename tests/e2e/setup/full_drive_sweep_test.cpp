// The drive fills at every point of a small install: for each k from "everything but
// reg.ini fits" down to 0, the drive keeps exactly k pages of 4 KiB free while the copy runs.
// The install stops with the message of the file that did not fit (or reg.ini's), and the
// rollback leaves the drive, the disc, the key and Setup's temporary folder as they were.
#include <shlobj.h>

#include <gtest/gtest.h>

#include "lib/file/file.h"

#include "tests/e2e/setup/setup_support.h"

namespace setup_test {
namespace {

constexpr std::int64_t page_size = 4096;
const wchar_t second_disc_prompt[] = L"星降る夜の物語 ディスク２を入れて下さい。";
// Every file here fits the copy's 64 KB stream buffer, so its bytes reach the drive when
// it is closed: that is where a full drive shows.
const wchar_t write_failed[] = L" への書き込みに失敗しました。セットアップを中止します。\n関数 fclose においてエラーが発生しました。\n";

// The install: top-level entries in Setup.ini order, folders with files, an empty folder,
// an empty file, sizes on and off the chunk and page boundaries (30 chunks in all).
const std::pair<const wchar_t*, std::int64_t> layout[] = {
    {L"first.bin", 25000},         {L"pack\\one.bin", 10240},      {L"pack\\three.bin", 1},
    {L"pack\\empty\\", 0},         {L"pack\\deep\\two.bin", 40961}, {L"pack\\deep\\zero.bin", 0},
    {L"mid.bin", 51200},           {L"more\\m1.bin", 30000},       {L"more\\m2.bin", 30000},
    {L"more\\m3.bin", 20481},      {L"last.bin", 61439},
};
const wchar_t* const entries[] = {L"first.bin", L"pack", L"mid.bin", L"more", L"last.bin"};

// A file as the copy meets it: the name its status and messages show, the pages it takes.
struct Cplanned_file {
  std::wstring name;
  std::int64_t pages;
};

// The files of folder in the order the copy takes them: the system's listing order, each
// subfolder's files where the subfolder is listed.
void plan_folder(const std::wstring& folder, std::vector<Cplanned_file>& plan) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      plan_folder(folder + L"\\" + name, plan);
    } else {
      plan.push_back({name, (static_cast<std::int64_t>(found.nFileSizeLow) + page_size - 1) / page_size});
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

// Whether text is the message of an install that has free_pages pages to write into: the
// write failure of the first file that does not fit, or reg.ini's when every file fits.
// The write failure's detail line is the C runtime's text for errno: ENOSPC on Windows,
// where WriteFile fails on a full disk. Wine's WriteFile succeeds with the bytes that fit,
// and its C runtime then takes errno from whatever last error the thread had, so that line
// is only checked to be one line.
testing::AssertionResult is_expected_message(const std::wstring& text, const std::vector<Cplanned_file>& plan,
                                             std::int64_t free_pages) {
  std::wstring head = L"reg.ini が作成できませんでした。セットアップを中止します。", tail;
  for (const Cplanned_file& file : plan) {
    if (file.pages > free_pages) {
      head = file.name + write_failed;
      tail = std::wstring(L"\n\n") + admin_hint;
      break;
    }
    free_pages -= file.pages;
  }
  const bool matches =
      tail.empty() ? text == head
                   : text.size() > head.size() + tail.size() && text.compare(0, head.size(), head) == 0 &&
                         text.compare(text.size() - tail.size(), tail.size(), tail) == 0 &&
                         text.substr(head.size(), text.size() - head.size() - tail.size()).find(L'\n') ==
                             std::wstring::npos;
  if (matches) return testing::AssertionSuccess();
  return testing::AssertionFailure() << testing::PrintToString(text) << " is not "
                                     << testing::PrintToString(head + (tail.empty() ? L"" : L"<detail>" + tail));
}

TEST(SetupSweep, FullDriveAtEveryPage) {
  const std::wstring drive = small_drive();
  if (drive.empty()) GTEST_SKIP() << "no small drive: scripts/test.sh maps one only when it runs as root";
  // Everything lies on disc 2: Setup's space test (#SETUP_SIZE 0 and 100 MB) passes on the
  // empty drive, and the drive is filled while disc 2 is asked for.
  Csample_disc disc(L"disc2");
  disc.remove_ini_lines(L"#SETUP_FILE");
  disc.set_ini_line(L"#SETUP_SIZE", L"#SETUP_SIZE = 0");
  for (const wchar_t* entry : entries) disc.add_ini_line(L"#SETUP_FILE = \"" + std::wstring(entry) + L"\", 2");
  char fill = 'a';
  for (const auto& file : layout) {
    const std::wstring path = disc.game_data() + L"\\" + file.first;
    if (path.back() == L'\\') {
      ASSERT_EQ(SHCreateDirectoryExW(nullptr, path.c_str(), nullptr), ERROR_SUCCESS);
    } else {
      SHCreateDirectoryExW(nullptr, path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
      ASSERT_TRUE(write_bytes(path, std::string(static_cast<std::size_t>(file.second), fill++)));
    }
  }
  std::vector<Cplanned_file> plan;
  std::int64_t total_pages = 0;
  for (const wchar_t* entry : entries) {
    const std::wstring path = disc.game_data() + L"\\" + entry;
    if (ZOR::path_kind(path) == 0) {
      plan_folder(path, plan);
    } else {
      plan.push_back({entry, (static_cast<std::int64_t>(ZOR::file_size(path)) + page_size - 1) / page_size});
    }
  }
  for (const Cplanned_file& file : plan) total_pages += file.pages;

  // The install goes below a folder of the test's on the drive, removed again whatever happens.
  struct Cbase {
    std::wstring path;
    ~Cbase() { driver::remove_folder_tree(path); }
  } base_folder{drive + L"\\sweep"};
  const std::wstring& base = base_folder.path;
  ASSERT_TRUE(CreateDirectoryW(base.c_str(), nullptr));
  Cprepared_setup prepared;
  ASSERT_TRUE(prepared.open(disc, disc2_title, base));
  Csetup& setup = prepared.setup;
  const HWND dialog = prepared.dialog;
  const driver::Csnapshot before = prepared.snapshot();
  driver::Cresponse_probe probe(setup.id());
  int injected = 0, clean = 0;
  for (std::int64_t free_pages = total_pages; free_pages >= 0; --free_pages) {
    SCOPED_TRACE(testing::Message() << free_pages << " pages free");
    bool message_right = false;
    ASSERT_TRUE(start_install(setup, dialog, disc2_title));
    driver::Cmessage_box prompt = driver::wait_message_box(setup.id());
    ASSERT_EQ(prompt.text, second_disc_prompt);
    {
      driver::Cdrive_filler filler(drive);
      ASSERT_TRUE(filler.leave_free(static_cast<std::uint64_t>(free_pages * page_size)));
      ASSERT_TRUE(write_bytes(disc.dir() + L"\\DISC2", ""));
      ASSERT_TRUE(driver::answer_message_box(prompt, IDOK));
      ++injected;
      driver::Cmessage_box failure = driver::wait_message_box(setup.id());
      EXPECT_EQ(failure.caption, disc2_title);
      const testing::AssertionResult message = is_expected_message(failure.text, plan, free_pages);
      EXPECT_TRUE(message);
      message_right = static_cast<bool>(message);
      EXPECT_STREQ(driver::icon_name(failure.icon), "warning");
      ASSERT_TRUE(driver::answer_message_box(failure, IDOK));
      ASSERT_TRUE(setup.expect_box(disc2_title, L"セットアップを中止しました。", driver::Box_icon::warning, IDOK));
    }
    ASSERT_TRUE(DeleteFileW((disc.dir() + L"\\DISC2").c_str()));
    ASSERT_TRUE(wait_for([&] { return driver::is_enabled(dialog); }));
    const std::wstring left = driver::difference(before, before.again());
    EXPECT_EQ(left, L"");
    if (message_right && left.empty()) ++clean;
  }
  driver::report_sweep("Setup, full drive at every page", injected, clean, probe.longest_ms());
  ASSERT_TRUE(driver::click(dialog, close_button));
  setup.expect_exit();
}

}  // namespace
}  // namespace setup_test
