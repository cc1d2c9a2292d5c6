// Autorun beside running programs: their mutexes make it end silently, and a name taken by
// another kind of object makes it end with the mutex message.
#include <gtest/gtest.h>

#include "tests/e2e/autorun/autorun_support.h"

namespace autorun_test {
namespace {

TEST(AutorunRunning, EndsSilentlyBesideAnotherLauncherAndWarnsWhenItsNameIsTaken) {
  for (const bool as_mutex : {true, false}) {
    for (const wchar_t* name : {L"LumoraAutorun", L"LumoraFoyer", L"LumoraSetup", L"LumoraKickoff"}) {
      SCOPED_TRACE(testing::PrintToString(std::wstring(name) + (as_mutex ? L" held" : L" taken by an event")));
      Cdisc disc;
      Cprogram_temp temp;
      const std::wstring foyer = disc.add_program(L"Foyer.exe");
      disc.add_program(L"Setup.exe");
      const std::wstring kickoff = disc.add_program(L"Kickoff.exe");
      // An event of the name makes creating the mutex fail.
      HANDLE held = as_mutex ? CreateMutexW(nullptr, TRUE, name) : CreateEventW(nullptr, TRUE, FALSE, name);
      EXPECT_NE(held, nullptr);
      Cautorun autorun;
      EXPECT_TRUE(autorun.start(disc.root()));
      if (!as_mutex) {
        EXPECT_TRUE(autorun.expect_box(L"ミューテックスの作成に失敗しました。", driver::Box_icon::warning));
      }
      // A message box would keep it running: beside a running launcher it ends by itself.
      autorun.expect_end();
      if (held != nullptr) CloseHandle(held);
      EXPECT_FALSE(driver::exists(temp.copies()));
      EXPECT_FALSE(was_started(foyer));
      EXPECT_FALSE(was_started(kickoff));
    }
  }
}

}  // namespace
}  // namespace autorun_test
