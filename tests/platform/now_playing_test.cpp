#include "mediaremote/now_playing.h"

#include <gtest/gtest.h>

#include <vector>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"

namespace {

TEST(NowPlayingInfo, DeliveredOnTheMainQueueAfterTheCallReturns) {
  auto info = Ref<>::retain(fnd::dictionary({{fnd::string("title"), fnd::string("Song")}}));
  std::vector<id> answers;
  auto ask = [&] {
    MRMediaRemoteGetNowPlayingInfo(dispatch_get_main_queue(),
                                   fnd::block<void(id)>([&](id answer) { answers.push_back(answer); }));
  };
  long requests = mediaremote::nowPlayingRequests();
  ask();  // no source: nil
  MRMediaRemoteGetNowPlayingInfo(dispatch_get_main_queue(), nil);
  fnd::RunLoop::main().runOnce();
  mediaremote::setNowPlayingSource([&] { return info.get(); });
  ask();
  EXPECT_EQ(answers, std::vector<id>{nil});
  EXPECT_EQ(mediaremote::nowPlayingRequests(), requests + 3);
  fnd::RunLoop::main().runOnce();
  EXPECT_EQ(answers, (std::vector<id>{nil, info.get()}));
  mediaremote::setNowPlayingSource({});
}

}  // namespace
