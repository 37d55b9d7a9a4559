#ifndef LV_LIBC_SCHED_H
#define LV_LIBC_SCHED_H
#include <sys/_types.h>

LV_LIBC_BEGIN
int sched_yield(void);
LV_LIBC_END

#endif
