#pragma once
// The extension of a path as the system's shell finds it (PathFindExtensionA).
#include <string>

namespace qd {

std::string shellPathExtension(const std::string& path);

}  // namespace qd
