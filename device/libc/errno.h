#ifndef LV_LIBC_ERRNO_H
#define LV_LIBC_ERRNO_H
#include <sys/_types.h>

/* The phone's numbers, which are not Linux's (EAGAIN is 35 here). */
#define EPERM 1
#define ENOENT 2
#define EINTR 4
#define EIO 5
#define EBADF 9
#define ENOMEM 12
#define EACCES 13
#define EBUSY 16
#define EEXIST 17
#define EINVAL 22
#define ENOSPC 28
#define EDOM 33
#define ERANGE 34
#define EAGAIN 35
#define ETIMEDOUT 60
#define EOVERFLOW 84
#define EILSEQ 92

#define errno (*__error())

LV_LIBC_BEGIN
int *__error(void);
LV_LIBC_END

#endif
