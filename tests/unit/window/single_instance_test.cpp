// The single-instance guard: owner, a second holder of the same name, release, failure.
#include "lib/window/single_instance.h"

#include <gtest/gtest.h>

#include <memory>

#include "lib/error/error.h"

namespace {

using State = ZOR::Csingle_instance::State;

std::wstring unique_mutex_name() {
  return L"zor_single_instance_test_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
         std::to_wstring(GetTickCount64());
}

TEST(SingleInstance, SecondHolderSeesTheFirstUntilItIsGone) {
  const std::wstring name = unique_mutex_name();
  auto first = std::make_unique<ZOR::Csingle_instance>(name);
  EXPECT_EQ(first->state(), State::owner);
  {
    ZOR::Csingle_instance second(name);
    EXPECT_EQ(second.state(), State::already_running);
  }
  // The second holder's handle is closed: the first still holds the name.
  EXPECT_EQ(ZOR::Csingle_instance(name).state(), State::already_running);
  first.reset();
  EXPECT_EQ(ZOR::Csingle_instance(name).state(), State::owner) << "the name must be free again";
}

TEST(SingleInstance, FailedCreationIsRecorded) {
  ZOR::clear_last_error();
  // A name inside a namespace that does not exist cannot be created.
  ZOR::Csingle_instance guard(L"NoSuchNamespace\\zor_single_instance_test");
  EXPECT_EQ(guard.state(), State::failed);
  ZOR::Cerror_info error;
  ASSERT_TRUE(ZOR::get_last_error(error));
  EXPECT_EQ(error.kind, ZOR::Cerror_info::kind_win32);
  EXPECT_EQ(error.operation, L"CreateMutex");
  EXPECT_EQ(std::wstring(ZOR::single_instance_failed_message), L"ミューテックスの作成に失敗しました。");
}

}  // namespace
