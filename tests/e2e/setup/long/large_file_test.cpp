// An entry of more than 4 GiB, sparse on the disc with marks beyond 32 bits: measured and
// shown, cancelled half-way and rolled back, then installed byte for byte. A long test:
// only the full run of scripts/test.sh takes it (label "long"); it needs 4 GiB free on C:.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "lib/file/file.h"
#include "tests/e2e/setup/setup_support.h"

namespace setup_test {
namespace {

using driver::Box_icon;

constexpr std::int64_t large_size = (4LL << 30) + 3 * 10240 + 123;
// Where the source holds bytes of its own; zeros (holes) elsewhere.
const std::int64_t marks[] = {0, (1LL << 31) - 1, 1LL << 31, (1LL << 32) - 1, 1LL << 32, (1LL << 32) + 10240,
                              large_size - 1};

bool write_marks(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = true;
  char mark = 'A';
  for (std::int64_t offset : marks) {
    LARGE_INTEGER at;
    at.QuadPart = offset;
    DWORD count = 0;
    written = written && SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && WriteFile(file, &mark, 1, &count, nullptr);
    ++mark;
  }
  CloseHandle(file);
  return written;
}

// Offset of the first byte in which the files differ; -1 when they are the same.
std::int64_t first_difference(const std::wstring& a, const std::wstring& b) {
  HANDLE files[2];
  files[0] = CreateFileW(a.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  files[1] = CreateFileW(b.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  std::vector<char> blocks[2] = {std::vector<char>(1 << 20), std::vector<char>(1 << 20)};
  std::int64_t offset = 0, differs = 0;
  for (;;) {
    DWORD counts[2] = {0, 0};
    for (int i = 0; i < 2; ++i) ReadFile(files[i], blocks[i].data(), 1 << 20, &counts[i], nullptr);
    if (counts[0] != counts[1] || std::memcmp(blocks[0].data(), blocks[1].data(), counts[0]) != 0) {
      DWORD i = 0;
      while (i < counts[0] && i < counts[1] && blocks[0][i] == blocks[1][i]) ++i;
      differs = offset + i;
      break;
    }
    if (counts[0] == 0) {
      differs = -1;
      break;
    }
    offset += counts[0];
  }
  CloseHandle(files[0]);
  CloseHandle(files[1]);
  return differs;
}

TEST(SetupLarge, EntryOfMoreThan4GiB) {
  Csample_disc disc;
  disc.remove_ini_lines(L"#SETUP_FILE");
  disc.add_ini_line(L"#SETUP_FILE = \"huge.bin\"");
  const std::wstring source = disc.game_data() + L"\\huge.bin";
  ASSERT_TRUE(make_sized_file(source, large_size));
  ASSERT_TRUE(write_marks(source));
  Cprepared_setup prepared;
  ASSERT_TRUE(prepared.open(disc, disc1_title, disc.scratch()));
  Csetup& setup = prepared.setup;
  const HWND dialog = prepared.dialog;
  // 4096 MB and 30843 bytes, with the 100 MB margin: 4196 MB.
  EXPECT_EQ(driver::item_text(dialog, full_size_text), L"4196 MB の空き容量が必要です。");
  EXPECT_EQ(driver::item_text(dialog, min_size_text), L"4196 MB の空き容量が必要です。");
  const std::wstring install_dir = disc.scratch() + L"\\" + disc.reg_path();
  const driver::Csnapshot before = prepared.snapshot();
  auto rollback_probe = std::make_unique<driver::Cresponse_probe>(setup.id());

  // Cancelled half-way: beyond 2 GiB, the rollback leaves nothing.
  HWND progress = begin_install(setup, dialog, disc1_title);
  ASSERT_TRUE(progress);
  const int chunks = static_cast<int>(large_size / 10240);
  ASSERT_TRUE(wait_for([&] { return driver::progress_of(progress, file_bar).high == chunks; }));
  EXPECT_EQ(driver::progress_of(progress, total_bar).high, chunks);
  ASSERT_TRUE(wait_for([&] { return driver::progress_of(progress, file_bar).position >= chunks / 2; }, 600000));
  ASSERT_TRUE(driver::post_click(progress, cancel_button));
  ASSERT_TRUE(setup.expect_box(disc1_title, L"セットアップを中止します。よろしいですか？", Box_icon::warning, IDYES));
  ASSERT_TRUE(setup.expect_box(disc1_title, L"セットアップを中止しました。", Box_icon::warning, IDOK));
  ASSERT_TRUE(wait_for([&] { return driver::is_enabled(dialog); }));
  const std::wstring left = driver::difference(before, before.again());
  EXPECT_EQ(left, L"");
  const unsigned rollback_longest_ms = rollback_probe->longest_ms();
  rollback_probe.reset();

  // Installed whole: the same size and the same bytes, marks and holes alike.
  driver::Cresponse_probe install_probe(setup.id());
  ASSERT_TRUE(start_install(setup, dialog, disc1_title));
  // The copy of 4 GiB takes longer than the driver's usual wait.
  driver::Cmessage_box done = driver::wait_message_box(setup.id(), 900000);
  EXPECT_EQ(done.text, L"セットアップが完了しました。");
  ASSERT_TRUE(driver::answer_message_box(done, IDOK));
  setup.expect_exit();
  const std::wstring copy = install_dir + L"\\huge.bin";
  EXPECT_EQ(ZOR::file_size(copy), static_cast<std::uint64_t>(large_size));
  EXPECT_EQ(first_difference(source, copy), -1);
  driver::report_sweep("Setup, entry of more than 4 GiB (cancel half-way)", 1, left.empty() ? 1 : 0,
                       rollback_longest_ms);
  std::printf("[ MEASURED ] whole install of the entry: longest unanswered %u ms\n", install_probe.longest_ms());
  EXPECT_TRUE(DeleteFileW(copy.c_str()));
}

}  // namespace
}  // namespace setup_test
