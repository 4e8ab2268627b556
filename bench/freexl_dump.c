/* Prints the records of an .xls sheet the way xlsdump does, using FreeXL.
 *
 * Usage: freexl_dump [--sheet NAME] FILE
 *
 * One line per row of the used range after the first (header) row: the texts
 * of columns A..D, tab-separated, UTF-8, with backslash, tab, CR and LF
 * escaped. Numbers print as %d when whole and within int32, otherwise as
 * %.8f; dates as YYYY-MM-DD HH:MM:SS; blanks as empty fields.
 *
 * FreeXL hands over dates already as text and keeps no day for time-only
 * formats, and it reports booleans as the integers 0 and 1; the benchmark
 * workbook holds neither, so these cases are only approximated here.
 */
#define _POSIX_C_SOURCE 200809L /* putc_unlocked */
#include <freexl.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

enum { FIELDS = 4 };

static void put_escaped(const char *s, FILE *out) {
  for (; *s; ++s) {
    switch (*s) {
      case '\\': fputs("\\\\", out); break;
      case '\t': fputs("\\t", out); break;
      case '\r': fputs("\\r", out); break;
      case '\n': fputs("\\n", out); break;
      default: putc_unlocked(*s, out);
    }
  }
}

static void put_number(double v, FILE *out) {
  if (v == floor(v) && v >= -2147483648.0 && v <= 2147483647.0)
    fprintf(out, "%d", (int)v);
  else
    fprintf(out, "%.8f", v);
}

static void put_cell(const FreeXL_CellValue *cell, FILE *out) {
  switch (cell->type) {
    case FREEXL_CELL_INT: fprintf(out, "%d", cell->value.int_value); break;
    case FREEXL_CELL_DOUBLE: put_number(cell->value.double_value, out); break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT: put_escaped(cell->value.text_value, out); break;
    case FREEXL_CELL_DATE: fprintf(out, "%s 00:00:00", cell->value.text_value); break;
    case FREEXL_CELL_DATETIME: fputs(cell->value.text_value, out); break;
    case FREEXL_CELL_TIME: fprintf(out, "1900-01-00 %s", cell->value.text_value); break;
    default: break; /* blank or unsupported: empty field */
  }
}

/* Makes the sheet called `name` (ASCII case aside) active; returns 0 when
 * there is none. */
static int select_sheet(const void *book, const char *name) {
  unsigned int count = 0;
  if (freexl_get_info(book, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK) return 0;
  for (unsigned int i = 0; i < count; ++i) {
    const char *sheet_name = NULL;
    if (freexl_get_worksheet_name(book, (unsigned short)i, &sheet_name) == FREEXL_OK && sheet_name &&
        strcasecmp(sheet_name, name) == 0)
      return freexl_select_active_worksheet(book, (unsigned short)i) == FREEXL_OK;
  }
  return 0;
}

int main(int argc, char **argv) {
  const char *sheet = "Sheet1";
  const char *path = NULL;
  if (argc == 2) {
    path = argv[1];
  } else if (argc == 4 && strcmp(argv[1], "--sheet") == 0) {
    sheet = argv[2];
    path = argv[3];
  } else {
    fprintf(stderr, "usage: freexl_dump [--sheet NAME] FILE\n");
    return 2;
  }

  const void *book = NULL;
  int rc = freexl_open(path, &book);
  if (rc != FREEXL_OK) {
    fprintf(stderr, "freexl_dump: cannot open %s (FreeXL error %d)\n", path, rc);
    return 1;
  }
  if (!select_sheet(book, sheet)) {
    fprintf(stderr, "freexl_dump: no sheet named %s\n", sheet);
    freexl_close(book);
    return 1;
  }
  unsigned int rows = 0;
  unsigned short columns = 0;
  if (freexl_worksheet_dimensions(book, &rows, &columns) != FREEXL_OK) {
    fprintf(stderr, "freexl_dump: cannot read the sheet's dimensions\n");
    freexl_close(book);
    return 1;
  }

  static char buffer[1 << 16];
  setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  int failed = 0;
  for (unsigned int r = 1; r < rows && !failed; ++r) {
    for (unsigned short c = 0; c < FIELDS; ++c) {
      if (c > 0) putc_unlocked('\t', stdout);
      if (c >= columns) continue;
      FreeXL_CellValue cell;
      rc = freexl_get_cell_value(book, r, c, &cell);
      if (rc != FREEXL_OK) {
        fprintf(stderr, "freexl_dump: cannot read row %u column %u (FreeXL error %d)\n", r, c, rc);
        failed = 1;
        break;
      }
      put_cell(&cell, stdout);
    }
    putc_unlocked('\n', stdout);
  }
  freexl_close(book);
  if (fflush(stdout) != 0) {
    perror("freexl_dump: write");
    return 1;
  }
  return failed;
}
