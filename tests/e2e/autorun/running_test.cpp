// Autorun beside running programs: their mutexes make it end silently (also one that it may
// not open, as an elevated Setup's), and a name taken by another kind of object makes it
// end with the mutex message.
#include <gtest/gtest.h>

#include "tests/e2e/autorun/autorun_support.h"

namespace autorun_test {
namespace {

enum class Holder { program, elevated_program, event };

// The name held as holder says: a mutex; a mutex whose empty access list refuses every
// other opener, as an elevated program's mutex refuses a program without elevation (Wine
// answers ERROR_ACCESS_DENIED to both); or an event, which makes creating the mutex fail.
HANDLE hold(const wchar_t* name, Holder holder) {
  if (holder == Holder::event) return CreateEventW(nullptr, TRUE, FALSE, name);
  if (holder == Holder::program) return CreateMutexW(nullptr, TRUE, name);
  SECURITY_DESCRIPTOR descriptor;
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  ACL empty;
  InitializeAcl(&empty, sizeof empty, ACL_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, &empty, FALSE);
  SECURITY_ATTRIBUTES attributes = {sizeof attributes, &descriptor, FALSE};
  return CreateMutexW(&attributes, TRUE, name);
}

TEST(AutorunRunning, EndsSilentlyBesideAnotherLauncherAndWarnsWhenItsNameIsTaken) {
  for (const Holder holder : {Holder::program, Holder::elevated_program, Holder::event}) {
    for (const wchar_t* name : {L"LumoraAutorun", L"LumoraFoyer", L"LumoraSetup", L"LumoraKickoff"}) {
      const wchar_t* how = holder == Holder::program            ? L" held"
                           : holder == Holder::elevated_program ? L" held by an elevated program"
                                                                : L" taken by an event";
      SCOPED_TRACE(testing::PrintToString(std::wstring(name) + how));
      Cdisc disc;
      Cprogram_temp temp;
      const std::wstring foyer = disc.add_program(L"Foyer.exe");
      disc.add_program(L"Setup.exe");
      const std::wstring kickoff = disc.add_program(L"Kickoff.exe");
      HANDLE held = hold(name, holder);
      EXPECT_NE(held, nullptr);
      Cautorun autorun;
      EXPECT_TRUE(autorun.start(disc.root()));
      if (holder == Holder::event) {
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
