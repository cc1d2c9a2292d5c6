// try's report: a walk's record read into what the page shows, and the page itself (what a
// maker trusts when deciding to burn: a cut-off walk must not read as passed, a box's text
// must reach the page exactly and cannot break it).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "disc/try.h"

namespace {

struct Crecord_row {
  const char* name;
  const char* record;
  bool ended;
  const char* failure;  // the start of the reason, "" when it ended
  std::size_t entries;
};

TEST(TryReport, ReadsWalkRecords) {
  const Crecord_row rows[] = {
      {"whole walk", "shot\t01.bmp\tthe menu\nbox\tsetup\tGame\tdone\\nreally\nend\n", true, "", 2},
      // The walker died: no "end", no "fail".
      {"cut off", "shot\t01.bmp\tthe menu\nshot\t02.bmp\tset-up\n", false, "the walk stopped before its end", 2},
      {"failed step", "shot\t01.bmp\tthe menu\nfail\tno setup dialog within 60 s\nend\n", false,
       "no setup dialog within 60 s", 1},
      {"first failure kept", "fail\tfirst\nfail\tsecond\n", false, "first", 0},
      // Lines too short or unknown are passed over, not read beyond their fields.
      {"torn lines", "shot\nbox\ta\tb\nnote\nwhatever\t1\n\nend\n", true, "", 0},
  };
  for (const Crecord_row& row : rows) {
    disc::Cwalk walk;
    disc::read_walk(row.record, walk);
    EXPECT_EQ(walk.ended, row.ended) << row.name;
    EXPECT_EQ(walk.failure.rfind(row.failure, 0), 0u) << row.name << ": " << walk.failure;
    EXPECT_EQ(walk.entries.size(), row.entries) << row.name;
  }
}

TEST(TryReport, PageShowsEveryStepExactlyAndSafely) {
  disc::Cwalk passed;
  passed.dpi = 144;
  disc::read_walk(
      "shot\t03.bmp\tmenu <second page> & more\n"
      "box\tuninstall\tゲーム\t\"C:\\\\Program Files\\\\x\" を削除しますか？\\n<b>はい</b>\n"
      "note\tthe save data is kept\nend\n",
      passed);
  disc::Cwalk failed;
  disc::read_walk("fail\tGameData\\\\LumoraEngine.exe <not a program>\n", failed);

  const std::string page = disc::report_page({passed, failed}, "failed: 1 of 2 walks", "2 min 5 s", "osirrox");
  for (const char* expected : {
           "144dpi/03.png",                                  // the picture as converted, in its walk's folder
           "menu &lt;second page&gt; &amp; more",            // a caption cannot open a tag
           "&quot;C:\\Program Files\\x&quot; を削除しますか？\n&lt;b&gt;はい&lt;/b&gt;",  // the box's exact text
           "the save data is kept",
           "GameData\\LumoraEngine.exe &lt;not a program&gt;",  // the reason of the failed walk
           "2 min 5 s", "osirrox"}) {
    EXPECT_NE(page.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(page.find("<b>"), std::string::npos);
  // Opens from the file system: nothing fetched from elsewhere.
  EXPECT_EQ(page.find("http"), std::string::npos);
  EXPECT_EQ(page.find("<script"), std::string::npos);
}

}  // namespace
