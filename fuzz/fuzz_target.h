// What every fuzz target shares: the entry point libFuzzer calls, and how a broken property is reported.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// A property that does not hold is a finding like a crash: abort, which both libFuzzer and the corpus
// replay report with the input that did it.
inline void require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

} // namespace fuzz
