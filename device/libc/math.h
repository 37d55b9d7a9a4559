#ifndef LV_LIBC_MATH_H
#define LV_LIBC_MATH_H
/* On the phone long double is double; float_t and double_t are the types themselves. */
#include <sys/_types.h>

typedef float float_t;
typedef double double_t;

#define HUGE_VAL __builtin_huge_val()
#define HUGE_VALF __builtin_huge_valf()
#define HUGE_VALL __builtin_huge_vall()
#define INFINITY __builtin_inff()
#define NAN __builtin_nanf("")

#define FP_NAN 1
#define FP_INFINITE 2
#define FP_ZERO 3
#define FP_NORMAL 4
#define FP_SUBNORMAL 5
#define FP_ILOGB0 (-2147483647 - 1)
#define FP_ILOGBNAN (-2147483647 - 1)

#define fpclassify(x) __builtin_fpclassify(FP_NAN, FP_INFINITE, FP_NORMAL, FP_SUBNORMAL, FP_ZERO, x)
#define isfinite(x) __builtin_isfinite(x)
#define isinf(x) __builtin_isinf(x)
#define isnan(x) __builtin_isnan(x)
#define isnormal(x) __builtin_isnormal(x)
#define signbit(x) __builtin_signbit(x)
#define isgreater(x, y) __builtin_isgreater(x, y)
#define isgreaterequal(x, y) __builtin_isgreaterequal(x, y)
#define isless(x, y) __builtin_isless(x, y)
#define islessequal(x, y) __builtin_islessequal(x, y)
#define islessgreater(x, y) __builtin_islessgreater(x, y)
#define isunordered(x, y) __builtin_isunordered(x, y)

/* Each function in its double, float and long double forms. */
#define LV_MATH_1(name, R) \
  R name(double); \
  R name##f(float); \
  R name##l(long double);
#define LV_MATH_X(name) \
  double name(double); \
  float name##f(float); \
  long double name##l(long double);
#define LV_MATH_XX(name) \
  double name(double, double); \
  float name##f(float, float); \
  long double name##l(long double, long double);

LV_LIBC_BEGIN
LV_MATH_X(acos) LV_MATH_X(asin) LV_MATH_X(atan) LV_MATH_X(cos) LV_MATH_X(sin) LV_MATH_X(tan)
LV_MATH_X(acosh) LV_MATH_X(asinh) LV_MATH_X(atanh) LV_MATH_X(cosh) LV_MATH_X(sinh) LV_MATH_X(tanh)
LV_MATH_X(exp) LV_MATH_X(exp2) LV_MATH_X(expm1) LV_MATH_X(log) LV_MATH_X(log10) LV_MATH_X(log1p)
LV_MATH_X(log2) LV_MATH_X(logb) LV_MATH_X(cbrt) LV_MATH_X(sqrt) LV_MATH_X(fabs) LV_MATH_X(erf)
LV_MATH_X(erfc) LV_MATH_X(lgamma) LV_MATH_X(tgamma) LV_MATH_X(ceil) LV_MATH_X(floor)
LV_MATH_X(nearbyint) LV_MATH_X(rint) LV_MATH_X(round) LV_MATH_X(trunc)
LV_MATH_XX(atan2) LV_MATH_XX(hypot) LV_MATH_XX(pow) LV_MATH_XX(fmod) LV_MATH_XX(remainder)
LV_MATH_XX(copysign) LV_MATH_XX(nextafter) LV_MATH_XX(fdim) LV_MATH_XX(fmax) LV_MATH_XX(fmin)
LV_MATH_1(ilogb, int) LV_MATH_1(lrint, long) LV_MATH_1(llrint, long long)
LV_MATH_1(lround, long) LV_MATH_1(llround, long long)

double fma(double, double, double);
float fmaf(float, float, float);
long double fmal(long double, long double, long double);
double frexp(double, int *);
float frexpf(float, int *);
long double frexpl(long double, int *);
double ldexp(double, int);
float ldexpf(float, int);
long double ldexpl(long double, int);
double scalbn(double, int);
float scalbnf(float, int);
long double scalbnl(long double, int);
double scalbln(double, long);
float scalblnf(float, long);
long double scalblnl(long double, long);
double modf(double, double *);
float modff(float, float *);
long double modfl(long double, long double *);
double remquo(double, double, int *);
float remquof(float, float, int *);
long double remquol(long double, long double, int *);
double nexttoward(double, long double);
float nexttowardf(float, long double);
long double nexttowardl(long double, long double);
double nan(const char *);
float nanf(const char *);
long double nanl(const char *);
LV_LIBC_END

#undef LV_MATH_1
#undef LV_MATH_X
#undef LV_MATH_XX

#endif
