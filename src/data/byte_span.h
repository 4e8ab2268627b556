#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace qd {

using Bytes = std::span<const std::uint8_t>;

}  // namespace qd
