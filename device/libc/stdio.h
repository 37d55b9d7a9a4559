#ifndef LV_LIBC_STDIO_H
#define LV_LIBC_STDIO_H
#include <stdarg.h>
#include <sys/_types.h>

typedef off_t fpos_t;

#define EOF (-1)
#define BUFSIZ 1024
#define SEEK_SET 0
#define SEEK_CUR 1
#define SEEK_END 2
#define stdin __stdinp
#define stdout __stdoutp
#define stderr __stderrp

LV_LIBC_BEGIN
extern FILE *__stdinp;
extern FILE *__stdoutp;
extern FILE *__stderrp;

FILE *fopen(const char *path, const char *mode);
int fclose(FILE *f);
int fflush(FILE *f);
size_t fread(void *to, size_t size, size_t count, FILE *f);
size_t fwrite(const void *from, size_t size, size_t count, FILE *f);
int fputc(int c, FILE *f);
int fputs(const char *s, FILE *f);
int fgetc(FILE *f);
char *fgets(char *to, int n, FILE *f);
int ungetc(int c, FILE *f);
int feof(FILE *f);
int ferror(FILE *f);
int fseek(FILE *f, long offset, int whence);
long ftell(FILE *f);

int printf(const char *format, ...);
int fprintf(FILE *f, const char *format, ...);
int sprintf(char *to, const char *format, ...);
int snprintf(char *to, size_t n, const char *format, ...);
int vprintf(const char *format, va_list args);
int vfprintf(FILE *f, const char *format, va_list args);
int vsprintf(char *to, const char *format, va_list args);
int vsnprintf(char *to, size_t n, const char *format, va_list args);
int sscanf(const char *s, const char *format, ...);
int vsscanf(const char *s, const char *format, va_list args);
int puts(const char *s);
void perror(const char *s);
int remove(const char *path);
int rename(const char *from, const char *to);
LV_LIBC_END

#endif
