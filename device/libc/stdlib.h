#ifndef LV_LIBC_STDLIB_H
#define LV_LIBC_STDLIB_H
#include <sys/_types.h>

#define EXIT_SUCCESS 0
#define EXIT_FAILURE 1
#define RAND_MAX 0x7fffffff
#define MB_CUR_MAX __mb_cur_max

typedef struct {
  int quot;
  int rem;
} div_t;
typedef struct {
  long quot;
  long rem;
} ldiv_t;
typedef struct {
  long long quot;
  long long rem;
} lldiv_t;

LV_LIBC_BEGIN
extern int __mb_cur_max;

void *malloc(size_t size);
void *calloc(size_t count, size_t size);
void *realloc(void *p, size_t size);
void free(void *p);
int posix_memalign(void **p, size_t alignment, size_t size);
void *aligned_alloc(size_t alignment, size_t size);

__attribute__((noreturn)) void abort(void);
__attribute__((noreturn)) void exit(int status);
__attribute__((noreturn)) void _Exit(int status);
int atexit(void (*f)(void));
char *getenv(const char *name);

double atof(const char *s);
int atoi(const char *s);
long atol(const char *s);
long long atoll(const char *s);
double strtod(const char *s, char **end);
float strtof(const char *s, char **end);
long double strtold(const char *s, char **end);
long strtol(const char *s, char **end, int base);
long long strtoll(const char *s, char **end, int base);
unsigned long strtoul(const char *s, char **end, int base);
unsigned long long strtoull(const char *s, char **end, int base);

int abs(int j);
long labs(long j);
long long llabs(long long j);
div_t div(int n, int d);
ldiv_t ldiv(long n, long d);
lldiv_t lldiv(long long n, long long d);

int rand(void);
void srand(unsigned seed);
void *bsearch(const void *key, const void *base, size_t count, size_t size,
              int (*compare)(const void *, const void *));
void qsort(void *base, size_t count, size_t size, int (*compare)(const void *, const void *));

int mblen(const char *s, size_t n);
int mbtowc(wchar_t *to, const char *s, size_t n);
int wctomb(char *to, wchar_t c);
size_t mbstowcs(wchar_t *to, const char *from, size_t n);
size_t wcstombs(char *to, const wchar_t *from, size_t n);
LV_LIBC_END

#endif
