#ifndef LV_LIBC_STRING_H
#define LV_LIBC_STRING_H
#include <sys/_types.h>

LV_LIBC_BEGIN
void *memchr(const void *s, int c, size_t n);
int memcmp(const void *a, const void *b, size_t n);
void *memcpy(void *to, const void *from, size_t n);
void *memmove(void *to, const void *from, size_t n);
void *memset(void *s, int c, size_t n);
char *strcat(char *to, const char *from);
char *strchr(const char *s, int c);
int strcmp(const char *a, const char *b);
int strcoll(const char *a, const char *b);
char *strcpy(char *to, const char *from);
size_t strcspn(const char *s, const char *reject);
char *strerror(int errnum);
size_t strlen(const char *s);
char *strncat(char *to, const char *from, size_t n);
int strncmp(const char *a, const char *b, size_t n);
char *strncpy(char *to, const char *from, size_t n);
char *strpbrk(const char *s, const char *accept);
char *strrchr(const char *s, int c);
size_t strspn(const char *s, const char *accept);
char *strstr(const char *haystack, const char *needle);
char *strtok(char *s, const char *separators);
size_t strxfrm(char *to, const char *from, size_t n);
LV_LIBC_END

#endif
