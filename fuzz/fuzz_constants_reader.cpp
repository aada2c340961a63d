#include "fuzzharness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::Constants_Reader(data, size);
    return 0;
}
