#include <gtest/gtest.h>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"

extern "C" {
extern Block_layout twiceBlock;  // global_block.c
#ifdef LV_CLANG_BLOCKS
void handOffStackBlock(void (*keep)(id block), id captured, int* seen);  // clang_stack_block.c
#endif
}

namespace {

id globalBlock() { return reinterpret_cast<id>(&twiceBlock); }

int heapCount(id block) { return (reinterpret_cast<Block_layout*>(block)->flags & BLOCK_REFCOUNT_MASK) / 2; }

TEST(Block, CallsItsFunctionAndReleasesItsCaptures) {
  long before = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;
    Ref<> captured = rt::create(rt::rootClass());
    bool seen = false;
    id b = fnd::block<void(bool)>([captured, &seen](bool finished) { seen = finished; });
    EXPECT_EQ(rt::retainCount(captured.get()), 2u);
    fnd::callBlock(b, true);
    EXPECT_TRUE(seen);
    fnd::callBlock(nil, true);
    EXPECT_EQ(fnd::block<void()>(nullptr), nil);
    EXPECT_EQ(fnd::block<void()>(std::function<void()>()), nil);
    EXPECT_EQ(fnd::callBlock<int>(fnd::block<int(int)>([](int x) { return x * 2; }), 21), 42);
    EXPECT_EQ(fnd::callBlock<int>(globalBlock(), 21), 42) << "a block laid out by hand in C";
    EXPECT_DEATH(fnd::callBlock(b), "block of signature v12@\\?0B8 called as v8@\\?0");
    EXPECT_DEATH(fnd::callBlock<void>(globalBlock(), true), "block of signature i12@\\?0i8 called as");
    EXPECT_DEATH(fnd::callBlock(fnd::string("x")), "object of class .* called as a block");
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

// What copy, retain and release do to each kind of block: a heap block is counted, a global
// one never changes, and `copy` of a stack block is a new heap block (see the clang test).
TEST(Block, CopyRetainAndReleaseCountHeapBlocksOnly) {
  struct Case {
    const char* name;
    id (*make)();
    const char* className;
    int countAfterCopy;  // 0: not counted
  };
  const Case cases[] = {
      {"heap", [] { return fnd::block<void()>([] {}); }, "__NSMallocBlock__", 2},
      {"global", globalBlock, "__NSGlobalBlock__", 0},
  };
  long before = rt::liveObjectCount();
  for (const Case& c : cases) {
    rt::AutoreleasePool pool;
    id b = c.make();
    EXPECT_STREQ(object_getClassName(b), c.className) << c.name;
    EXPECT_TRUE(rt::isKindOfClass(b, objc_getClass("NSBlock"))) << c.name;
    id copy = send<id>(b, "copy"_sel);
    EXPECT_EQ(copy, b) << c.name;
    EXPECT_EQ(heapCount(b), c.countAfterCopy) << c.name;
    EXPECT_EQ(send<id>(b, "retain"_sel), b) << c.name;
    send<void>(b, "release"_sel);
    send<void>(copy, "release"_sel);
    Ref<> kept = fnd::keepBlock(b);
    EXPECT_EQ(kept.get(), b) << c.name;
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
  EXPECT_DEATH(fnd::keepBlock(fnd::string("x")), "called as a block");
}

#ifdef LV_CLANG_BLOCKS
void keepAsCompletion(id block) {
  EXPECT_STREQ(object_getClassName(block), "__NSStackBlock__");
  EXPECT_EQ(send<id>(block, "retain"_sel), block) << "retaining a stack block does not copy it";
  send<void>(objc_getClass("UIView"), "animateWithDuration:animations:completion:"_sel, 0.0, nil, block);
}

// The platform keeps a copy of the block; the copy shares the __block counter with the
// frame that made it and holds the captured object until it is freed.
TEST(Block, CompilerMadeStackBlockOutlivesItsFrameWhenThePlatformKeepsIt) {
  long before = rt::liveObjectCount();
  Ref<> captured = rt::create(rt::rootClass());
  int seen = 0;
  handOffStackBlock(keepAsCompletion, captured.get(), &seen);
  EXPECT_EQ(seen, 6) << "the frame's write reached the variable the copy uses";
  EXPECT_EQ(rt::retainCount(captured.get()), 2u) << "the copy retains what it captured";
  EXPECT_EQ(rt::liveObjectCount(), before + 2);
  fnd::RunLoop::main().runUntilIdle();
  EXPECT_EQ(seen, 7) << "the copy ran after the frame was gone";
  EXPECT_EQ(rt::retainCount(captured.get()), 1u);
  EXPECT_EQ(rt::liveObjectCount(), before + 1);
}
#else
TEST(Block, CompilerMadeStackBlockOutlivesItsFrameWhenThePlatformKeepsIt) {
  GTEST_SKIP() << "built without clang";
}
#endif

}  // namespace
