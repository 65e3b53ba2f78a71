// Every call of the host into a module's code: routines, element callbacks,
// mouse functions, the gauge callback, module init and deinit.
//
// On 32-bit x86 the host calls them all as stdcall: the called function
// removes its arguments from the stack. A function of another convention
// (cdecl leaves them; a wrong argument count removes too many or too few)
// returns with the stack pointer elsewhere, and the host's own code would
// go on with a shifted stack and fail far from the cause. There each call
// goes through a small assembly thunk that records where the stack pointer
// was before and after and puts it right; a difference is a host fault
// naming the function. Elsewhere there is one convention and the call is
// direct.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#include "host/host_types.h"

namespace emu::detail {

void convention_fault(const std::string& function, std::int32_t stack_offset);

#if defined(__i386__)

struct StdcallResult {
    std::uint32_t eax;
    std::uint32_t edx;
    double st0;
    std::int32_t stack_offset;  // stack pointer after the call minus where stdcall leaves it
};

extern "C" void emu_stdcall_checked(const void* function, const void* arguments, std::uint32_t argument_bytes,
                                    std::uint32_t returns_float, StdcallResult* result) asm("emu_stdcall_checked");

// name() describes the function (called only on a fault, so that frames
// build no strings).
template <class Name, class R, class... A>
R call_module(Name&& name, R(HOSTAPI* function)(A...), std::type_identity_t<A>... arguments) {
    constexpr std::size_t bytes = (std::size_t{0} + ... + ((sizeof(A) + 3) & ~std::size_t{3}));
    alignas(4) unsigned char packed[bytes + 1]{};
    std::size_t at = 0;
    ((std::memcpy(packed + at, &arguments, sizeof(A)), at += (sizeof(A) + 3) & ~std::size_t{3}), ...);
    StdcallResult result{};
    emu_stdcall_checked(reinterpret_cast<const void*>(function), packed, bytes, std::is_floating_point_v<R>, &result);
    if (result.stack_offset != 0) convention_fault(name(), result.stack_offset);
    if constexpr (std::is_floating_point_v<R>) {
        return static_cast<R>(result.st0);
    } else if constexpr (!std::is_void_v<R>) {
        static_assert(sizeof(R) <= 4, "results come back in eax");
        R value;
        std::memcpy(&value, &result.eax, sizeof value);
        return value;
    }
}

#else

template <class Name, class R, class... A>
R call_module(Name&&, R(HOSTAPI* function)(A...), std::type_identity_t<A>... arguments) {
    return function(arguments...);
}

#endif

}  // namespace emu::detail
