#pragma once
// Test texts are written in UTF-8 and turned into code page 936 bytes.
#include <string>

#include "text/ansi_codec.h"

inline std::string gbk(const char* utf8) { return qd::ansi::fromUtf8(utf8); }
