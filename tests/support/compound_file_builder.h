#pragma once
// Builds small OLE2 compound files in memory for tests, with the knobs that
// exercise the reader: sector size, scattered chains, a DIFAT, small
// streams in the mini stream.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qd::test {

struct CompoundFileOptions {
  unsigned sectorShift = 9;        // 9 (512-byte sectors) or 12 (4096)
  std::uint32_t miniCutoff = 4096;  // streams below it go to the mini stream
  bool scatter = false;             // lay each stream's sectors out backwards
  std::size_t fatSectors = 0;       // at least this many FAT sectors (more than 109 needs a DIFAT)
  bool streamsLast = false;         // sector tables first, so the file ends in stream data
};

using Stream = std::pair<std::u16string, std::vector<std::uint8_t>>;

std::vector<std::uint8_t> buildCompoundFile(const std::vector<Stream>& streams, const CompoundFileOptions& options = {});

}  // namespace qd::test
