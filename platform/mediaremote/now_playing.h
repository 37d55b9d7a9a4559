#pragma once
// MediaRemote's now-playing query. The answer is whatever the process's now-playing
// source gives at delivery time (the host's media controller installs the source); with
// no source the answer is nil.
//
//   MRMediaRemoteGetNowPlayingInfo(dispatch_get_main_queue(),
//                                  fnd::block<void(id)>([](id information) { ... }));
//
// The completion is a void(id) block; a nil completion is allowed: the request is still
// made and counted.
#include <MediaRemote/MediaRemote.h>

#include <functional>

#include "foundation/dispatch.h"

// Keys of the now-playing dictionary: NSString title and artist, NSNumber duration and
// elapsed time in seconds, the artwork as a UIImage, the playing app's bundle identifier.
inline constexpr const char* kMRMediaRemoteNowPlayingInfoTitle = "kMRMediaRemoteNowPlayingInfoTitle";
inline constexpr const char* kMRMediaRemoteNowPlayingInfoArtist = "kMRMediaRemoteNowPlayingInfoArtist";
inline constexpr const char* kMRMediaRemoteNowPlayingInfoDuration = "kMRMediaRemoteNowPlayingInfoDuration";
inline constexpr const char* kMRMediaRemoteNowPlayingInfoElapsedTime = "kMRMediaRemoteNowPlayingInfoElapsedTime";
inline constexpr const char* kMRMediaRemoteNowPlayingInfoArtworkData = "kMRMediaRemoteNowPlayingInfoArtworkData";
inline constexpr const char* kMRMediaRemoteNowPlayingInfoClientBundleIdentifier =
    "kMRMediaRemoteNowPlayingInfoClientBundleIdentifier";

namespace mediaremote {

// The now-playing information as the system holds it; an empty function removes it.
using NowPlayingSource = std::function<id()>;
void setNowPlayingSource(NowPlayingSource source);

// Requests made since the process started.
long nowPlayingRequests();

}  // namespace mediaremote
