#include "foundation/result.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "foundation/atomic_file.h"
#include "foundation/file_contents.h"

namespace {

using Counted = fnd::Result<int, std::string>;
using Read = fnd::Result<std::string, fnd::ReadError>;
using Written = fnd::Result<void, fnd::WriteError>;

TEST(Result, IsTrueOnSuccessAndHoldsTheValueOrTheError) {
  const Counted counted = 3;
  const Counted refused = std::string("too many");
  const Written written;
  const Written unwritten = fnd::WriteError{"a.txt", "No space left on device"};
  const struct {
    const char* name;
    bool ok, expected;
  } cases[] = {{"value", bool(counted), true},
               {"error", bool(refused), false},
               {"void success", bool(written), true},
               {"void error", bool(unwritten), false}};
  for (const auto& c : cases) EXPECT_EQ(c.ok, c.expected) << c.name;
  EXPECT_EQ(counted.value(), 3);
  EXPECT_EQ(refused.error(), "too many");
  EXPECT_EQ(unwritten.error().message(), "cannot write a.txt: No space left on device");
}

TEST(ResultDeathTest, AskingForWhatIsNotThereIsFatalAndNamesTheError) {
  const struct {
    const char* name;
    std::function<void()> ask;
    const char* line;
  } cases[] = {
      {"string error", [] { (void)Counted(std::string("too many")).value(); }, "the value of a failed result: too many"},
      {"error with a message", [] { (void)Read(fnd::ReadError{"a folder, not a file"}).value(); },
       "the value of a failed result: a folder, not a file"},
      {"error of a value", [] { (void)Counted(3).error(); }, "the error of a successful result"},
      {"error of void success", [] { (void)Written().error(); }, "the error of a successful result"},
  };
  for (const auto& c : cases) EXPECT_DEATH(c.ask(), std::string("lumivane runtime: ") + c.line) << c.name;
}

}  // namespace
