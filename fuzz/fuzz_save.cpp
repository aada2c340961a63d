#include "fuzzharness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::Save(data, size);
    return 0;
}
