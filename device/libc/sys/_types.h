#ifndef LV_LIBC_SYS_TYPES_H
#define LV_LIBC_SYS_TYPES_H
/* Types several C headers share, with the phone's (arm64, LP64) layouts. */
typedef __SIZE_TYPE__ size_t;
typedef long long off_t;
typedef long time_t;
typedef unsigned long clock_t;
typedef int wint_t;
#ifndef __cplusplus
typedef __WCHAR_TYPE__ wchar_t;
#endif

typedef union {
  char __mbstate8[128];
  long long _mbstateL;
} __mbstate_t;
typedef __mbstate_t mbstate_t;

typedef struct __sFILE FILE;

struct timespec {
  time_t tv_sec;
  long tv_nsec;
};

#ifndef NULL
#ifdef __cplusplus
#define NULL __null
#else
#define NULL ((void *)0)
#endif
#endif

#ifdef __cplusplus
#define LV_LIBC_BEGIN extern "C" {
#define LV_LIBC_END }
#else
#define LV_LIBC_BEGIN
#define LV_LIBC_END
#endif

#endif
