// One libFuzzer program per target: QUOR_FUZZ_TARGET names the function.
#include <cstddef>
#include <cstdint>

#include "tests/firmware/fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PrepareFuzzTargets();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QUOR_FUZZ_TARGET(data, size);
    return 0;
}
