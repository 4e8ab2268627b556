#include "table/dropped_file.h"

#include "app/ui_texts.h"
#include "text/cp936.h"

namespace qd {

std::string pathExtension(const std::string& path) {
  std::size_t dot = std::string::npos;
  for (std::size_t i = 0; i < path.size(); i += cp936::charLength(path.data(), path.size(), i)) {
    const char c = path[i];
    if (c == '\\' || c == ' ')
      dot = std::string::npos;
    else if (c == '.')
      dot = i;
  }
  return dot == std::string::npos ? std::string() : path.substr(dot);
}

void onFileDropped(const std::string& path, DroppedFileReceiver& receiver) {
  if (receiver.extensionOf(path) != ".xls") {  // byte for byte: ".XLS" is refused
    receiver.showInformation(text::kDropWorkbookPlease);
    return;
  }
  receiver.setPathBoxText(path);
  receiver.importWorkbookFromPathBox();
}

}  // namespace qd
