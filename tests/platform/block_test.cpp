#include <gtest/gtest.h>

#include "foundation/block.h"
#include "foundation/values.h"

namespace {

// Calling a block with another signature, or a non-block, is fatal.
TEST(Block, CallsItsFunctionAndReleasesItsCaptures) {
  long before = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;
    Ref<> captured = rt::create(rt::rootClass());
    bool seen = false;
    id b = fnd::block<void(bool)>([captured, &seen](bool finished) { seen = finished; });
    fnd::callBlock(b, true);
    EXPECT_TRUE(seen);
    fnd::callBlock(nil, true);
    EXPECT_EQ(fnd::block<void()>(nullptr), nil);
    EXPECT_EQ(fnd::callBlock<int>(fnd::block<int(int)>([](int x) { return x * 2; }), 21), 42);
    EXPECT_DEATH(fnd::callBlock(b), "block of signature .* called as");
    EXPECT_DEATH(fnd::callBlock(fnd::string("x")), "called as a block");
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

}  // namespace
