// The driver against message boxes of the test's own process, shown from a second thread.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <future>

#include "tests/driver/driver.h"

namespace {

struct Box_row {
  UINT style;
  std::vector<int> buttons;
  int default_button;
  driver::Box_icon icon;
  int answer;
};

TEST(DriverMessageBox, ReadsAndAnswersEveryKindOfBox) {
  const Box_row rows[] = {
      {MB_OK | MB_ICONWARNING, {IDOK}, IDOK, driver::Box_icon::warning, IDOK},
      {MB_OKCANCEL | MB_ICONERROR | MB_DEFBUTTON2, {IDOK, IDCANCEL}, IDCANCEL,
       driver::Box_icon::error, IDOK},
      {MB_YESNO | MB_ICONQUESTION, {IDYES, IDNO}, IDYES, driver::Box_icon::question, IDNO},
      {MB_YESNOCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON3, {IDCANCEL, IDYES, IDNO}, IDCANCEL,
       driver::Box_icon::information, IDYES},
      {MB_OK, {IDOK}, IDOK, driver::Box_icon::none, IDOK},
  };
  int row_number = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "box row " << ++row_number);
    const std::wstring text = L"本文の一行目\n二行目 " + std::to_wstring(row_number);
    auto answer = std::async(std::launch::async, [&] {
      return MessageBoxW(nullptr, text.c_str(), L"確認の見出し", row.style);
    });
    const driver::Cmessage_box box = driver::wait_message_box(GetCurrentProcessId());
    ASSERT_TRUE(box.window);
    EXPECT_EQ(box.caption, L"確認の見出し");
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.buttons, row.buttons);
    EXPECT_EQ(box.default_button, row.default_button);
    EXPECT_EQ(driver::icon_name(box.icon), driver::icon_name(row.icon));
    EXPECT_NONFATAL_FAILURE(driver::answer_message_box(box, IDRETRY), "shows no button");
    ASSERT_TRUE(driver::answer_message_box(box, row.answer));
    EXPECT_EQ(answer.get(), row.answer);
  }
}

}  // namespace
