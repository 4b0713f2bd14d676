#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant stops the fuzzer with the condition's text; libFuzzer
// then keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void() : ::quolan::fuzz::fail(#condition, __FILE__, __LINE__))

namespace quolan::fuzz {

[[noreturn]] inline void fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, condition);
    std::abort();
}

} // namespace quolan::fuzz
