// The stack-checking thunk of module_call.h, for 32-bit x86 only.
//
// emu_stdcall_checked(function, arguments, argument_bytes, returns_float,
// result): copies the arguments onto a 16-byte aligned stack, calls the
// function, and stores eax, edx, st(0) (when the function returns a float)
// and how far the stack pointer is from where a stdcall return leaves it.
// The stack pointer is then restored from the frame, whatever the callee
// did with it. 64 bytes of room lie between the arguments and the thunk's
// saved registers: a callee that takes more arguments than it was given
// reads and writes (a tail call reuses its argument slots) there, not in
// the host's frames.
#include "emulator/module_call.h"

#include "emulator/host_services.h"

#if defined(__i386__)

asm(R"(
    .text
    .globl emu_stdcall_checked
    .p2align 4
emu_stdcall_checked:
    pushl %ebp
    movl %esp, %ebp
    pushl %esi
    pushl %edi
    pushl %ebx
    movl 16(%ebp), %ecx
    movl %esp, %ebx
    subl %ecx, %ebx
    subl $64, %ebx
    andl $-16, %ebx
    movl %ebx, %esp
    movl 12(%ebp), %esi
    movl %esp, %edi
    cld
    rep movsb
    addl 16(%ebp), %ebx
    call *8(%ebp)
    movl 24(%ebp), %edi
    movl %eax, 0(%edi)
    movl %edx, 4(%edi)
    movl %esp, %eax
    subl %ebx, %eax
    movl %eax, 16(%edi)
    cmpl $0, 20(%ebp)
    je 1f
    fstpl 8(%edi)
1:
    leal -12(%ebp), %esp
    popl %ebx
    popl %edi
    popl %esi
    popl %ebp
    ret
)");

#endif

namespace emu::detail {

void convention_fault(const std::string& function, std::int32_t stack_offset) {
    HostServices::fault(function + ": not called back as stdcall (the stack pointer came back " +
                        std::to_string(stack_offset < 0 ? -stack_offset : stack_offset) + " bytes " +
                        (stack_offset < 0 ? "low: the function left its arguments, as cdecl does" : "high") + ")");
}

}  // namespace emu::detail
