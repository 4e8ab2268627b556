#include <gtest/gtest.h>

#include "gbk.h"
#include "table/os_product_name.h"

namespace {

struct Case {
  std::uint32_t major, minor;
  std::uint8_t productType;
  std::uint16_t suiteMask;
  std::uint32_t oemId;
  int serverR2;
  const char* name;  // UTF-8
};

}  // namespace

TEST(OsProductName, FollowsTheDecisionTable) {
  const Case cases[] = {
      {10, 0, 1, 0, 0, 0, "Windows 10"},       {10, 0, 3, 0, 0, 0, "Windows Server 2016"},
      {10, 1, 1, 0, 0, 0, ""},                 {6, 0, 1, 0, 0, 0, "Windows Vista"},
      {6, 0, 3, 0, 0, 0, "Windows Server 2008"}, {6, 1, 1, 0, 0, 0, "Windows 7"},
      {6, 1, 2, 0, 0, 0, "Windows Server 2008 R2"},  // a domain controller counts as a server
      {6, 2, 1, 0, 0, 0, "Windows 8"},         {6, 2, 3, 0, 0, 0, "Windows Server 2012"},
      {6, 3, 1, 0, 0, 0, "Windows 8.1"},       {6, 3, 3, 0, 0, 0, "Windows Server 2012 R2"},
      {6, 4, 1, 0, 0, 0, ""},                  {5, 0, 1, 0, 0, 0, "Windows 2000"},
      {5, 1, 1, 0, 0, 0, "Windows XP"},
      {5, 2, 3, 0xA000, 0, 1, "Windows Server 2003 R2, "},  // R2 first, whatever the suite mask says
      {5, 2, 3, 0xA000, 0, 0, "Windows Storage Server 2003"},
      {5, 2, 3, 0x8000, 0, 0, "Windows Home Server"},
      {5, 2, 1, 0, 9, 0, "Windows XP Professional x64 Edition"},
      {5, 2, 1, 0, 0, 0, "Windows Server 2003, "},  // a 32-bit program sees x86 on x64 Windows
      {5, 2, 3, 0, 9, 0, "Windows Server 2003, "},
      {4, 10, 1, 0, 0, 0, "Windows 98"},       {7, 0, 1, 0, 0, 0, ""},
      {9, 5, 1, 0, 0, 0, ""},                  {11, 0, 1, 0, 0, 0, ""},
      {4, 0, 1, 0, 0, 0, "获取失败，请检查版本:4.0"}, {4, 90, 1, 0, 0, 0, "获取失败，请检查版本:4.90"},
      {5, 3, 1, 0, 0, 0, "获取失败，请检查版本:5.3"},
  };
  for (const Case& c : cases) {
    int asked = 0;
    qd::OsVersionReport r{true, c.productType, c.suiteMask, c.major, c.minor, c.oemId};
    const std::string name = qd::getOsProductName(r, [&] { return ++asked, c.serverR2; });
    EXPECT_EQ(name, gbk(c.name)) << c.major << "." << c.minor;
    EXPECT_EQ(asked, c.major == 5 && c.minor == 2 ? 1 : 0) << c.major << "." << c.minor;
  }
  int asked = 0;
  EXPECT_EQ(qd::getOsProductName(qd::OsVersionReport{}, [&] { return ++asked; }), "");  // GetVersionExA failed
  EXPECT_EQ(asked, 0);
}
