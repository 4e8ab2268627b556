#include "data/connection_string.h"

namespace qd {
namespace {

constexpr std::string_view kPrefix = "Driver={Microsoft Excel Driver (*.xls)};DriverId=790;Dbq=";
constexpr std::string_view kMiddle = ";DefaultDir=";
constexpr std::string_view kSuffix = ";";

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The exact shape this program builds: prefix, P, middle, P, suffix. The
// length of P follows from the length of the whole.
std::optional<std::string> pathOfBuiltString(std::string_view s) {
  if (s.size() < kPrefix.size() + kMiddle.size() + kSuffix.size()) return std::nullopt;
  if (s.substr(0, kPrefix.size()) != kPrefix || s.substr(s.size() - kSuffix.size()) != kSuffix) return std::nullopt;
  const std::string_view body = s.substr(kPrefix.size(), s.size() - kPrefix.size() - kSuffix.size());
  if ((body.size() - kMiddle.size()) % 2 != 0) return std::nullopt;
  const std::size_t n = (body.size() - kMiddle.size()) / 2;
  const std::string_view first = body.substr(0, n);
  if (body.substr(n, kMiddle.size()) != kMiddle || body.substr(n + kMiddle.size()) != first) return std::nullopt;
  return std::string(first);
}

std::optional<std::string> pathOfOdbcPairs(std::string_view s) {
  std::optional<std::string> path;
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t eq = s.find('=', i);
    const std::size_t semi = s.find(';', i);
    if (eq == std::string_view::npos || (semi != std::string_view::npos && semi < eq)) {
      if (semi == std::string_view::npos) break;
      i = semi + 1;  // an attribute without a value
      continue;
    }
    const std::string_view key = trimBlanks(s.substr(i, eq - i));
    std::string value;
    std::size_t j = eq + 1;
    while (j < s.size() && s[j] == ' ') ++j;
    if (j < s.size() && s[j] == '{') {
      ++j;
      bool closed = false;
      while (j < s.size()) {
        if (s[j] == '}') {
          if (j + 1 < s.size() && s[j + 1] == '}') {
            value += '}';
            j += 2;
            continue;
          }
          ++j;
          closed = true;
          break;
        }
        value += s[j++];
      }
      if (!closed) return std::nullopt;
      const std::size_t next = s.find(';', j);
      i = next == std::string_view::npos ? s.size() : next + 1;
    } else {
      const std::size_t next = s.find(';', eq + 1);
      value = std::string(s.substr(eq + 1, (next == std::string_view::npos ? s.size() : next) - eq - 1));
      i = next == std::string_view::npos ? s.size() : next + 1;
    }
    if (equalsIgnoringAsciiCase(key, "DBQ")) path = std::move(value);
  }
  return path;
}

}  // namespace

std::string buildConnectionString(std::string_view workbookPath) {
  std::string s;
  s.reserve(kPrefix.size() + kMiddle.size() + kSuffix.size() + 2 * workbookPath.size());
  s.append(kPrefix).append(workbookPath).append(kMiddle).append(workbookPath).append(kSuffix);
  return s;
}

std::optional<std::string> workbookPathOf(std::string_view connectionString) {
  if (auto path = pathOfBuiltString(connectionString)) return path;
  auto path = pathOfOdbcPairs(connectionString);
  if (path && path->empty()) return std::nullopt;
  return path;
}

}  // namespace qd
