#pragma once
// Little-endian loads from byte buffers. Callers check bounds first.
#include <cstdint>
#include <cstring>

namespace qd {

inline std::uint16_t loadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

inline std::uint32_t loadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline double loadF64(const std::uint8_t* p) {
  std::uint64_t bits = static_cast<std::uint64_t>(loadU32(p)) | (static_cast<std::uint64_t>(loadU32(p + 4)) << 32);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

}  // namespace qd
