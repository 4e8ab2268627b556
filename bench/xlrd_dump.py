#!/usr/bin/python3
"""Prints the records of an .xls sheet the way xlsdump does, using xlrd.

Usage: /usr/bin/python3 xlrd_dump.py [--sheet NAME] FILE

One line per row of the used range after the first (header) row: the texts
of columns A..D, tab-separated, UTF-8, with backslash, tab, CR and LF
escaped. Numbers print as %d when whole and within int32, otherwise as
%.8f; date-formatted numbers as YYYY-MM-DD HH:MM:SS; booleans as
TRUE/FALSE; blanks and errors as empty fields.
"""
import datetime
import sys

import xlrd

FIELDS = 4
INT32_MIN, INT32_MAX = -2 ** 31, 2 ** 31 - 1
LAST_DAY = {0: 2958465, 1: 2957003}  # 9999-12-31 in the 1900 and 1904 systems
ESCAPES = str.maketrans({"\\": "\\\\", "\t": "\\t", "\r": "\\r", "\n": "\\n"})


def number_text(v):
    if v.is_integer() and INT32_MIN <= v <= INT32_MAX:
        return "%d" % int(v)
    return "%.8f" % v


def date_text(serial, datemode):
    """The calendar text of a date serial, rounded to the second.

    In the 1900 system day 0 is shown as 1900-01-00 and day 60 as the
    1900-02-29 that spreadsheets have always shown; xlrd refuses both.
    A negative serial or one past 9999-12-31 is shown as a number.
    """
    seconds = int(round(serial * 86400.0))
    days, secs = divmod(seconds, 86400)
    if serial < 0 or days > LAST_DAY[datemode]:
        return number_text(serial)
    hms = "%02d:%02d:%02d" % (secs // 3600, secs // 60 % 60, secs % 60)
    if datemode == 1:
        d = datetime.date(1904, 1, 1) + datetime.timedelta(days)
    elif days == 0:
        return "1900-01-00 " + hms
    elif days == 60:
        return "1900-02-29 " + hms
    elif days < 60:
        d = datetime.date(1899, 12, 31) + datetime.timedelta(days)
    else:
        d = datetime.date(1899, 12, 30) + datetime.timedelta(days)
    return "%04d-%02d-%02d %s" % (d.year, d.month, d.day, hms)


def cell_text(ctype, value, datemode):
    if ctype == xlrd.XL_CELL_TEXT:
        return value.translate(ESCAPES)
    if ctype == xlrd.XL_CELL_NUMBER:
        return number_text(value)
    if ctype == xlrd.XL_CELL_DATE:
        return date_text(value, datemode)
    if ctype == xlrd.XL_CELL_BOOLEAN:
        return "TRUE" if value else "FALSE"
    return ""  # empty, blank, error


def sheet_index(book, name):
    """Sheet names match regardless of ASCII case, as Sheet1 and sheet1 do."""
    wanted = ascii_lower(name)
    for i, candidate in enumerate(book.sheet_names()):
        if ascii_lower(candidate) == wanted:
            return i
    sys.exit("xlrd_dump.py: no sheet named %s" % name)


def ascii_lower(s):
    return "".join(c.lower() if "A" <= c <= "Z" else c for c in s)


def main(argv):
    sheet_name = "Sheet1"
    args = argv[1:]
    if len(args) == 3 and args[0] == "--sheet":
        sheet_name = args[1]
        args = args[2:]
    if len(args) != 1:
        sys.exit("usage: xlrd_dump.py [--sheet NAME] FILE")
    book = xlrd.open_workbook(args[0])
    sheet = book.sheet_by_index(sheet_index(book, sheet_name))
    width = min(FIELDS, sheet.ncols)
    padding = [""] * (FIELDS - width)
    lines = []
    for r in range(1, sheet.nrows):
        types = sheet.row_types(r, 0, width)
        values = sheet.row_values(r, 0, width)
        fields = [cell_text(t, v, book.datemode) for t, v in zip(types, values)]
        lines.append("\t".join(fields + padding))
    lines.append("")
    sys.stdout.buffer.write("\n".join(lines).encode("utf-8"))


if __name__ == "__main__":
    main(sys.argv)
