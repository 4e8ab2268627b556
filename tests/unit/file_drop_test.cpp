#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gbk.h"
#include "table/drop_delivery.h"
#include "table/drop_stub.h"
#include "table/dropped_file.h"

namespace {

TEST(DropStub, HoldsTheFourteenBytesOfThe32BitStub) {
  EXPECT_EQ(qd::buildDropStub(0x12345678u, 0x9ABCDEF0u),
            (qd::DropStub{0x5B, 0xB8, 0x78, 0x56, 0x34, 0x12, 0x68, 0xF0, 0xDE, 0xBC, 0x9A, 0x53, 0xFF, 0xE0}));
}

TEST(DropStub, The64BitStubLoadsBothAddressesWhole) {
  // Bytes as an assembler encodes the instructions listed beside the builder.
  const qd::DropStub64 expected = {
      0x48, 0x83, 0xEC, 0x38, 0x4C, 0x89, 0x4C, 0x24, 0x20, 0x4D, 0x89, 0xC1, 0x49, 0x89, 0xD0,
      0x48, 0x89, 0xCA, 0x48, 0xB9, 0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11, 0x48, 0xB8,
      0x00, 0xFF, 0xEE, 0xDD, 0xCC, 0xBB, 0xAA, 0x99, 0xFF, 0xD0, 0x48, 0x83, 0xC4, 0x38, 0xC3};
  EXPECT_EQ(qd::buildDropStub64(0x99AABBCCDDEEFF00ull, 0x1122334455667788ull), expected);
}

TEST(DroppedFile, ExtensionIsFoundLikeTheShellDoes) {
  struct Case {
    const char* path;  // UTF-8
    const char* extension;
  };
  const Case cases[] = {
      {"C:\\q\\a.xls", ".xls"},
      {"C:\\q\\a.XLS", ".XLS"},
      {"C:\\q\\a.xlsx", ".xlsx"},
      {"C:\\q\\a.xls.bak", ".bak"},
      {"C:\\q\\noextension", ""},
      {"C:\\my.folder\\noextension", ""},  // the dot of a folder does not count
      {"C:\\my.folder\\a.xls", ".xls"},
      {"C:\\q\\a.x ls", ""},  // a space after the dot ends the extension
      {"C:\\q\\a.", "."},
      {"", ""},
      {"C:\\题库\\第一章.xls", ".xls"},
      {"C:\\q\\a.乗", ".乗"},  // 乗 is 81 5C: its trail byte is not a backslash
  };
  for (const Case& c : cases) EXPECT_EQ(qd::pathExtension(gbk(c.path)), gbk(c.extension)) << c.path;
}

// The table window as the drop sees it; its shell finds extensions by the
// shared rule, and it records what happens.
struct FakeTableWindow : qd::DroppedFileReceiver {
  std::vector<std::string> events;
  std::string pathBox;
  std::string extensionOf(const std::string& path) override { return qd::pathExtension(path); }
  void setPathBoxText(const std::string& path) override {
    pathBox = path;
    events.push_back("path " + path);
  }
  void importWorkbookFromPathBox() override { events.push_back("import " + pathBox); }
  void showInformation(const std::string& text) override { events.push_back("message " + text); }
};

TEST(DroppedFile, OnlyANameEndingExactlyInXlsIsImported) {
  struct Case {
    const char* path;  // UTF-8
    bool imported;
  };
  const Case cases[] = {
      {"C:\\q\\a.xls", true},       {"C:\\q\\a.XLS", false},          {"C:\\q\\a.Xls", false},
      {"C:\\q\\a.xlsx", false},     {"C:\\q\\a.xls.bak", false},      {"C:\\q\\noextension", false},
      {"C:\\q\\folder.xls", true},  // a folder named so passes and reaches the import, which fails on it
      {"C:\\my.folder\\noextension", false},
      {"C:\\题库\\第一章.xls", true},
  };
  const std::string refused = "message " + gbk("请拖入excel文件");
  for (const Case& c : cases) {
    FakeTableWindow window;
    window.pathBox = "before";
    qd::onFileDropped(gbk(c.path), window);
    const std::vector<std::string> expected =
        c.imported ? std::vector<std::string>{"path " + gbk(c.path), "import " + gbk(c.path)}
                   : std::vector<std::string>{refused};
    EXPECT_EQ(window.events, expected) << c.path;
    EXPECT_EQ(window.pathBox, c.imported ? gbk(c.path) : "before") << c.path;
  }
}

// A drop handle over a list of names that logs each call in order.
struct FakeDrop : qd::DroppedFiles {
  std::vector<std::string> names;
  std::vector<std::string>& log;
  FakeDrop(std::vector<std::string> n, std::vector<std::string>& l) : names(std::move(n)), log(l) {}
  std::uint32_t count() override { return static_cast<std::uint32_t>(names.size()); }
  std::uint32_t nameLength(std::uint32_t i) override { return static_cast<std::uint32_t>(names.at(i).size()); }
  std::uint32_t copyName(std::uint32_t i, char* buffer, std::uint32_t size) override {
    log.push_back("fetch " + std::to_string(i));
    // Like the shell: at most size - 1 bytes and a NUL.
    const std::size_t n = std::min<std::size_t>(names.at(i).size(), size - 1);
    names.at(i).copy(buffer, n);
    buffer[n] = '\0';
    return static_cast<std::uint32_t>(n);
  }
  void finish() override { log.push_back("finish"); }
};

TEST(DropDelivery, HandsOverEachFileInTheShellsOrderThenFinishes) {
  std::vector<std::string> log;
  const std::string longName = "C:\\" + std::string(1500, 'd') + "\\long.xls";
  FakeDrop drop({"C:\\a.xls", longName, "C:\\b.txt", "C:\\c.xls"}, log);
  qd::deliverDroppedFiles(drop, [&](const char* name) { log.push_back(std::string("file ") + name); });
  EXPECT_EQ(log, (std::vector<std::string>{"fetch 0", "file C:\\a.xls", "fetch 1", "file " + longName, "fetch 2",
                                           "file C:\\b.txt", "fetch 3", "file C:\\c.xls", "finish"}));
}

TEST(DropDelivery, AnEmptyDropIsStillFinished) {
  std::vector<std::string> log;
  FakeDrop drop({}, log);
  int calls = 0;
  qd::deliverDroppedFiles(drop, [&](const char*) { ++calls; });
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(log, std::vector<std::string>{"finish"});
}

struct FakeFilter : qd::MessageFilter {
  bool present = true;
  std::vector<std::uint32_t> allowed;
  bool available() override { return present; }
  void allow(std::uint32_t message) override { allowed.push_back(message); }
};

TEST(DropMessageFilter, OpensForEveryReleaseButWindowsXp) {
  const std::vector<std::uint32_t> all = {0x233, 0x4A, 0x49};
  struct Case {
    const char* name;
    bool opened;
  };
  const Case cases[] = {
      {"Windows XP", false},
      {"Windows XP Professional x64 Edition", false},
      {"Windows 7", true},
      {"Windows 10", true},
      {"Windows Server 2016", true},
      {"Windows Server 2003, ", true},
      {"", true},
      {"Windows X", true},  // shorter than ten bytes
      {"windows xp", true},
      {"获取失败，请检查版本:4.90", true},
  };
  for (const Case& c : cases) {
    FakeFilter filter;
    qd::openMessageFilterForDrops(gbk(c.name), filter);
    EXPECT_EQ(filter.allowed, c.opened ? all : std::vector<std::uint32_t>{}) << c.name;
  }
}

TEST(DropMessageFilter, IsSkippedWhereTheSystemHasNone) {
  FakeFilter filter;
  filter.present = false;
  qd::openMessageFilterForDrops("Windows Server 2003, ", filter);
  EXPECT_TRUE(filter.allowed.empty());
}

}  // namespace
