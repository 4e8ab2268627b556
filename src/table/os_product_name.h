#pragma once
// getOsProductName: the English name of the running Windows release, from
// what the system's version functions report.
#include <cstdint>
#include <functional>
#include <string>

namespace qd {

struct OsVersionReport {
  bool versionExSucceeded = false;  // GetVersionExA with the 156-byte structure
  std::uint8_t productType = 0;     // wProductType: 1 is a workstation, anything else a server
  std::uint16_t suiteMask = 0;      // wSuiteMask
  std::uint32_t major = 0, minor = 0;  // RtlGetNtVersionNumbers
  std::uint32_t oemId = 0;          // GetSystemInfo's dwOemId; 9 is AMD64
};

// `serverR2` is GetSystemMetrics(SM_SERVERR2); it is asked only for 5.2.
std::string getOsProductName(const OsVersionReport& report, const std::function<int()>& serverR2);

}  // namespace qd
