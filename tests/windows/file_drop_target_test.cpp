// The drop target on a real window, with real drop handles and the real
// window-procedure stub.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

#include <string>
#include <vector>

#include "gbk.h"
#include "table/dropped_file.h"
#include "table/win32/file_drop_target.h"
#include "table/win32/shell_extension.h"

namespace {

struct Seen {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Seen> seenByWindow;  // what reached the window's own procedure

constexpr UINT kProbe = WM_APP + 7;

LRESULT CALLBACK recordingProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == kProbe || m == WM_DROPFILES || m == WM_SIZE) {
    seenByWindow.push_back({w, m, wp, lp});
    if (m == kProbe) return static_cast<LRESULT>(wp ^ static_cast<WPARAM>(lp));  // a result of its own
  }
  return DefWindowProcA(w, m, wp, lp);
}

std::vector<std::string> firstCallbackNames, secondCallbackNames;
qd::FileDropTarget* target = nullptr;  // the object variable the operations are given

void secondCallback(const char* path) { secondCallbackNames.emplace_back(path); }
void firstCallback(const char* path) {
  firstCallbackNames.emplace_back(path);
  target->dropCallback = secondCallback;  // read anew for the next file
}

// A drop handle as the shell makes it: DROPFILES, then the ANSI names, each
// NUL-terminated, and one more NUL.
HDROP makeDrop(const std::vector<std::string>& names) {
  std::size_t size = sizeof(DROPFILES) + 1;
  for (const std::string& n : names) size += n.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  char* at = reinterpret_cast<char*>(header + 1);
  for (const std::string& n : names) {
    std::memcpy(at, n.c_str(), n.size() + 1);
    at += n.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

class FileDropTargetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = recordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "DropTargetProbe";
    RegisterClassA(&wc);
    window = CreateWindowExA(0, "DropTargetProbe", "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                             wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    target = new qd::FileDropTarget{};
    seenByWindow.clear();
    firstCallbackNames.clear();
    secondCallbackNames.clear();
  }
  void TearDown() override {
    if (IsWindow(window)) DestroyWindow(window);
    qd::FileDropTarget::destroy(&target);
  }
  HWND window = nullptr;
};

TEST_F(FileDropTargetTest, AttachRegistersForDropsAndPutsItsStubInFront) {
  qd::FileDropTarget::attach(&target, window, firstCallback);
  EXPECT_EQ(target->window, window);
  EXPECT_EQ(target->dropCallback, &firstCallback);
  EXPECT_EQ(target->previousWindowProc, &recordingProc);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

  // The window's procedure is now the stub, in memory that runs and cannot be written.
  auto* stub = reinterpret_cast<void*>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  ASSERT_NE(stub, reinterpret_cast<void*>(&recordingProc));
  MEMORY_BASIC_INFORMATION memory{};
  ASSERT_NE(VirtualQuery(stub, &memory, sizeof memory), 0u);
  EXPECT_EQ(memory.Protect, static_cast<DWORD>(PAGE_EXECUTE_READ));
#ifdef _WIN64
  // Its unwind information is registered, so the stack can be walked through it.
  DWORD64 base = 0;
  EXPECT_NE(RtlLookupFunctionEntry(reinterpret_cast<DWORD64>(stub), &base, nullptr), nullptr);
  EXPECT_EQ(base, reinterpret_cast<DWORD64>(stub));
#endif
}

TEST_F(FileDropTargetTest, OtherMessagesReachThePreviousProcedureUnchanged) {
  qd::FileDropTarget::attach(&target, window, firstCallback);
  const WPARAM wp = static_cast<WPARAM>(0x7654321);
  const LPARAM lp = static_cast<LPARAM>(0x1234567);
  EXPECT_EQ(SendMessageA(window, kProbe, wp, lp), static_cast<LRESULT>(wp ^ static_cast<WPARAM>(lp)));
  SetWindowPos(window, nullptr, 0, 0, 321, 123, SWP_NOMOVE | SWP_NOZORDER);  // a resize, as the system sends it
  ASSERT_EQ(seenByWindow.size(), 2u);
  EXPECT_EQ(seenByWindow[0].window, window);
  EXPECT_EQ(seenByWindow[0].message, kProbe);
  EXPECT_EQ(seenByWindow[0].wParam, wp);
  EXPECT_EQ(seenByWindow[0].lParam, lp);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(seenByWindow[1].message, static_cast<UINT>(WM_SIZE));
  EXPECT_EQ(seenByWindow[1].lParam, MAKELPARAM(client.right, client.bottom));
}

TEST_F(FileDropTargetTest, EveryDroppedFileReachesTheCallbackInOrderAndTheDropIsFinished) {
  qd::FileDropTarget::attach(&target, window, firstCallback);
  const std::string longName = "C:\\" + std::string(1200, 'd') + "\\long.xls";  // past 999 bytes
  const std::vector<std::string> names = {"C:\\q\\a.xls", longName, gbk("C:\\题库\\乗b.txt"), "C:\\q\\c.xls"};
  HDROP drop = makeDrop(names);
  EXPECT_EQ(SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0), 0);
  EXPECT_EQ(firstCallbackNames, std::vector<std::string>{names[0]});
  EXPECT_EQ(secondCallbackNames, std::vector<std::string>(names.begin() + 1, names.end()));
  EXPECT_TRUE(seenByWindow.empty());  // the drop does not reach the window's own procedure
  EXPECT_EQ(GlobalSize(drop), 0u);     // DragFinish released the handle
}

