#include "data/sql_source.h"

namespace qd {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void skipBlanks(std::string_view& s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
}

bool takeKeyword(std::string_view& s, std::string_view word) {
  if (s.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char c = s[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (c != word[i]) return false;
  }
  s.remove_prefix(word.size());
  return true;
}

}  // namespace

std::optional<std::string> sheetOfTableName(std::string_view t) {
  skipBlanks(t);
  while (!t.empty() && isBlank(t.back())) t.remove_suffix(1);
  if (t.size() >= 2 && t.front() == '[' && t.back() == ']') t = t.substr(1, t.size() - 2);
  if (t.size() < 2 || t.back() != '$') return std::nullopt;
  t.remove_suffix(1);
  if (t.find_first_of("[]") != std::string_view::npos) return std::nullopt;
  return std::string(t);
}

std::optional<std::string> sheetOfSelectAll(std::string_view s) {
  skipBlanks(s);
  if (!takeKeyword(s, "SELECT") || s.empty() || !isBlank(s.front())) return std::nullopt;
  skipBlanks(s);
  if (s.empty() || s.front() != '*') return std::nullopt;
  s.remove_prefix(1);
  skipBlanks(s);
  if (!takeKeyword(s, "FROM")) return std::nullopt;
  skipBlanks(s);
  if (s.empty() || s.front() != '[') return std::nullopt;
  const std::size_t close = s.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  std::string_view rest = s.substr(close + 1);
  skipBlanks(rest);
  if (!rest.empty() && rest.front() == ';') rest.remove_prefix(1);
  skipBlanks(rest);
  if (!rest.empty()) return std::nullopt;
  return sheetOfTableName(s.substr(0, close + 1));
}

}  // namespace qd
