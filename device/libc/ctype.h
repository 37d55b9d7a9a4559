#ifndef LV_LIBC_CTYPE_H
#define LV_LIBC_CTYPE_H
#include <sys/_types.h>

LV_LIBC_BEGIN
int isalnum(int c);
int isalpha(int c);
int isblank(int c);
int iscntrl(int c);
int isdigit(int c);
int isgraph(int c);
int islower(int c);
int isprint(int c);
int ispunct(int c);
int isspace(int c);
int isupper(int c);
int isxdigit(int c);
int tolower(int c);
int toupper(int c);
LV_LIBC_END

#endif
