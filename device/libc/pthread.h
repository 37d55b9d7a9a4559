#ifndef LV_LIBC_PTHREAD_H
#define LV_LIBC_PTHREAD_H
/* The phone's opaque layouts: a signature word, then the implementation's bytes. */
#include <sys/_types.h>

typedef struct _opaque_pthread_t *pthread_t;
typedef unsigned long pthread_key_t;
typedef struct {
  long __sig;
  char __opaque[56];
} pthread_attr_t;
typedef struct {
  long __sig;
  char __opaque[56];
} pthread_mutex_t;
typedef struct {
  long __sig;
  char __opaque[8];
} pthread_mutexattr_t;
typedef struct {
  long __sig;
  char __opaque[40];
} pthread_cond_t;
typedef struct {
  long __sig;
  char __opaque[8];
} pthread_condattr_t;
typedef struct {
  long __sig;
  char __opaque[8];
} pthread_once_t;

#define PTHREAD_MUTEX_NORMAL 0
#define PTHREAD_MUTEX_ERRORCHECK 1
#define PTHREAD_MUTEX_RECURSIVE 2
#define PTHREAD_MUTEX_DEFAULT PTHREAD_MUTEX_NORMAL
#define PTHREAD_MUTEX_INITIALIZER {0x32AAABA7, {0}}
#define PTHREAD_COND_INITIALIZER {0x3CB0B1BB, {0}}
#define PTHREAD_ONCE_INIT {0x30B1BCBA, {0}}

LV_LIBC_BEGIN
int pthread_create(pthread_t *thread, const pthread_attr_t *attr, void *(*start)(void *), void *arg);
int pthread_join(pthread_t thread, void **result);
int pthread_detach(pthread_t thread);
pthread_t pthread_self(void);
int pthread_equal(pthread_t a, pthread_t b);
int pthread_once(pthread_once_t *once, void (*init)(void));

int pthread_mutexattr_init(pthread_mutexattr_t *attr);
int pthread_mutexattr_settype(pthread_mutexattr_t *attr, int type);
int pthread_mutexattr_destroy(pthread_mutexattr_t *attr);
int pthread_mutex_init(pthread_mutex_t *m, const pthread_mutexattr_t *attr);
int pthread_mutex_lock(pthread_mutex_t *m);
int pthread_mutex_trylock(pthread_mutex_t *m);
int pthread_mutex_unlock(pthread_mutex_t *m);
int pthread_mutex_destroy(pthread_mutex_t *m);

int pthread_cond_signal(pthread_cond_t *c);
int pthread_cond_broadcast(pthread_cond_t *c);
int pthread_cond_wait(pthread_cond_t *c, pthread_mutex_t *m);
int pthread_cond_timedwait(pthread_cond_t *c, pthread_mutex_t *m, const struct timespec *until);
int pthread_cond_destroy(pthread_cond_t *c);

int pthread_key_create(pthread_key_t *key, void (*destroy)(void *));
void *pthread_getspecific(pthread_key_t key);
int pthread_setspecific(pthread_key_t key, const void *value);
LV_LIBC_END

#endif
