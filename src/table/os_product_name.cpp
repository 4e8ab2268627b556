#include "table/os_product_name.h"

#include "app/ui_texts.h"

namespace qd {

std::string getOsProductName(const OsVersionReport& r, const std::function<int()>& serverR2) {
  if (!r.versionExSucceeded) return {};
  const bool workstation = r.productType == 1;
  if (r.major == 10) return r.minor == 0 ? (workstation ? "Windows 10" : "Windows Server 2016") : "";
  if (r.major == 6) {
    switch (r.minor) {
      case 0: return workstation ? "Windows Vista" : "Windows Server 2008";
      case 1: return workstation ? "Windows 7" : "Windows Server 2008 R2";
      case 2: return workstation ? "Windows 8" : "Windows Server 2012";
      case 3: return workstation ? "Windows 8.1" : "Windows Server 2012 R2";
      default: return {};
    }
  }
  if (r.major == 5 && r.minor == 0) return "Windows 2000";
  if (r.major == 5 && r.minor == 1) return "Windows XP";
  if (r.major == 5 && r.minor == 2) {
    if (serverR2() != 0) return "Windows Server 2003 R2, ";
    if ((r.suiteMask & 0x2000) == 0x2000) return "Windows Storage Server 2003";
    if ((r.suiteMask & 0x8000) == 0x8000) return "Windows Home Server";
    if (workstation && r.oemId == 9) return "Windows XP Professional x64 Edition";
    return "Windows Server 2003, ";
  }
  if (r.major == 4 && r.minor == 10) return "Windows 98";
  if (r.major >= 7) return {};  // 7, 8, 9 and above 10
  return std::string(text::kOsNameFailure) + std::to_string(r.major) + "." + std::to_string(r.minor);
}

}  // namespace qd
