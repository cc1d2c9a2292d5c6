// Autorun.ini's reading and Autorun's hand-over over a disc in memory.
#include "lib/rules/autorun_ini.h"

#include <gtest/gtest.h>

#include "tests/unit/rules/disc_fake.h"

namespace {

using rules_test::Cdisc_fake;

TEST(AutorunIni, SetupDataNameOrTheLinesMessage) {
  const struct {
    const wchar_t* text;  // nullptr: no Autorun.ini
    const wchar_t* name;  // nullptr: the reading fails
    const wchar_t* message;
  } rows[] = {
      {nullptr, L"SetupData", L""},
      {L"", L"SetupData", L""},
      {L"\n#SETUP_DATA = \"Data\\\\Setup\"\n", L"Data\\Setup", L""},
      {L"#SETUP_DATA = \"A\"\n#SETUP_DATA = \"B\"", L"B", L""},
      {L"// the folder\n#SETUP_DATA = \"A\"", nullptr, L"Autorun.ini の解析に失敗しました。(1行目)"},
      {L"\n\n#SETUP_DATA = SetupData", nullptr, L"Autorun.ini の解析に失敗しました。(3行目)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.text ? row.text : L"(none)")));
    Cdisc_fake disc;
    if (row.text != nullptr) disc.file(L"D:\\Autorun.ini", row.text);
    std::wstring name;
    ZOR::Crule_problem problem;
    ASSERT_EQ(ZOR::read_setup_data_name(disc, L"D:", name, problem), row.name != nullptr);
    if (row.name != nullptr) {
      EXPECT_EQ(name, row.name);
    } else {
      EXPECT_EQ(problem.message, row.message);
      EXPECT_TRUE(problem.warning);
    }
  }
  Cdisc_fake unreadable;
  unreadable.unreadable(L"D:\\Autorun.ini");
  std::wstring name;
  ZOR::Crule_problem problem;
  EXPECT_FALSE(ZOR::read_setup_data_name(unreadable, L"D:", name, problem));
  EXPECT_EQ(problem.message, L"Autorun.ini が開けませんでした。");
}

TEST(AutorunIni, HandOverPrefersKickoffThenNeedsFoyerAndSetup) {
  using H = ZOR::Autorun_hand_over;
  const struct {
    std::vector<const wchar_t*> files;
    H way;
    const wchar_t* message;  // a box without icon
  } rows[] = {
      {{L"Foyer.exe", L"Setup.exe"}, H::foyer, L""},
      {{L"Kickoff.exe"}, H::kickoff, L""},
      {{L"Setup.exe"}, H::no_foyer, L"Foyer.exe が見つかりませんでした。"},
      {{L"Foyer.exe"}, H::no_setup, L"Setup.exe が見つかりませんでした。"},
  };
  for (const auto& row : rows) {
    Cdisc_fake disc;
    for (const wchar_t* file : row.files) disc.file(std::wstring(L"D:\\SetupData\\") + file);
    EXPECT_EQ(ZOR::autorun_hand_over(disc, L"D:\\SetupData"), row.way);
    const ZOR::Crule_problem problem = ZOR::hand_over_problem(row.way);
    EXPECT_EQ(problem.message, row.message);
    if (!problem.message.empty()) {
      EXPECT_FALSE(problem.warning);
    }
  }
}

}  // namespace
