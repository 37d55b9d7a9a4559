#include "foundation/block.h"

#include "runtime/class_setup.h"

namespace fnd {

namespace {
Class g_blockClass = nullptr;

id NSBlock_copy(id self, SEL) { return rt::retain(self); }

void registerBlockClass() {
  // Instances are made by fnd::block with their typed C++ state; the class allocator is
  // only there for `alloc`, which yields an empty block.
  g_blockClass = rt::defineClass(
      "NSBlock", "NSObject",
      rt::InstanceType{sizeof(NSBlock), +[](void* memory) { new (memory) NSBlock(); },
                       +[](id obj) {
                         auto* b = static_cast<NSBlock*>(obj);
                         if (b->destroy) b->destroy(b);
                       }});
  rt::addMethod(g_blockClass, "copy"_sel, NSBlock_copy);
}

LV_CLASS_SETUP(registerBlockClass);

}  // namespace

Class blockClass() { return g_blockClass; }

void blockSignatureMismatch(id block, const rt::Signature* want) {
  if (!rt::isKindOfClass(block, g_blockClass))
    rt::fatal(std::string("object of class ") + class_getName(block->isa) +
              " called as a block");
  const rt::Signature* have = static_cast<NSBlock*>(block)->signature;
  rt::fatal("block of signature " + (have ? have->readable : std::string("(none)")) +
            " called as " + want->readable);
}

}  // namespace fnd

namespace rt {
id retainHeapBlock(id block) { return block; }
void releaseHeapBlock(id) {}
}  // namespace rt
