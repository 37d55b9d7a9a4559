#pragma once
// Replacement slots: `lv::slot<Fn>` is the cell of replacement `Fn` that receives the
// host's previous implementation when Fn is installed. A replacement reaches the host's
// behaviour only through it: `lv::slot<MTMaterialView_setFrame>(self, _cmd, frame)`.
#include "substrate/substrate.h"

namespace lv {

template <auto Fn>
inline constinit rt::HookSlot<decltype(Fn)> slot{};

}  // namespace lv
