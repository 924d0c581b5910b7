#pragma once
// The references' own memory (GMP's and MPFR's numbers) taken from the C library's allocator
// directly, past ASan's: checking one input of the every-format report makes some 750 GMP and
// MPFR temporaries, twenty for each of the report's allocations, and ASan's allocator spends more
// on recording their stacks and filling their blocks than the report costs; the digit
// arithmetic's checks build a rational and its text for each operand. The system under test
// allocates through ASan as before; only the independent reference leaves it.
#include <gmp.h>

#include <cstddef>

extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_realloc(void* block, std::size_t size);
extern "C" void __libc_free(void* block);

namespace pexabit::fuzz {

// Set while the program starts, before any GMP number exists: a number allocated by one
// allocator must be freed by the same.
inline const bool GmpMemoryOutsideAsan = [] {
    mp_set_memory_functions([](std::size_t size) { return __libc_malloc(size); },
                            [](void* block, std::size_t, std::size_t size) { return __libc_realloc(block, size); },
                            [](void* block, std::size_t) { __libc_free(block); });
    return true;
}();

}  // namespace pexabit::fuzz
