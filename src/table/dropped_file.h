#pragma once
// What the table window does with one file dropped on it: a workbook (a
// name ending exactly in ".xls") goes into the path box and is imported;
// any other file is refused with a message and nothing else changes.
#include <string>

namespace qd {

// The extension of a path as the shell finds it: from the last dot of the
// last component on, or the empty text when that component has no dot. The
// path is walked by whole code page 936 characters, so a trail byte 0x5C is
// never taken for a backslash. A space after the last dot ends the extension
// search as well, as the shell's function does.
std::string pathExtension(const std::string& path);

// The table window as a dropped file sees it.
class DroppedFileReceiver {
 public:
  virtual ~DroppedFileReceiver() = default;
  // The extension the system's shell finds for the path.
  virtual std::string extensionOf(const std::string& path) = 0;
  virtual void setPathBoxText(const std::string& path) = 0;
  virtual void importWorkbookFromPathBox() = 0;
  virtual void showInformation(const std::string& text) = 0;
};

void onFileDropped(const std::string& path, DroppedFileReceiver& receiver);

}  // namespace qd
