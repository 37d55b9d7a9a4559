// Every test starts with the text measurer and the recorded view events as a fresh process
// has them and runs inside an autorelease pool drained when it ends; it must leave nothing
// queued on the main run loop for the tests after it.
// Death tests run in a new process of their own (the environment is set up there too), so
// that no other thread and none of the loop's state is forked.
#include <gtest/gtest.h>

#include <optional>

#include "foundation/run_loop.h"
#include "uikit/text_measurer.h"
#include "view_support.h"

namespace {

struct FreshState : testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    uikit::setTextMeasurer(nullptr);
    testing_support::events().clear();
    pool.emplace();
  }
  void OnTestEnd(const testing::TestInfo&) override {
    pool.reset();
    if (!fnd::RunLoop::main().idle()) ADD_FAILURE() << "the test left work on the main run loop";
  }
  std::optional<rt::AutoreleasePool> pool;
};

struct OwnProcessDeathTests : testing::Environment {
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

const bool installed = (testing::UnitTest::GetInstance()->listeners().Append(new FreshState),
                        testing::AddGlobalTestEnvironment(new OwnProcessDeathTests), true);

}  // namespace
