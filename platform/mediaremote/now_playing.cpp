#include "mediaremote/now_playing.h"

#include "foundation/block.h"

namespace {

mediaremote::NowPlayingSource& source() {
  static auto* s = new mediaremote::NowPlayingSource;
  return *s;
}

long g_requests = 0;

}  // namespace

void MRMediaRemoteGetNowPlayingInfo(dispatch_queue_t queue,
                                    MRMediaRemoteGetNowPlayingInfoCompletion completion) {
  ++g_requests;
  Ref<> block = fnd::keepBlock(static_cast<id>(completion));
  dispatch_async(queue, [block] {
    id information = source() ? source()() : nil;
    fnd::callCompletion(block.get(), information);
  });
}

namespace mediaremote {

void setNowPlayingSource(NowPlayingSource s) { source() = std::move(s); }

long nowPlayingRequests() { return g_requests; }

}  // namespace mediaremote
