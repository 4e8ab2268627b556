// xlsdump: prints what the program's workbook import reads from a sheet,
// for people checking why a workbook does not load, and for benchmarks.
//
//   xlsdump [--sheet NAME] [--repeat N] FILE
//
// One line per record: the texts of fields 0 to 3, tab-separated, in UTF-8,
// with \ tab CR LF inside a text written as \\ \t \r \n. Exit status 0 when
// the query ran, 2 when the connect failed, 3 when the query failed, 1 for
// wrong usage.
#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "data/connection_string.h"
#include "data/database_connection.h"
#include "data/record_set.h"
#include "text/ansi_codec.h"

namespace {

int usage() {
  std::fputs("usage: xlsdump [--sheet NAME] [--repeat N] FILE\n", stderr);
  return 1;
}

// Output goes out in blocks, so that printing costs no more memory than
// a block whatever the workbook's size. A line is escaped while still in
// the ANSI code page, where a two-byte character's trail byte may be 5C
// ('\\') and must stay as it is, then converted to UTF-8 whole.
class Output {
 public:
  ~Output() { flush(); }
  void field(const std::string& ansiText) {
    const auto* s = reinterpret_cast<const unsigned char*>(ansiText.data());
    const std::size_t n = ansiText.size();
    std::size_t run = 0;
    for (std::size_t i = 0; i < n;) {
      const unsigned char c = s[i];
      if (c >= 0x81 && c <= 0xFE) {
        i += 2;  // a lead byte and its trail byte
        continue;
      }
      if (c == '\\' || c == '\t' || c == '\r' || c == '\n') {
        line_.append(ansiText, run, i - run);
        line_ += '\\';
        line_ += c == '\\' ? '\\' : c == '\t' ? 't' : c == '\r' ? 'r' : 'n';
        run = i + 1;
      }
      ++i;
    }
    if (run < n) line_.append(ansiText, run, n - run);
  }
  void put(char c) { line_ += c; }
  void endLine() {
    line_ += '\n';
    qd::ansi::appendUtf8(line_, block_);
    line_.clear();
    if (block_.size() >= kBlock) flush();
  }
  void flush() {
    std::fwrite(block_.data(), 1, block_.size(), stdout);
    block_.clear();
  }

 private:
  static constexpr std::size_t kBlock = 1 << 16;
  std::string line_, block_;
};

// Connects, queries and reads every record as the import does; prints the
// records when `output` is given. Returns the exit status.
int dump(const std::string& path, const std::string& sheet, Output* output) {
  qd::DatabaseConnection connection;
  qd::RecordSet records;
  if (!connection.connect(qd::buildConnectionString(path))) {
    if (output)
      std::fprintf(stderr, "xlsdump: cannot connect to %s: %s\n", path.c_str(), qd::describe(connection.lastError()));
    return 2;
  }
  records.attach(&connection);
  const bool ran = records.open("SELECT * FROM [" + sheet + "$]", qd::SourceKind::SqlStatement);
  std::string fields[4];
  records.moveFirst();
  while (!records.isPastLast()) {
    for (int i = 0; i < 4; ++i) records.readField(i, fields[i]);
    if (output) {
      for (int i = 0; i < 4; ++i) {
        if (i > 0) output->put('\t');
        output->field(fields[i]);
      }
      output->endLine();
    }
    records.moveNext();
  }
  records.close();
  connection.close();
  if (!ran) {
    if (output)
      std::fprintf(stderr, "xlsdump: query on sheet %s failed: %s\n", sheet.c_str(), qd::describe(records.lastError()));
    return 3;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string sheet = "Sheet1";
  std::string path;
  long repeat = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--sheet" && i + 1 < argc) {
      sheet = argv[++i];
    } else if (arg == "--repeat" && i + 1 < argc) {
      repeat = std::strtol(argv[++i], nullptr, 10);
      if (repeat < 1) return usage();
    } else if (path.empty() && (arg.empty() || arg[0] != '-' || arg == "-")) {
      path = arg;
    } else {
      return usage();
    }
  }
  if (path.empty()) return usage();
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // the lines end in \n alone, as on other systems
  const std::string& ansiSheet = sheet;  // arguments arrive in the ANSI code page
#else
  // Sheet names arrive in the terminal's UTF-8; the import works in the
  // ANSI code page. Paths are the file system's bytes and stay as they are.
  const std::string ansiSheet = qd::ansi::fromUtf8(sheet);
#endif
  for (long i = 1; i < repeat; ++i) dump(path, ansiSheet, nullptr);
  Output output;
  return dump(path, ansiSheet, &output);
}
