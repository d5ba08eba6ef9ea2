// webmark.ocx as hosts see it: registered, created by class id, Run and the utilities called by
// dispatch id with by-reference arguments.
#include "grading/webmark/control.h"

#include <gtest/gtest.h>

#include <optional>

#include "grading/webmark/testing/page_under_test.h"
#include "grading/webmark/testing/web_fixture.h"
#include "platform/com/change_type.h"
#include "platform/com/control_window.h"
#include "platform/com/library.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace webmark {
namespace {

class WebmarkControl : public ::testing::Test {
 protected:
  void SetUp() override {
    registry_.emplace("KIRV_REGISTRY", (scratch_.Path() / "registry.ini").string());
    base::Result<const com::Library*> library = com::LoadControlLibrary(KIRV_WEBMARK_OCX);
    ASSERT_TRUE(library) << library.error().message;
    ASSERT_TRUE((*library)->RegisterServer());
    auto window = com::ControlWindow::Create(webmark::kClass.clsid, com::CreateParams{});
    ASSERT_TRUE(window) << window.error().message;
    control_ = std::move(*window);
  }
  void TearDown() override {
    control_.reset();
    registry_.reset();
  }

  win::testing::ScopedTempFolder scratch_{"webmark_control_"};
  std::optional<win::testing::ScopedEnv> registry_;
  std::unique_ptr<com::ControlWindow> control_;
};

TEST_F(WebmarkControl, RunGradesByDispatchId) {
  testing::WebFolders folders;
  ASSERT_TRUE(folders.AddPage("index.htm"));
  ASSERT_TRUE(testing::WriteAnswerBook(folders.Answers() / "w.xls",
                                       {{"T", "", "4"},
                                        {"F", "index.htm"},
                                        {"O", "Doc"},
                                        {"A", "1", "3", "t", "title", "我的主页"},
                                        {"O", "Doc"},
                                        {"A", "2", "1", "c", "bgcolor", "#000000"},
                                        {"E"}}));
  std::string check = folders.CheckPath();
  std::string answer = folders.AnswerFile("w.xls");
  com::VariantBool debug = com::kVariantTrue;
  const com::Variant args[] = {com::Variant::RefString(&check), com::Variant::RefString(&answer),
                               com::Variant::RefBool(&debug)};
  base::Result<com::Variant> result =
      control_->Invoke(webmark::kRun, com::InvokeKind::Method, args);
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_EQ(com::ChangeType(*result, com::VT_R8)->RealValue(), 75.0);
  EXPECT_NE(folders.DebugFile().find("(2)错误！得分：0，本小题满分：1 -- c"), std::string::npos);
}

TEST_F(WebmarkControl, UtilitiesAnswerByDispatchId) {
  std::string ih = "𝄞中<B>粗</B>字";  // the first character counts two
  int32_t at = 4;
  const com::Variant removeArgs[] = {com::Variant::RefString(&ih), com::Variant::RefI4(&at)};
  EXPECT_EQ(control_->Invoke(webmark::kRemoveTagAfter, com::InvokeKind::Method, removeArgs)->Text(),
            "粗字");
  EXPECT_EQ(
      control_->Invoke(webmark::kRemoveTagBefore, com::InvokeKind::Method, removeArgs)->Text(),
      "𝄞中");
  std::string log = "==\r\n(2)b\r\n(1)a\r\nx\r\n==";
  const com::Variant resortArgs[] = {com::Variant::RefString(&log)};
  ASSERT_TRUE(control_->Invoke(webmark::kResort, com::InvokeKind::Method, resortArgs));
  EXPECT_EQ(log, "==\r\nx\r\n(1)a\r\n(2)b\r\n==");
  EXPECT_EQ(
      control_
          ->Invoke(webmark::kCoordsCheck, com::InvokeKind::Method,
                   std::vector<com::Variant>{com::Variant::I2(5), com::Variant::String("<10")})
          ->BoolValue(),
      true);
  // Elements are the page model's; anything else is a type mismatch.
  EXPECT_FALSE(control_->Invoke(webmark::kgetTableRows, com::InvokeKind::Method,
                                std::vector<com::Variant>{com::Variant::String("td")}));
}

TEST(WebmarkElements, TheWalksTakePageElements) {
  webmark control;
  ASSERT_TRUE(testing::OpenTestPage(control.State(), "index.htm"));
  const frontpage::Element* last = testing::ElementById(control.State(), "last");
  ASSERT_TRUE(last);
  const com::Variant element = PageElement::Wrap(*last);
  EXPECT_EQ(*control.getTableRows(element), 4);
  EXPECT_EQ(*control.getTableRowCols(element, 7), 0);
  EXPECT_TRUE(*control.FindParentByTag(element, "td"));
  EXPECT_FALSE(*control.FindParentByTag(element, "table"));
}

}  // namespace
}  // namespace webmark
