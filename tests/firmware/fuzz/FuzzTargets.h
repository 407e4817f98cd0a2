#pragma once
// The firmware core's fuzz targets. Each takes any bytes, must neither crash
// nor trip the sanitizers, and aborts with a message when an invariant of its
// code breaks. The randomized suite runs them in CI; a libFuzzer build
// (QUOR_LIBFUZZER) runs them for as long as wanted.

#include <cstddef>
#include <cstdint>

// First byte: the reader (table, model test and minimum); the rest: the container.
void FuzzContainerCheck(const std::uint8_t* data, std::size_t size);
// The bytes as the firmware index and as the revision list, each with a query
// taken from the first bytes.
void FuzzServerLists(const std::uint8_t* data, std::size_t size);
// The bytes as an archive to read, and as a record to write: the written text
// has the archive's shape and reads back into the same fields.
void FuzzSettingsArchive(const std::uint8_t* data, std::size_t size);

// Local time as UTC, so written dates read back exactly.
void PrepareFuzzTargets();
