#ifndef LV_SDK_DISPATCH_DISPATCH_H
#define LV_SDK_DISPATCH_DISPATCH_H
/* The main queue. As on the device it is an object the library system exports, and
 * dispatch_get_main_queue() is its address. */

#ifdef __cplusplus
extern "C" {
#endif

typedef struct dispatch_queue_s *dispatch_queue_t;

extern struct dispatch_queue_s _dispatch_main_q;

#define dispatch_get_main_queue() (&_dispatch_main_q)

#ifdef __cplusplus
}
#endif

#endif
