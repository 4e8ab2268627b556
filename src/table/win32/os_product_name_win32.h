#pragma once
// The running Windows release's name, from what the system reports.
#include <string>

namespace qd {

// GetVersionExA (156-byte structure), GetSystemInfo, RtlGetNtVersionNumbers
// and, for version 5.2 only, GetSystemMetrics(SM_SERVERR2), each bound by
// name at its first call.
std::string getOsProductName();

}  // namespace qd
