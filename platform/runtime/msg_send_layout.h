#pragma once
// Offsets objc_msgSend's assembly reads, in rt::ClassHead, objc_method, objc_selector and
// objc_super; msg_send.cpp checks them against the C++ layout.
#define LV_CLASS_SUPERCLASS 8
#define LV_CLASS_CACHE_SLOTS 16
#define LV_CLASS_CACHE_SIZE 24
#define LV_METHOD_IMP 8
#define LV_SELECTOR_INDEX 0
#define LV_SUPER_RECEIVER 0
#define LV_SUPER_CLASS 8
