// The release name on the real system. Wine can be told, per program file,
// which Windows release to be (HKCU\Software\Wine\AppDefaults\<file>\Version),
// so the test copies a small program that prints the name under one file
// name per release and runs each copy.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {

bool underWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

std::string thisFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return folderOf(std::string(path, n));
}

// Runs `exe` and returns what it printed.
std::string outputOf(const std::string& exe) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return "(no pipe)";
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdOutput = writeEnd;
  start.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::string command = "\"" + exe + "\"";
  const BOOL started =
      CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process);
  CloseHandle(writeEnd);
  std::string output;
  if (started) {
    char buffer[256];
    DWORD n = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0) output.append(buffer, n);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  } else {
    output = "(not started)";
  }
  CloseHandle(readEnd);
  return output;
}

void setWineVersion(const std::string& exeName, const char* version) {
  HKEY key = nullptr;
  const std::string path = "Software\\Wine\\AppDefaults\\" + exeName;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                 static_cast<DWORD>(std::strlen(version) + 1));
  RegCloseKey(key);
}

TEST(OsProductName, NamesTheReleaseTheSystemIs) {
  if (!underWine()) GTEST_SKIP() << "needs Wine to pretend to be other releases";
  struct Case {
    const char* wineVersion;
    const char* name;
  };
  const Case cases[] = {
      {"win10", "Windows 10"},  // GetVersionExA says 6.2 here; the true numbers say 10.0
      {"win81", "Windows 8.1"},
      {"win2008", "Windows Server 2008"},  // a server
      // Not win7 or win2008r2: this Wine reports the product types of the two the other way round.
      {"vista", "Windows Vista"},
      {"win2003", "Windows Server 2003, "},  // with its trailing comma and blank
#ifdef _WIN64
      {"winxp64", "Windows XP Professional x64 Edition"},  // 5.2, a workstation with an AMD64 processor
#else
      {"winxp", "Windows XP"},
#endif
  };
  const std::string printer = thisFolder() + "print_os_name.exe";
  for (const Case& c : cases) {
    const std::string name = std::string("os_name_") + c.wineVersion + ".exe";
    const std::string copy = thisFolder() + name;
    ASSERT_TRUE(CopyFileA(printer.c_str(), copy.c_str(), FALSE)) << copy;
    setWineVersion(name, c.wineVersion);
    EXPECT_EQ(outputOf(copy), c.name) << c.wineVersion;
    DeleteFileA(copy.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, ("Software\\Wine\\AppDefaults\\" + name).c_str());
  }
}

}  // namespace
