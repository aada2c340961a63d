#pragma once

#include <cstddef>
#include <cstdint>

// One entry per reader of outside input. Each takes the raw bytes a user or another program could
// hand us, runs them through the reader and checks what the model promises afterwards; a broken
// promise aborts, so both the fuzzer and the seed replay test see it as a failure.
namespace Fuzz
{
// A machine constants file, given straight to the reader and through a file on disk, exported in
// every layout before and after edits.
void Constants(const uint8_t* data, size_t size);
// A parameter settings file on disk, through the type test and straight to the XML reader.
void Settings(const uint8_t* data, size_t size);
// The two readers alone, for the fuzzer to explore their parsing at full speed.
void Constants_Reader(const uint8_t* data, size_t size);
void Settings_Reader(const uint8_t* data, size_t size);
// A parameter file of either format loaded, a few values edited and saved in memory: the bytes read
// back hold the edited values, and only the lines of the edited texts differ from the file's.
void Save(const uint8_t* data, size_t size);
// A rules.xml: loaded, changed, saved and loaded again; the second load must equal the store.
void Rules(const uint8_t* data, size_t size);
// Any XML file opened by the XML layer and walked node by node.
void Xml_File(const uint8_t* data, size_t size);
// Leading lines "name=value" fill the variable table, the rest is the expression.
void Expression(const uint8_t* data, size_t size);
} // namespace Fuzz
