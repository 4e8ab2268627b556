#pragma once
// The file drop target's rules that do not depend on the system: how the
// files of one drop are handed over, and when the process's message filter
// is opened for drops.
#include <cstdint>
#include <functional>
#include <string>

namespace qd {

// The shell's handle of one drop, as the drop target reads it.
class DroppedFiles {
 public:
  virtual ~DroppedFiles() = default;
  virtual std::uint32_t count() = 0;
  // The length in bytes of a file's name, without its terminating NUL.
  virtual std::uint32_t nameLength(std::uint32_t index) = 0;
  // Copies the name, NUL-terminated, into `size` bytes; returns its length.
  virtual std::uint32_t copyName(std::uint32_t index, char* buffer, std::uint32_t size) = 0;
  virtual void finish() = 0;
};

// Hands the full name of every file to `deliver`, in the shell's order, each
// call finished before the next name is fetched; then releases the drop.
// Each name gets a buffer that fits it, so long names are never cut.
void deliverDroppedFiles(DroppedFiles& files, const std::function<void(const char* name)>& deliver);

// The process-wide filter of messages from less trusted processes.
class MessageFilter {
 public:
  virtual ~MessageFilter() = default;
  // False on systems older than the filter (Windows 2000, Server 2003).
  virtual bool available() = 0;
  virtual void allow(std::uint32_t message) = 0;
};

// The messages a drop needs through the filter, in the order they are allowed:
// WM_DROPFILES, WM_COPYDATA and 0x49.
inline constexpr std::uint32_t kDropFilterMessages[] = {0x233, 0x4A, 0x49};

// Opens the filter for drops unless the release's name begins with
// "Windows XP" (the first ten bytes compared); skipped where the system has
// no filter.
void openMessageFilterForDrops(const std::string& productName, MessageFilter& filter);

}  // namespace qd
