#pragma once
// The simulator's own reader and writer of clone data files (.zcf), written from the
// file format description so that a fault in the program's file code cannot hide behind
// the same fault here. Lines end with a line feed: a header of the family code and the
// model version ("%04X%04X"), a comment line "#...", then data lines of the clone area,
// "%04X%02X" of address and count and two hexadecimal digits a byte, never across a
// multiple of 16. There is no checksum.

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::sim {

// Reads a file that covers the whole clone area into the first kCloneAreaSize bytes of
// `memory` (which must hold them). Empty on success, else the reason with the line number;
// `memory` is then unchanged.
std::string ReadCloneDataFile(const std::string& path, std::vector<std::uint8_t>& memory);

// Writes the clone area of `memory` with the header of `modelVersion` and the comment
// the memory carries. Empty on success, else the reason.
std::string WriteCloneDataFile(const std::string& path, int modelVersion,
                               const std::vector<std::uint8_t>& memory);

}  // namespace orvane::sim
