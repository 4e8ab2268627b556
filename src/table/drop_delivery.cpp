#include "table/drop_delivery.h"

#include <vector>

namespace qd {

void deliverDroppedFiles(DroppedFiles& files, const std::function<void(const char* name)>& deliver) {
  std::vector<char> name;  // one buffer for this drop, grown to the longest name
  const std::uint32_t count = files.count();
  for (std::uint32_t index = 0; index < count; ++index) {
    const std::uint32_t length = files.nameLength(index);
    if (name.size() < std::size_t{length} + 1) name.resize(std::size_t{length} + 1);
    const std::uint32_t copied = files.copyName(index, name.data(), static_cast<std::uint32_t>(name.size()));
    name[copied < name.size() ? copied : name.size() - 1] = '\0';
    deliver(name.data());
  }
  files.finish();
}

void openMessageFilterForDrops(const std::string& productName, MessageFilter& filter) {
  if (productName.compare(0, 10, "Windows XP") == 0) return;
  if (!filter.available()) return;
  for (std::uint32_t message : kDropFilterMessages) filter.allow(message);
}

}  // namespace qd
