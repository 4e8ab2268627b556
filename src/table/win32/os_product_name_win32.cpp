#include "table/win32/os_product_name_win32.h"

#include <windows.h>

#include "table/os_product_name.h"
#include "toolkit/win32/system_function.h"

namespace qd {
namespace {

static_assert(sizeof(OSVERSIONINFOEXA) == 156, "the structure GetVersionExA is given");

SystemFunction<BOOL WINAPI(OSVERSIONINFOA*)> getVersionEx("kernel32.dll", "GetVersionExA");
SystemFunction<void WINAPI(SYSTEM_INFO*)> getSystemInfo("kernel32.dll", "GetSystemInfo");
// The true version numbers, which compatibility layers do not change.
SystemFunction<void WINAPI(DWORD*, DWORD*, DWORD*)> rtlGetNtVersionNumbers("ntdll.dll", "RtlGetNtVersionNumbers");
SystemFunction<int WINAPI(int)> getSystemMetrics("user32.dll", "GetSystemMetrics");

constexpr int kServerR2Metric = 89;  // SM_SERVERR2

}  // namespace

std::string getOsProductName() {
  OsVersionReport report;
  OSVERSIONINFOEXA version{};
  version.dwOSVersionInfoSize = sizeof version;
  report.versionExSucceeded = getVersionEx.get()(reinterpret_cast<OSVERSIONINFOA*>(&version)) != FALSE;
  if (!report.versionExSucceeded) return {};
  report.productType = version.wProductType;
  report.suiteMask = version.wSuiteMask;

  SYSTEM_INFO system{};
  getSystemInfo.get()(&system);
  report.oemId = system.dwOemId;

  DWORD major = 0, minor = 0, build = 0;
  rtlGetNtVersionNumbers.get()(&major, &minor, &build);
  report.major = major;
  report.minor = minor;
  return qd::getOsProductName(report, [] { return getSystemMetrics.get()(kServerR2Metric); });
}

}  // namespace qd
