#include "mediaremote/now_playing.h"

#include <gtest/gtest.h>

#include <vector>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"

namespace {

TEST(NowPlayingInfo, DeliveredOnTheMainQueueAfterTheCallReturns) {
  rt::AutoreleasePool pool;
  Ref<> info = fnd::dictionary({{fnd::string("title"), fnd::string("Song")}});
  mediaremote::setNowPlayingSource([&] { return info.get(); });
  std::vector<id> answers;
  MRMediaRemoteGetNowPlayingInfo(dispatch_get_main_queue(),
                                 fnd::block<void(id)>([&](id answer) { answers.push_back(answer); }));
  EXPECT_TRUE(answers.empty());
  EXPECT_EQ(mediaremote::nowPlayingRequests(), 1);
  fnd::RunLoop::main().runOnce();
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0], info.get());
}

TEST(NowPlayingInfo, NoSourceAnswersNilAndANilCompletionStillCounts) {
  rt::AutoreleasePool pool;
  std::vector<id> answers;
  MRMediaRemoteGetNowPlayingInfo(dispatch_get_main_queue(),
                                 fnd::block<void(id)>([&](id answer) { answers.push_back(answer); }));
  MRMediaRemoteGetNowPlayingInfo(dispatch_get_main_queue(), nil);
  fnd::RunLoop::main().runOnce();
  EXPECT_EQ(answers, std::vector<id>{nil});
  EXPECT_EQ(mediaremote::nowPlayingRequests(), 2);
}

}  // namespace
