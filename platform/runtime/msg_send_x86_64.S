// objc_msgSend and its variants for x86-64 (System V). The cached lookup is inline: the
// class's cache is emptied by every change of a method table and stays empty while a
// message observer is installed; a slot within it that has been looked up holds the method,
// and we jump to its implementation with every argument register untouched. Anything else goes through
// lv_msgSendResolve with all argument registers saved. Only r10 and r11 are used as
// scratch: rax carries the vector register count of a variadic call.
#if !defined(__x86_64__) || !defined(__linux__)
#error "msg_send_x86_64.S is for x86-64 Linux"
#endif

	.intel_syntax noprefix

#include "runtime/msg_send_layout.h"

// The slow path's frame: xmm0-7, then rdi rsi rdx rcx r8 r9 rax. With the return
// address it is a multiple of 16, so the call out is aligned.
#define SAVED_RDI 128
#define SAVED_RSI 136
#define SAVED_RDX 144
#define FRAME_SIZE 184

// rt::g_unlookedMethod, what a slot holds before its selector is looked up (hidden).
#define UNLOOKED_METHOD _ZN2rt16g_unlookedMethodE

	.text

// Class in r10; the receiver and selector are read back from where their registers were
// saved. Resolves (or dies), then jumps to the implementation with the registers restored.
.macro RESOLVE receiver, sel
	sub rsp, FRAME_SIZE
	.cfi_adjust_cfa_offset FRAME_SIZE
	movaps xmmword ptr [rsp + 0], xmm0
	movaps xmmword ptr [rsp + 16], xmm1
	movaps xmmword ptr [rsp + 32], xmm2
	movaps xmmword ptr [rsp + 48], xmm3
	movaps xmmword ptr [rsp + 64], xmm4
	movaps xmmword ptr [rsp + 80], xmm5
	movaps xmmword ptr [rsp + 96], xmm6
	movaps xmmword ptr [rsp + 112], xmm7
	mov qword ptr [rsp + SAVED_RDI], rdi
	mov qword ptr [rsp + SAVED_RSI], rsi
	mov qword ptr [rsp + SAVED_RDX], rdx
	mov qword ptr [rsp + 152], rcx
	mov qword ptr [rsp + 160], r8
	mov qword ptr [rsp + 168], r9
	mov qword ptr [rsp + 176], rax
	mov rdi, r10
	mov rsi, qword ptr [rsp + \receiver]
	mov rdx, qword ptr [rsp + \sel]
	lea rcx, [rsp + FRAME_SIZE]
	call lv_msgSendResolve
	mov r11, rax
	movaps xmm0, xmmword ptr [rsp + 0]
	movaps xmm1, xmmword ptr [rsp + 16]
	movaps xmm2, xmmword ptr [rsp + 32]
	movaps xmm3, xmmword ptr [rsp + 48]
	movaps xmm4, xmmword ptr [rsp + 64]
	movaps xmm5, xmmword ptr [rsp + 80]
	movaps xmm6, xmmword ptr [rsp + 96]
	movaps xmm7, xmmword ptr [rsp + 112]
	mov rdi, qword ptr [rsp + SAVED_RDI]
	mov rsi, qword ptr [rsp + SAVED_RSI]
	mov rdx, qword ptr [rsp + SAVED_RDX]
	mov rcx, qword ptr [rsp + 152]
	mov r8, qword ptr [rsp + 160]
	mov r9, qword ptr [rsp + 168]
	mov rax, qword ptr [rsp + 176]
	add rsp, FRAME_SIZE
	.cfi_adjust_cfa_offset -FRAME_SIZE
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

// Where a traced implementation returns to: reports the frame's return and goes on to the
// caller's real return address, kept on the shadow stack. The return registers (rax rdx
// xmm0 xmm1) pass through untouched. Entered by the implementation's `ret`, so rsp is
// 16-aligned here. Unwinders stop here, so an exception must not leave an implementation
// traced this way.
	.globl lv_msgSendTraceTrampoline
	.hidden lv_msgSendTraceTrampoline
	.type lv_msgSendTraceTrampoline, @function
	.p2align 5
lv_msgSendTraceTrampoline:
	.cfi_startproc
	.cfi_undefined rip
	sub rsp, 48
	.cfi_adjust_cfa_offset 48
	movups xmmword ptr [rsp + 0], xmm0
	movups xmmword ptr [rsp + 16], xmm1
	mov qword ptr [rsp + 32], rax
	mov qword ptr [rsp + 40], rdx
	call lv_msgSendTraceReturn
	mov r11, rax
	movups xmm0, xmmword ptr [rsp + 0]
	movups xmm1, xmmword ptr [rsp + 16]
	mov rax, qword ptr [rsp + 32]
	mov rdx, qword ptr [rsp + 40]
	add rsp, 48
	.cfi_adjust_cfa_offset -48
	jmp r11
END lv_msgSendTraceTrampoline

	.section .note.GNU-stack, "", @progbits
