// Slot stubs for x86-64 (System V): what MSHookMessageEx puts in a slot. Each stub loads
// the address of its record into r11 and jumps to the common part. Without a message
// observer the common part jumps on to the replaced implementation with every argument
// register untouched (rax too: the vector register count of a variadic call). With one, it
// opens a Slot frame first, which closes when the implementation returns. A method that
// returns a structure in memory has self and _cmd one register later.
#if !defined(__x86_64__) || !defined(__linux__)
#error "slot_stub_x86_64.S is for x86-64 Linux"
#endif

	.intel_syntax noprefix

#include "runtime/argument_frame_x86_64.h"
#include "substrate/slot_stub_layout.h"

	.text

	.globl lv_slotStubs
	.hidden lv_slotStubs
	.type lv_slotStubs, @function
	.p2align 4
lv_slotStubs:
	.cfi_startproc
	.set stubIndex, 0
	.rept LV_SLOT_STUB_COUNT
	.p2align 4
	lea r11, [rip + lv_slotRecords + stubIndex * LV_SLOT_RECORD_SIZE]
	jmp slotStubCommon
	.set stubIndex, stubIndex + 1
	.endr
	.cfi_endproc
	.size lv_slotStubs, . - lv_slotStubs

	.type slotStubCommon, @function
	.p2align 5
slotStubCommon:
	.cfi_startproc
	cmp byte ptr [rip + lv_messageObserverInstalled], 0
	jne 1f
	jmp qword ptr [r11 + LV_SLOT_RECORD_IMP]
1:
	SAVE_ARGUMENTS
	cmp byte ptr [r11 + LV_SLOT_RECORD_SRET], 0
	je 2f
	mov rdi, rsi
	mov rsi, rdx
2:
	mov rdx, r11
	lea rcx, [rsp + ARGUMENT_FRAME_SIZE]
	call lv_slotStubEnter
	mov r11, rax
	RESTORE_ARGUMENTS
	jmp r11
	.cfi_endproc
	.size slotStubCommon, . - slotStubCommon

	.section .note.GNU-stack, "", @progbits
