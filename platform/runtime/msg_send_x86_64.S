// objc_msgSend and its variants for x86-64 (System V). The cached lookup is inline: the
// class's cache is emptied by every change of a method table and holds no method a message
// observer traces; a slot within it that has been looked up holds the method,
// and we jump to its implementation with every argument register untouched. Anything else goes through
// lv_msgSendResolve with all argument registers saved. Only r10 and r11 are used as
// scratch: rax carries the vector register count of a variadic call.
#if !defined(__x86_64__) || !defined(__linux__)
#error "msg_send_x86_64.S is for x86-64 Linux"
#endif

	.intel_syntax noprefix

#include "runtime/argument_frame_x86_64.h"
#include "runtime/msg_send_layout.h"

// rt::g_unlookedMethod, what a slot holds before its selector is looked up (hidden).
#define UNLOOKED_METHOD _ZN2rt16g_unlookedMethodE

	.text

// Class in r10; the receiver and selector are read back from where their registers were
// saved. Resolves (or dies), then jumps to the implementation with the registers restored.
.macro RESOLVE receiver, sel
	SAVE_ARGUMENTS
	mov rdi, r10
	mov rsi, qword ptr [rsp + \receiver]
	mov rdx, qword ptr [rsp + \sel]
	lea rcx, [rsp + ARGUMENT_FRAME_SIZE]
	call lv_msgSendResolve
	mov r11, rax
	RESTORE_ARGUMENTS
	jmp r11
.endm

.macro ENTRY name
	.globl \name
	.type \name, @function
	.p2align 5
\name:
	.cfi_startproc
.endm

.macro END name
	.cfi_endproc
	.size \name, . - \name
.endm

// r10 = the class a send searches first: the receiver's class, or for a super send the
// superclass of super->super_class, `recv` holding the struct objc_super*.
.macro START_CLASS recv, super
	.if \super
	mov r10, qword ptr [\recv + LV_SUPER_CLASS]
	mov r10, qword ptr [r10 + LV_CLASS_SUPERCLASS]
	.else
	mov r10, qword ptr [\recv]
	.endif
.endm

// A whole send. `recv` is the receiver's register (for a super send it holds the struct
// objc_super* until the receiver replaces it), `selector` the selector's; `recvSaved` and
// `selectorSaved` are where the slow path saves them. The hit path loses the class (r10),
// so the slow path finds it again. A nil receiver answers zero in every register a scalar
// or a small structure returns in; with `stret`, rax answers the result pointer and, as
// on the device, the result memory is left as the caller had it.
.macro SEND recv, selector, recvSaved, selectorSaved, stret, super
	.if \super
	mov r11, qword ptr [\recv + LV_SUPER_RECEIVER]
	test r11, r11
	jz 1f
	START_CLASS \recv, 1
	test r10, r10
	jz 2f
	.else
	test \recv, \recv
	jz 1f
	START_CLASS \recv, 0
	.endif
	mov r11d, dword ptr [\selector + LV_SELECTOR_INDEX]
	cmp r11d, dword ptr [r10 + LV_CLASS_CACHE_SIZE]
	jae 2f
	mov r10, qword ptr [r10 + LV_CLASS_CACHE_SLOTS]
	mov r11, qword ptr [r10 + r11 * 8]
	lea r10, [rip + UNLOOKED_METHOD]
	cmp r11, r10
	je 2f
	.if \super
	mov \recv, qword ptr [\recv + LV_SUPER_RECEIVER]
	.endif
	jmp qword ptr [r11 + LV_METHOD_IMP]
1:
	.if \stret
	mov rax, rdi
	.else
	xor eax, eax
	xor edx, edx
	xorps xmm0, xmm0
	xorps xmm1, xmm1
	.endif
	ret
2:
	START_CLASS \recv, \super
	.if \super
	mov \recv, qword ptr [\recv + LV_SUPER_RECEIVER]
	.endif
	RESOLVE \recvSaved, \selectorSaved
.endm

// id objc_msgSend(id self, SEL op, ...)
ENTRY objc_msgSend
	SEND rdi, rsi, SAVED_RDI, SAVED_RSI, 0, 0
END objc_msgSend

// void objc_msgSend_stret(void* result, id self, SEL op, ...)
ENTRY objc_msgSend_stret
	SEND rsi, rdx, SAVED_RSI, SAVED_RDX, 1, 0
END objc_msgSend_stret

// objc_msgSendSuper2(struct objc_super* super, SEL op, ...)
ENTRY objc_msgSendSuper2
	SEND rdi, rsi, SAVED_RDI, SAVED_RSI, 0, 1
END objc_msgSendSuper2

// objc_msgSendSuper2_stret(void* result, struct objc_super* super, SEL op, ...)
ENTRY objc_msgSendSuper2_stret
	SEND rsi, rdx, SAVED_RSI, SAVED_RDX, 1, 1
END objc_msgSendSuper2_stret

	.section .note.GNU-stack, "", @progbits
