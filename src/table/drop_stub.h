#pragma once
// The code that puts the file drop target's window procedure in front of a
// window's: called by the system as a window procedure with (window,
// message, wParam, lParam), it enters `windowProc` with the address of the
// object variable as an extra first argument.
#include <array>
#include <cstdint>

namespace qd {

// 32-bit x86, 14 bytes: pop ebx; mov eax, windowProc; push object; push ebx;
// jmp eax. windowProc is a stdcall routine of five arguments, so it removes
// all five on return and its result is the message result.
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

// x86-64, 45 bytes. The four arguments arrive in rcx, rdx, r8 and r9, and a
// fifth cannot be pushed under the caller's return address, so the stub
// makes a real call in a frame of its own:
//   sub rsp, 38h; mov [rsp+20h], r9; mov r9, r8; mov r8, rdx; mov rdx, rcx;
//   mov rcx, object; mov rax, windowProc; call rax; add rsp, 38h; ret
using DropStub64 = std::array<std::uint8_t, 45>;

constexpr DropStub64 buildDropStub64(std::uint64_t windowProcAddress, std::uint64_t objectVariableAddress) {
  auto le = [](std::uint64_t v, int byte) { return static_cast<std::uint8_t>((v >> (8 * byte)) & 0xFF); };
  DropStub64 code = {0x48, 0x83, 0xEC, 0x38,                    // sub rsp, 38h
                     0x4C, 0x89, 0x4C, 0x24, 0x20,              // mov [rsp+20h], r9
                     0x4D, 0x89, 0xC1,                          // mov r9, r8
                     0x49, 0x89, 0xD0,                          // mov r8, rdx
                     0x48, 0x89, 0xCA,                          // mov rdx, rcx
                     0x48, 0xB9, 0, 0, 0, 0, 0, 0, 0, 0,        // mov rcx, object
                     0x48, 0xB8, 0, 0, 0, 0, 0, 0, 0, 0,        // mov rax, windowProc
                     0xFF, 0xD0,                                // call rax
                     0x48, 0x83, 0xC4, 0x38,                    // add rsp, 38h
                     0xC3};                                     // ret
  for (int i = 0; i < 8; ++i) {
    code[20 + i] = le(objectVariableAddress, i);
    code[30 + i] = le(windowProcAddress, i);
  }
  return code;
}

// The unwind information of the 64-bit stub, so that the system can walk the
// stack through it: version 1, a 4-byte prologue with one code, which
// allocates 38h bytes of stack (UWOP_ALLOC_SMALL, (38h - 8) / 8 = 6), padded
// to an even count of codes.
inline constexpr std::array<std::uint8_t, 8> kDropStub64UnwindInfo = {0x01, 0x04, 0x01, 0x00, 0x04, 0x62, 0x00, 0x00};

}  // namespace qd
