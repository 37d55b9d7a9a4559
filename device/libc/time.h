#ifndef LV_LIBC_TIME_H
#define LV_LIBC_TIME_H
#include <sys/_types.h>

#define CLOCKS_PER_SEC 1000000

struct tm {
  int tm_sec;
  int tm_min;
  int tm_hour;
  int tm_mday;
  int tm_mon;
  int tm_year;
  int tm_wday;
  int tm_yday;
  int tm_isdst;
  long tm_gmtoff;
  char *tm_zone;
};

LV_LIBC_BEGIN
clock_t clock(void);
time_t time(time_t *t);
double difftime(time_t end, time_t start);
time_t mktime(struct tm *t);
struct tm *gmtime(const time_t *t);
struct tm *localtime(const time_t *t);
size_t strftime(char *to, size_t n, const char *format, const struct tm *t);
int nanosleep(const struct timespec *wait, struct timespec *left);
LV_LIBC_END

#endif
