#include "table/win32/file_drop_target.h"

#include <shellapi.h>

#include <cstring>
#include <string>

#include "table/drop_delivery.h"
#include "table/drop_stub.h"
#include "table/win32/os_product_name_win32.h"
#include "toolkit/win32/system_function.h"

namespace qd {

FileDropTarget* fileDropTarget = nullptr;

namespace {

SystemFunction<void WINAPI(HWND, BOOL)> dragAcceptFiles("shell32.dll", "DragAcceptFiles");
SystemFunction<UINT WINAPI(HDROP, UINT, LPSTR, UINT)> dragQueryFile("shell32.dll", "DragQueryFileA");
SystemFunction<void WINAPI(HDROP)> dragFinish("shell32.dll", "DragFinish");
#ifdef _WIN64
// A 64-bit window procedure does not fit SetWindowLongA's 32 bits.
SystemFunction<LONG_PTR WINAPI(HWND, int, LONG_PTR)> setWindowLong("user32.dll", "SetWindowLongPtrA");
#else
SystemFunction<LONG WINAPI(HWND, int, LONG)> setWindowLong("user32.dll", "SetWindowLongA");
#endif
SystemFunction<LRESULT WINAPI(WNDPROC, HWND, UINT, WPARAM, LPARAM)> callWindowProc("user32.dll", "CallWindowProcA");
SystemFunction<BOOL WINAPI(UINT, DWORD)> changeWindowMessageFilter("user32.dll", "ChangeWindowMessageFilter");

constexpr DWORD kMessageFilterAdd = 1;  // MSGFLT_ADD

#ifdef _WIN64
SystemFunction<LONG_PTR WINAPI(HWND, int)> getWindowLong("user32.dll", "GetWindowLongPtrA");
#else
SystemFunction<LONG WINAPI(HWND, int)> getWindowLong("user32.dll", "GetWindowLongA");
#endif

WNDPROC currentWindowProc(HWND window) { return reinterpret_cast<WNDPROC>(getWindowLong.get()(window, GWLP_WNDPROC)); }

WNDPROC replaceWindowProc(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(setWindowLong.get()(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

class ShellDrop : public DroppedFiles {
 public:
  explicit ShellDrop(HDROP drop) : drop_(drop) {}
  std::uint32_t count() override { return dragQueryFile.get()(drop_, 0xFFFFFFFF, nullptr, 0); }
  std::uint32_t nameLength(std::uint32_t index) override { return dragQueryFile.get()(drop_, index, nullptr, 0); }
  std::uint32_t copyName(std::uint32_t index, char* buffer, std::uint32_t size) override {
    return dragQueryFile.get()(drop_, index, buffer, size);
  }
  void finish() override { dragFinish.get()(drop_); }

 private:
  HDROP drop_;
};

class ProcessMessageFilter : public MessageFilter {
 public:
  bool available() override { return changeWindowMessageFilter.available(); }
  void allow(std::uint32_t message) override { changeWindowMessageFilter.get()(message, kMessageFilterAdd); }
};

// The stub goes into memory of its own that is made executable and no
// longer writable once written, so it runs with data-execution prevention
// on. The block is never released: the window may still hold its address.
WNDPROC makeWindowProcStub(FileDropTarget* const* object) {
  const auto procedure = reinterpret_cast<std::uintptr_t>(&FileDropTarget::windowProc);
  const auto variable = reinterpret_cast<std::uintptr_t>(object);
#ifdef _WIN64
  const DropStub64 code = buildDropStub64(procedure, variable);
  // Code, then its unwind information and its function entry, 4-byte aligned.
  constexpr std::size_t kUnwindAt = (sizeof code + 3) & ~std::size_t{3};
  constexpr std::size_t kEntryAt = kUnwindAt + kDropStub64UnwindInfo.size();
  constexpr std::size_t kSize = kEntryAt + sizeof(RUNTIME_FUNCTION);
#else
  const DropStub code = buildDropStub(procedure, variable);
  constexpr std::size_t kSize = sizeof code;
#endif
  auto* block = static_cast<std::uint8_t*>(VirtualAlloc(nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (block == nullptr) return nullptr;
  std::memcpy(block, code.data(), code.size());
#ifdef _WIN64
  std::memcpy(block + kUnwindAt, kDropStub64UnwindInfo.data(), kDropStub64UnwindInfo.size());
  const RUNTIME_FUNCTION entry{0, static_cast<DWORD>(code.size()), static_cast<DWORD>(kUnwindAt)};
  std::memcpy(block + kEntryAt, &entry, sizeof entry);
#endif
  DWORD previous = 0;
  if (!VirtualProtect(block, kSize, PAGE_EXECUTE_READ, &previous)) {
    VirtualFree(block, 0, MEM_RELEASE);
    return nullptr;
  }
  FlushInstructionCache(GetCurrentProcess(), block, kSize);
#ifdef _WIN64
  RtlAddFunctionTable(reinterpret_cast<RUNTIME_FUNCTION*>(block + kEntryAt), 1, reinterpret_cast<DWORD64>(block));
#endif
  return reinterpret_cast<WNDPROC>(reinterpret_cast<void*>(block));
}

}  // namespace

void FileDropTarget::attach(FileDropTarget* const* object, HWND window, DropCallback callback) {
  FileDropTarget& target = **object;
  if (target.stub_ != nullptr) detach(object);  // attached already: start afresh, never stub over stub
  target.window = window;
  target.dropCallback = callback;
  dragAcceptFiles.get()(window, TRUE);
  if (WNDPROC stub = makeWindowProcStub(object)) {
    target.previousWindowProc = replaceWindowProc(window, stub);
    target.stub_ = stub;
  } else {
    // Without executable memory no procedure of ours would take the drops:
    // the window takes none rather than leave drop handles unreleased.
    dragAcceptFiles.get()(window, FALSE);
  }
  ProcessMessageFilter filter;
  openMessageFilterForDrops(getOsProductName(), filter);
}

void FileDropTarget::detach(FileDropTarget* const* object) {
  if (*object == nullptr) return;
  FileDropTarget& target = **object;
  dragAcceptFiles.get()(target.window, FALSE);
  // Only our own stub is taken out; a window that is gone has none.
  if (target.stub_ != nullptr && currentWindowProc(target.window) == target.stub_)
    replaceWindowProc(target.window, target.previousWindowProc);
  target.stub_ = nullptr;
}

LRESULT CALLBACK FileDropTarget::windowProc(FileDropTarget* const* object, HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  // Destroyed while a later subclass kept the stub in the chain.
  if (*object == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_DROPFILES) {
    ShellDrop drop(reinterpret_cast<HDROP>(wParam));
    deliverDroppedFiles(drop, [object](const char* name) {
      if (DropCallback callback = (*object)->dropCallback) callback(name);  // read anew for each file
    });
    return 0;
  }
  return callWindowProc.get()((*object)->previousWindowProc, window, message, wParam, lParam);
}

void FileDropTarget::destroy(FileDropTarget** object) {
  if (*object == nullptr) return;
  detach(object);
  delete *object;
  *object = nullptr;
}

}  // namespace qd
