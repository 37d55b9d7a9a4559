#pragma once
// Assembly macros that keep every argument register across a call out: xmm0-7, then rdi
// rsi rdx rcx r8 r9 rax (the vector register count of a variadic call). Entered with the
// return address on top, the frame leaves the stack 16-aligned for the call. C++ reads the
// frame as rt::SavedArguments (saved_registers.h).
#define SAVED_RDI 128
#define SAVED_RSI 136
#define SAVED_RDX 144
#define ARGUMENT_FRAME_SIZE 184

#ifdef __ASSEMBLER__

.macro SAVE_ARGUMENTS
	sub rsp, ARGUMENT_FRAME_SIZE
	.cfi_adjust_cfa_offset ARGUMENT_FRAME_SIZE
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
.endm

.macro RESTORE_ARGUMENTS
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
	add rsp, ARGUMENT_FRAME_SIZE
	.cfi_adjust_cfa_offset -ARGUMENT_FRAME_SIZE
.endm
#endif
