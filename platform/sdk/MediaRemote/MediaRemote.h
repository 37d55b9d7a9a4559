#ifndef LV_SDK_MEDIAREMOTE_MEDIAREMOTE_H
#define LV_SDK_MEDIAREMOTE_MEDIAREMOTE_H
/* The now-playing query. */
#include <CoreFoundation/CFDictionary.h>
#include <dispatch/dispatch.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A block that receives the now-playing dictionary, or NULL when nothing plays. Where the
 * compiler has no blocks, the block is passed as the object it is. */
#ifdef __BLOCKS__
typedef void (^MRMediaRemoteGetNowPlayingInfoCompletion)(CFDictionaryRef information);
#else
typedef void *MRMediaRemoteGetNowPlayingInfoCompletion;
#endif

/* Calls `completion` on `queue`, after the caller has returned. */
void MRMediaRemoteGetNowPlayingInfo(dispatch_queue_t queue, MRMediaRemoteGetNowPlayingInfoCompletion completion);

#ifdef __cplusplus
}
#endif

#endif
