#pragma once
// Replacement slots: `lv::slot<Fn>` is the cell of replacement `Fn` that receives the
// host's previous implementation when Fn is installed. A replacement reaches the host's
// behaviour only through it: `lv::slot<MTMaterialView_setFrame>(self, _cmd, frame)`.
#include <objc/objc.h>

namespace lv {

template <class F>
struct HookSlot;

template <class R, class... A>
struct HookSlot<R (*)(id, SEL, A...)> {
  IMP imp = nullptr;

  R operator()(id self, SEL cmd, A... args) const {
    return reinterpret_cast<R (*)(id, SEL, A...)>(imp)(self, cmd, args...);
  }
};

template <auto Fn>
inline constinit HookSlot<decltype(Fn)> slot{};

}  // namespace lv
