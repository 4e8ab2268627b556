// Prints the release name the program finds, for the test that runs it
// under several Windows versions that Wine pretends to be.
#include <cstdio>

#include "table/win32/os_product_name_win32.h"

int main() {
  std::fputs(qd::getOsProductName().c_str(), stdout);
  return 0;
}
