// Every test starts with the text measurer and the recorded view events as a fresh process
// has them; the tests that replace or fill them need not put them back.
#include <gtest/gtest.h>

#include "uikit/text_measurer.h"
#include "view_support.h"

namespace {

struct FreshState : testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    uikit::setTextMeasurer(nullptr);
    testing_support::events().clear();
  }
};

const bool installed = (testing::UnitTest::GetInstance()->listeners().Append(new FreshState), true);

}  // namespace
