#ifndef LV_LIBC_WCHAR_H
#define LV_LIBC_WCHAR_H
#include <sys/_types.h>

#define WEOF ((wint_t)-1)
#define WCHAR_MIN __WCHAR_MIN__
#define WCHAR_MAX __WCHAR_MAX__

struct tm;

LV_LIBC_BEGIN
wint_t btowc(int c);
int wctob(wint_t c);
size_t mbrlen(const char *s, size_t n, mbstate_t *state);
size_t mbrtowc(wchar_t *to, const char *s, size_t n, mbstate_t *state);
int mbsinit(const mbstate_t *state);
size_t mbsrtowcs(wchar_t *to, const char **from, size_t n, mbstate_t *state);
size_t wcrtomb(char *to, wchar_t c, mbstate_t *state);
size_t wcsrtombs(char *to, const wchar_t **from, size_t n, mbstate_t *state);
wchar_t *wcscat(wchar_t *to, const wchar_t *from);
wchar_t *wcschr(const wchar_t *s, wchar_t c);
int wcscmp(const wchar_t *a, const wchar_t *b);
int wcscoll(const wchar_t *a, const wchar_t *b);
wchar_t *wcscpy(wchar_t *to, const wchar_t *from);
size_t wcscspn(const wchar_t *s, const wchar_t *reject);
size_t wcslen(const wchar_t *s);
wchar_t *wcsncat(wchar_t *to, const wchar_t *from, size_t n);
int wcsncmp(const wchar_t *a, const wchar_t *b, size_t n);
wchar_t *wcsncpy(wchar_t *to, const wchar_t *from, size_t n);
wchar_t *wcspbrk(const wchar_t *s, const wchar_t *accept);
wchar_t *wcsrchr(const wchar_t *s, wchar_t c);
size_t wcsspn(const wchar_t *s, const wchar_t *accept);
wchar_t *wcsstr(const wchar_t *haystack, const wchar_t *needle);
size_t wcsxfrm(wchar_t *to, const wchar_t *from, size_t n);
wchar_t *wmemchr(const wchar_t *s, wchar_t c, size_t n);
int wmemcmp(const wchar_t *a, const wchar_t *b, size_t n);
wchar_t *wmemcpy(wchar_t *to, const wchar_t *from, size_t n);
wchar_t *wmemmove(wchar_t *to, const wchar_t *from, size_t n);
wchar_t *wmemset(wchar_t *s, wchar_t c, size_t n);
double wcstod(const wchar_t *s, wchar_t **end);
float wcstof(const wchar_t *s, wchar_t **end);
long double wcstold(const wchar_t *s, wchar_t **end);
long wcstol(const wchar_t *s, wchar_t **end, int base);
long long wcstoll(const wchar_t *s, wchar_t **end, int base);
unsigned long wcstoul(const wchar_t *s, wchar_t **end, int base);
unsigned long long wcstoull(const wchar_t *s, wchar_t **end, int base);
LV_LIBC_END

#endif
