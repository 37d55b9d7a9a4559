/* A library written in plain C against the device's headers alone. At load it replaces
 * -[MRUArtworkView layoutSubviews]; after the original lays the view out, it rounds the
 * view's corners to a quarter of its width (read through objc_msgSend_stret), unless its
 * HBPreferences setting "Rounded" (default YES) is off, and the first
 * time it animates the alpha to 0.75 with a block, whose completion sends a method this
 * library added, which clips the view. An associated object marks a view already animated.
 * At load it prints each stored value k0 to k12 of its NSUserDefaults suite as each getter
 * reads it.
 * Built twice: by cc, with its blocks made by hand as a compiler lays them out, and by
 * clang -fblocks, with block literals. */
#include <Block.h>
#include <CoreGraphics/CGGeometry.h>
#include <Foundation/NSUserDefaults.h>
#include <objc/message.h>
#include <objc/runtime.h>
#include <stdio.h>
#include <substrate.h>

static void (*previousLayout)(id, SEL);
static char animatedKey;
static BOOL rounded;

/* Sends are cast from these pointers: GCC warns at every call of a declared function through
 * a cast, clang does not. */
static IMP sendMessage = (IMP)objc_msgSend;
static IMP sendMessageStret = (IMP)objc_msgSend_stret;

#define SEND(R, ...) ((R(*)(id, SEL, ##__VA_ARGS__))sendMessage)

static void finish(id self, SEL _cmd) {
  (void)_cmd;
  SEND(void, BOOL)(self, sel_registerName("setClipsToBounds:"), YES);
}

static void fade(id view) { SEND(void, CGFloat)(view, sel_registerName("setAlpha:"), 0.75); }

static void finished(id view, BOOL done) {
  if (done) SEND(void)(view, sel_registerName("lvc_finish"));
}

static void animate(void *animations, void *completion) {
  SEND(void, double, void *, void *)((id)objc_getClass("UIView"),
                                     sel_registerName("animateWithDuration:animations:completion:"),
                                     0.3, animations, completion);
}

#ifdef __BLOCKS__
static void animateOnce(id view) {
  animate((void *)^{ fade(view); }, (void *)^(BOOL done) { finished(view, done); });
}
#else
/* The blocks clang would make for the two literals above: on the stack, holding the view,
 * with helpers that retain and release it when the block is copied and freed. */
struct ViewBlock {
  struct Block_layout layout;
  id view;
};

static void copyView(void *dst, const void *src) {
  _Block_object_assign(&((struct ViewBlock *)dst)->view, ((const struct ViewBlock *)src)->view,
                       BLOCK_FIELD_IS_OBJECT);
}

static void disposeView(const void *block) {
  _Block_object_dispose(((const struct ViewBlock *)block)->view, BLOCK_FIELD_IS_OBJECT);
}

struct ViewBlockDescriptor {
  unsigned long reserved;
  unsigned long size;
  void (*copy)(void *dst, const void *src);
  void (*dispose)(const void *);
  const char *signature;
  const char *layout;
};

static void invokeFade(struct ViewBlock *block) { fade(block->view); }
static void invokeFinished(struct ViewBlock *block, BOOL done) { finished(block->view, done); }

static const struct ViewBlockDescriptor fadeDescriptor = {
    0, sizeof(struct ViewBlock), copyView, disposeView, "v8@?0", 0};
static const struct ViewBlockDescriptor finishedDescriptor = {
    0, sizeof(struct ViewBlock), copyView, disposeView, "v12@?0B8", 0};

static void animateOnce(id view) {
  const int flags = BLOCK_HAS_COPY_DISPOSE | BLOCK_HAS_SIGNATURE;
  struct ViewBlock animations = {
      {_NSConcreteStackBlock, flags, 0, (void (*)(void *, ...))invokeFade,
       (struct Block_descriptor_1 *)&fadeDescriptor},
      view};
  struct ViewBlock completion = {
      {_NSConcreteStackBlock, flags, 0, (void (*)(void *, ...))invokeFinished,
       (struct Block_descriptor_1 *)&finishedDescriptor},
      view};
  animate(&animations, &completion);
}
#endif

static void layoutArtwork(id self, SEL _cmd) {
  previousLayout(self, _cmd);
  CGRect frame;
  ((void (*)(CGRect *, id, SEL))sendMessageStret)(&frame, self, sel_registerName("frame"));
  id layer = SEND(id)(self, sel_registerName("layer"));
  if (rounded) SEND(void, CGFloat)(layer, sel_registerName("setCornerRadius:"), frame.size.width / 4);
  if (objc_getAssociatedObject(self, &animatedKey)) return;
  id mark = SEND(id)((id)objc_getClass("NSObject"), sel_registerName("new"));
  objc_setAssociatedObject(self, &animatedKey, mark, OBJC_ASSOCIATION_RETAIN_NONATOMIC);
  objc_release(mark);
  animateOnce(self);
}

static id text(const char *utf8) {
  return SEND(id, const char *)((id)objc_getClass("NSString"), sel_registerName("stringWithUTF8String:"), utf8);
}

static id made(const char *cls, const char *init, id argument) {
  id object = SEND(id)((id)objc_getClass(cls), sel_registerName("alloc"));
  return SEND(id, id)(object, sel_registerName(init), argument);
}

static void readPreferences(void) {
  id preferences = made("HBPreferences", "initWithIdentifier:", text("com.example.clib"));
  SEND(void, BOOL *, BOOL, id)(preferences, sel_registerName("registerBool:default:forKey:"), &rounded, YES,
                               text("Rounded"));
  objc_release(preferences);
  id defaults = made("NSUserDefaults", "initWithSuiteName:", text("com.example.clib"));
  for (int i = 0; i < 13; ++i) {
    char name[8];
    snprintf(name, sizeof name, "k%d", i);
    id key = text(name);
    if (!SEND(id, id)(defaults, sel_registerName("objectForKey:"), key)) continue;
    id string = SEND(id, id)(defaults, sel_registerName("stringForKey:"), key);
    printf("%s: %d %ld %g %s\n", name, (int)SEND(BOOL, id)(defaults, sel_registerName("boolForKey:"), key),
           (long)SEND(NSInteger, id)(defaults, sel_registerName("integerForKey:"), key),
           SEND(double, id)(defaults, sel_registerName("doubleForKey:"), key),
           string ? SEND(const char *)(string, sel_registerName("UTF8String")) : "(none)");
  }
  fflush(stdout);
  objc_release(defaults);
}

__attribute__((constructor)) static void install(void) {
  readPreferences();
  Class artwork = objc_getClass("MRUArtworkView");
  class_addMethod(artwork, sel_registerName("lvc_finish"), (IMP)finish, "v16@0:8");
  MSHookMessageEx(artwork, sel_registerName("layoutSubviews"), (IMP)layoutArtwork,
                  (IMP *)&previousLayout);
}
