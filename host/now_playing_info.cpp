#include "host/now_playing_info.h"

#include "foundation/values.h"
#include "host/track.h"
#include "mediaremote/now_playing.h"

namespace lv::host {

namespace {

void put(id dictionary, const char* key, id value) {
  if (value) send<void>(dictionary, "setObject:forKey:"_sel, value, fnd::string(key));
}

id get(id info, const char* key) { return send<id>(info, "objectForKey:"_sel, fnd::string(key)); }

}  // namespace

}  // namespace lv::host

id lv::host::makeNowPlayingInfo(const Track& track, id artwork) {
  Ref<> info = rt::create("NSMutableDictionary");
  put(info.get(), kMRMediaRemoteNowPlayingInfoTitle, fnd::string(track.title));
  if (!track.artist.empty()) put(info.get(), kMRMediaRemoteNowPlayingInfoArtist, fnd::string(track.artist));
  put(info.get(), kMRMediaRemoteNowPlayingInfoDuration, fnd::number(track.duration));
  put(info.get(), kMRMediaRemoteNowPlayingInfoElapsedTime, fnd::number(0.0));
  put(info.get(), kMRMediaRemoteNowPlayingInfoArtworkData, artwork);
  if (!track.app.empty()) put(info.get(), kMRMediaRemoteNowPlayingInfoClientBundleIdentifier, fnd::string(track.app));
  return rt::autorelease(std::move(info));
}

lv::host::NowPlayingFields lv::host::readNowPlayingInfo(id info) {
  return {get(info, kMRMediaRemoteNowPlayingInfoTitle), get(info, kMRMediaRemoteNowPlayingInfoArtist),
          get(info, kMRMediaRemoteNowPlayingInfoArtworkData),
          get(info, kMRMediaRemoteNowPlayingInfoClientBundleIdentifier),
          send<double>(get(info, kMRMediaRemoteNowPlayingInfoDuration), "doubleValue"_sel)};
}
