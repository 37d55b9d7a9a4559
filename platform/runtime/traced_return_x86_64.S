// Where a traced implementation returns to: reports the frame's return and goes on to the
// caller's real return address, kept on the shadow stack (traced_return.h). The return
// registers (rax rdx xmm0 xmm1) pass through untouched, saved as rt::SavedResult lays them
// out for the report to read the result from. Entered by the implementation's
// `ret`, so rsp is 16-aligned here. Unwinders stop here, so an exception must not leave an
// implementation traced this way.
#if !defined(__x86_64__) || !defined(__linux__)
#error "traced_return_x86_64.S is for x86-64 Linux"
#endif

	.intel_syntax noprefix
	.text

	.globl lv_tracedReturnTrampoline
	.hidden lv_tracedReturnTrampoline
	.type lv_tracedReturnTrampoline, @function
	.p2align 5
lv_tracedReturnTrampoline:
	.cfi_startproc
	.cfi_undefined rip
	sub rsp, 48
	.cfi_adjust_cfa_offset 48
	movups xmmword ptr [rsp + 0], xmm0
	movups xmmword ptr [rsp + 16], xmm1
	mov qword ptr [rsp + 32], rax
	mov qword ptr [rsp + 40], rdx
	mov rdi, rsp
	call lv_tracedReturn
	mov r11, rax
	movups xmm0, xmmword ptr [rsp + 0]
	movups xmm1, xmmword ptr [rsp + 16]
	mov rax, qword ptr [rsp + 32]
	mov rdx, qword ptr [rsp + 40]
	add rsp, 48
	.cfi_adjust_cfa_offset -48
	jmp r11
	.cfi_endproc
	.size lv_tracedReturnTrampoline, . - lv_tracedReturnTrampoline

	.section .note.GNU-stack, "", @progbits
