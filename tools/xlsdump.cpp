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

#include "data/connection_string.h"
#include "data/database_connection.h"
#include "data/record_set.h"
#include "text/ansi_codec.h"

namespace {

int usage() {
  std::fputs("usage: xlsdump [--sheet NAME] [--repeat N] FILE\n", stderr);
  return 1;
}

void appendEscaped(const std::string& ansiText, std::string& out) {
  bool plain = true;
  for (char c : ansiText) plain &= static_cast<unsigned char>(c) < 0x80;
  const std::string text = plain ? ansiText : qd::ansi::toUtf8(ansiText);
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
}

struct Outcome {
  int status = 0;
  std::string output;
};

// Connects, queries and reads every record as the import does.
Outcome dump(const std::string& path, const std::string& sheet, bool keepOutput) {
  qd::DatabaseConnection connection;
  qd::RecordSet records;
  if (!connection.connect(qd::buildConnectionString(path))) {
    if (keepOutput)
      std::fprintf(stderr, "xlsdump: cannot connect to %s: %s\n", path.c_str(), qd::describe(connection.lastError()));
    return {2, {}};
  }
  records.attach(&connection);
  const bool ran = records.open("SELECT * FROM [" + sheet + "$]", qd::SourceKind::SqlStatement);
  Outcome outcome;
  std::string fields[4];
  records.moveFirst();
  while (!records.isPastLast()) {
    for (int i = 0; i < 4; ++i) records.readField(i, fields[i]);
    if (keepOutput) {
      for (int i = 0; i < 4; ++i) {
        if (i > 0) outcome.output += '\t';
        appendEscaped(fields[i], outcome.output);
      }
      outcome.output += '\n';
    }
    records.moveNext();
  }
  records.close();
  connection.close();
  if (!ran) {
    if (keepOutput)
      std::fprintf(stderr, "xlsdump: query on sheet %s failed: %s\n", sheet.c_str(), qd::describe(records.lastError()));
    outcome.status = 3;
  }
  return outcome;
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
  // Paths and sheet names arrive in the terminal's encoding; the import
  // works in the ANSI code page.
  const std::string ansiSheet = qd::ansi::fromUtf8(sheet);
  for (long i = 1; i < repeat; ++i) dump(path, ansiSheet, false);
  const Outcome outcome = dump(path, ansiSheet, true);
  std::fwrite(outcome.output.data(), 1, outcome.output.size(), stdout);
  return outcome.status;
}
