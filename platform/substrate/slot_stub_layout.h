#pragma once
// The slot stub pool's shape, shared by slot_stub_x86_64.S and slot_stub.cpp, which checks
// the record's layout.
#define LV_SLOT_STUB_COUNT 1024
#define LV_SLOT_STUB_SIZE 16
#define LV_SLOT_RECORD_SIZE 24
#define LV_SLOT_RECORD_IMP 0
#define LV_SLOT_RECORD_SRET 8
