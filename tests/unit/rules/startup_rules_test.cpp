// Setup's and Foyer's start-up rules over a disc in memory: the layout each checks, and the
// Setup.ini reading with Foyer's menu targets.
#include "lib/rules/startup_rules.h"

#include <gtest/gtest.h>

#include "tests/unit/rules/disc_fake.h"

namespace {

using rules_test::Cdisc_fake;
using ZOR::Setup_ini_reader;

const wchar_t dir[] = L"D:\\SetupData";

std::wstring at(const std::wstring& name) { return std::wstring(dir) + L"\\" + name; }

// A disc that both programs accept, with every menu key in use.
Cdisc_fake whole_disc() {
  Cdisc_fake disc;
  disc.folder(dir).folder(at(L"GameData")).folder(at(L"DirectX")).folder(at(L"Extra"));
  disc.file(at(L"Setup.exe")).file(at(L"Setup.bmp")).file(at(L"Setup.ico")).file(at(L"DirectX\\DXSETUP.exe"));
  disc.file(at(L"Manual.html"));
  disc.file(at(L"Setup.ini"),
            L"#GAME_TITLE = \"T\"\n#REG_PATH = \"M\\\\G\"\n#DIRECT_X_USE = 1\n#MANUAL_USE = 1\n"
            L"#MANUAL_PATH = \"Manual.html\"\n#EX_BUTTON.000.USE = 1\n#EX_BUTTON.000.PATH = \"Extra\"\n"
            L"#SETUP_FILE = \"a.dat\"\n");
  return disc;
}

TEST(StartupRules, EachProgramChecksItsLayoutInOrder) {
  const struct {
    const wchar_t* removed;
    const wchar_t* setup;  // Setup's message; empty: Setup does not look
    const wchar_t* foyer;
  } rows[] = {
      {L"GameData", L"GameData フォルダが見つかりませんでした。", L"GameData フォルダが見つかりませんでした。"},
      {L"Setup.exe", L"", L"Setup.exe が見つかりませんでした。"},
      {L"Setup.ini", L"Setup.ini が見つかりませんでした。", L"Setup.ini が見つかりませんでした。"},
      {L"Setup.bmp", L"", L"Setup.bmp が見つかりませんでした。"},
      {L"Setup.ico", L"Setup.ico が見つかりません。", L"Setup.ico が見つかりませんでした。"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.removed)));
    Cdisc_fake disc = whole_disc();
    disc.remove(at(row.removed));
    ZOR::Crule_problem problem;
    EXPECT_EQ(ZOR::check_disc_layout(disc, Setup_ini_reader::setup, dir, problem), *row.setup == L'\0');
    if (*row.setup != L'\0') {
      EXPECT_EQ(problem.message, row.setup);
      EXPECT_EQ(problem.caption, L"Setup.exe");
    }
    EXPECT_FALSE(ZOR::check_disc_layout(disc, Setup_ini_reader::foyer, dir, problem));
    EXPECT_EQ(problem.message, row.foyer);
    EXPECT_EQ(problem.caption, L"Foyer.exe");
  }
  // Several missing: the first in the program's order.
  Cdisc_fake disc = whole_disc();
  disc.remove(at(L"Setup.ico")).remove(at(L"GameData"));
  ZOR::Crule_problem problem;
  EXPECT_FALSE(ZOR::check_disc_layout(disc, Setup_ini_reader::setup, dir, problem));
  EXPECT_EQ(problem.message, L"GameData フォルダが見つかりませんでした。");
  disc.remove(dir);
  EXPECT_FALSE(ZOR::check_disc_layout(disc, Setup_ini_reader::foyer, dir, problem));
  EXPECT_EQ(problem.message, L"SetupData フォルダが見つかりませんでした。");
}

TEST(StartupRules, FoyerListsEveryMissingMenuTargetAndStopsAtTheFirst) {
  const struct {
    const wchar_t* removed[2];
    std::vector<std::wstring> messages;
  } rows[] = {
      {{nullptr, nullptr}, {}},
      {{L"DirectX\\DXSETUP.exe", nullptr}, {L"DXSETUP.exe が見つかりませんでした。"}},
      {{L"DirectX\\DXSETUP.exe", L"DirectX"}, {L"DirectX フォルダが見つかりませんでした。"}},
      {{L"Manual.html", L"Extra"},
       {L"D:\\SetupData\\Manual.html が見つかりませんでした。", L"D:\\SetupData\\Extra が見つかりませんでした。"}},
      {{L"DirectX", L"Manual.html"},
       {L"DirectX フォルダが見つかりませんでした。", L"D:\\SetupData\\Manual.html が見つかりませんでした。"}},
  };
  int serial = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(++serial));
    Cdisc_fake disc = whole_disc();
    for (const wchar_t* removed : row.removed) {
      if (removed != nullptr) disc.remove(at(removed));
    }
    ZOR::Csetup_ini ini;
    ZOR::Crule_problem problem;
    const bool read = ZOR::read_setup_ini(disc, dir, Setup_ini_reader::foyer, ini, problem);
    EXPECT_EQ(read, row.messages.empty());
    std::vector<std::wstring> listed;
    for (const ZOR::Crule_problem& target : ZOR::menu_target_problems(disc, dir, ini)) {
      EXPECT_EQ(target.caption, L"T");
      listed.push_back(target.message);
    }
    EXPECT_EQ(listed, row.messages);
    if (!read) {
      EXPECT_EQ(problem.message, row.messages.front());
    }
    // Setup does not look at the menu's targets.
    EXPECT_TRUE(ZOR::read_setup_ini(disc, dir, Setup_ini_reader::setup, ini, problem));
  }
}

TEST(StartupRules, UnreadableSetupIniHasTheReadersCaption) {
  Cdisc_fake disc = whole_disc();
  disc.unreadable(at(L"Setup.ini"));
  for (Setup_ini_reader program : {Setup_ini_reader::setup, Setup_ini_reader::foyer}) {
    ZOR::Csetup_ini ini;
    ZOR::Crule_problem problem;
    EXPECT_FALSE(ZOR::read_setup_ini(disc, dir, program, ini, problem));
    EXPECT_EQ(problem.message, L"Setup.ini が開けませんでした。");
    EXPECT_EQ(problem.caption, ZOR::startup_caption(program));
  }
}

}  // namespace
