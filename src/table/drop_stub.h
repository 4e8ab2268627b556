#pragma once
// The 14 bytes of 32-bit x86 code that put the file drop target's window
// procedure in front of a window's: called as a window procedure, they enter
// `windowProc` with the address of the object variable as an extra first
// argument (pop ebx; mov eax, windowProc; push object; push ebx; jmp eax).
#include <array>
#include <cstdint>

namespace qd {

using DropStub = std::array<std::uint8_t, 14>;

constexpr DropStub buildDropStub(std::uint32_t windowProcAddress, std::uint32_t objectVariableAddress) {
  auto le = [](std::uint32_t v, int byte) { return static_cast<std::uint8_t>((v >> (8 * byte)) & 0xFF); };
  return {0x5B,
          0xB8, le(windowProcAddress, 0), le(windowProcAddress, 1), le(windowProcAddress, 2), le(windowProcAddress, 3),
          0x68, le(objectVariableAddress, 0), le(objectVariableAddress, 1), le(objectVariableAddress, 2),
          le(objectVariableAddress, 3),
          0x53,
          0xFF, 0xE0};
}

}  // namespace qd
