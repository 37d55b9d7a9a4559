#include "substrate/slot_stub.h"

#include <cstddef>
#include <cstdint>

#include "runtime/signature.h"
#include "runtime/traced_return.h"
#include "runtime/type_layout.h"
#include "substrate/slot_stub_layout.h"

static_assert(sizeof(SlotStubRecord) == LV_SLOT_RECORD_SIZE);
static_assert(offsetof(SlotStubRecord, imp) == LV_SLOT_RECORD_IMP);
static_assert(offsetof(SlotStubRecord, sret) == LV_SLOT_RECORD_SRET);

extern "C" {
[[gnu::visibility("hidden")]] SlotStubRecord lv_slotRecords[LV_SLOT_STUB_COUNT];
[[gnu::visibility("hidden")]] void lv_slotStubs();  // the first of the pool's stubs
}

namespace {

size_t g_used = 0;  // records handed out, in order

uintptr_t pool() { return reinterpret_cast<uintptr_t>(&lv_slotStubs); }

IMP stubAt(size_t index) { return reinterpret_cast<IMP>(pool() + index * LV_SLOT_STUB_SIZE); }

}  // namespace

IMP rt::slotStub(IMP imp, const Signature* sig) {
  for (size_t i = 0; i < g_used; ++i)
    if (lv_slotRecords[i].imp == imp && lv_slotRecords[i].signature == sig) return stubAt(i);
  if (g_used == LV_SLOT_STUB_COUNT) return imp;  // calls through this slot go untraced
  lv_slotRecords[g_used] = {imp, sig && returnsInMemory(sig->readable), sig};
  return stubAt(g_used++);
}

IMP lv_slotStubEnter(id self, SEL cmd, const SlotStubRecord* record, void** returnSlot) {
  rt::openSlotUntilReturn(self, cmd, record->signature, returnSlot);
  return record->imp;
}