TEST_F(FileDropTargetTest, DetachRestoresTheWindowAndDestroyIsHarmlessAfterTheWindowIsGone) {
  qd::FileDropTarget::attach(&target, window, firstCallback);
  qd::FileDropTarget::detach(&target);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&recordingProc));
  EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  EXPECT_EQ(target->window, window);  // the fields keep their values

  // A drop now goes to the window's own procedure.
  HDROP drop = makeDrop({"C:\\q\\a.xls"});
  SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_TRUE(firstCallbackNames.empty());
  ASSERT_EQ(seenByWindow.size(), 1u);
  EXPECT_EQ(seenByWindow[0].message, static_cast<UINT>(WM_DROPFILES));
  DragFinish(drop);

  DestroyWindow(window);
  qd::FileDropTarget::destroy(&target);  // detaches again, from a window that is gone
  EXPECT_EQ(target, nullptr);
}

TEST_F(FileDropTargetTest, ASecondAttachStartsAfreshInsteadOfStubbingOverItsOwnStub) {
  qd::FileDropTarget::attach(&target, window, firstCallback);
  qd::FileDropTarget::attach(&target, window, secondCallback);
  EXPECT_EQ(target->previousWindowProc, &recordingProc);
  EXPECT_EQ(SendMessageA(window, kProbe, 6, 3), 5);  // reaches the window's procedure once, not round in a loop
  EXPECT_EQ(seenByWindow.size(), 1u);
  HDROP drop = makeDrop({"C:\\q\\a.xls"});
  SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_EQ(secondCallbackNames, std::vector<std::string>{"C:\\q\\a.xls"});
  qd::FileDropTarget::detach(&target);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&recordingProc));
}

TEST(ShellExtension, AgreesWithTheRuleTheProgramIsTestedAgainst) {
  const char* paths[] = {"C:\\q\\a.xls", "C:\\q\\a.XLS", "C:\\q\\a.xlsx", "C:\\q\\a.xls.bak", "C:\\q\\noextension",
                         "C:\\my.folder\\noextension", "C:\\my.folder\\a.xls", "C:\\q\\a.x ls", "C:\\q\\a.", "",
                         "C:\\题库\\第一章.xls", "C:\\q\\a.乗", "C:\\q.乗\\b"};
  for (const char* p : paths) EXPECT_EQ(qd::shellPathExtension(gbk(p)), qd::pathExtension(gbk(p))) << p;
}

}  // namespace
