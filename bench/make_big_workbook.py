#!/usr/bin/python3
"""Writes the benchmark workbook: sheet Sheet1 with a header row and 65,535
question records (the most an .xls sheet holds), in Simplified Chinese mixed
with numbers.

Usage: /usr/bin/python3 make_big_workbook.py OUT.xls

The data is seeded, so every run writes the same cells. Most texts are
distinct, which makes the shared string table several MB long and forces it
across many continuation records. A small cover sheet comes first so that a
reader must pick Sheet1 by name rather than by position.
"""
import random
import sys

import xlwt

RECORDS = 65535
SEED = 20240611

# Numbers whose text is easy to get wrong: the int32 edges and just past them,
# halves and long fractions that must round at the 8th decimal, tiny values,
# and doubles far too large for any integer type.
EDGE_NUMBERS = [
    0, 1, -1, 7, 100, -100, 536870911, -536870912, 536870912,
    2147483647, -2147483648, 2147483648, -2147483649, 4294967296, 1e15,
    0.5, -0.5, 2.5, 0.1, 0.3, 1.25, 12.345, 99.99, 1 / 3, -2 / 3,
    3.141592653589793, 2.718281828459045, 0.000000015, 1e-9, -1e-9,
    123456.789012345, 2147483646.5, -2147483647.75, 1e20, 1.5e300,
    1.7976931348623157e308,
]

# Texts shared by many rows, as real answer keys repeat them.
COMMON_ANSWERS = ["正确", "错误", "A", "B", "C", "D", "以上都对", "不确定"]

ASCII_BITS = "0123456789ABCD ,.;:?!()-+=%/"
CJK_PUNCT = "，。？！：；、（）《》“”"
# Rare control and escape characters a question text can carry (line
# breaks from Alt+Enter, a pasted tab, a Windows path).
ESCAPED_BITS = ["\n", "\r\n", "\t", "\\", "C:\\题库\\"]


def gb2312_hanzi(rng):
    """A common simplified character (GB2312 level 1, always within GBK)."""
    lead = rng.randint(0xB0, 0xD7)
    trail = rng.randint(0xA1, 0xF9 if lead == 0xD7 else 0xFE)
    return bytes([lead, trail]).decode("gb2312")


def gbk_extra_hanzi(rng):
    """A rarer ideograph from the GBK extension that GB2312 lacks."""
    while True:
        lead = rng.randint(0x81, 0xA0)
        trail = rng.randint(0x40, 0xFE)
        if trail == 0x7F:
            continue
        try:
            return bytes([lead, trail]).decode("gbk")
        except UnicodeDecodeError:
            continue


def chinese_text(rng, low, high):
    """Text of low..high characters: mostly hanzi, some ASCII and punctuation."""
    length = rng.randint(low, high)
    parts = []
    while len(parts) < length:
        roll = rng.random()
        if roll < 0.72:
            parts.append(gb2312_hanzi(rng))
        elif roll < 0.75:
            parts.append(gbk_extra_hanzi(rng))
        elif roll < 0.88:
            parts.append(rng.choice(ASCII_BITS))
        elif roll < 0.977:
            parts.append(rng.choice(CJK_PUNCT))
        elif roll < 0.98:
            parts.append(rng.choice(ESCAPED_BITS))
        else:
            parts.append(str(rng.randint(0, 9999)))
    return "".join(parts)[:length]


def random_number(rng):
    roll = rng.random()
    if roll < 0.15:
        return rng.choice(EDGE_NUMBERS)
    if roll < 0.55:
        return rng.randint(-1000, 100000)
    if roll < 0.65:
        return rng.randint(-3000000000, 3000000000)
    if roll < 0.80:
        return round(rng.uniform(-1000, 1000), rng.randint(1, 4))
    return rng.uniform(-1e6, 1e6)


def question_number(rng, row):
    roll = rng.random()
    if roll < 0.90:
        return row
    if roll < 0.97:
        return row + rng.choice([0.5, 0.25, 0.1])
    return rng.choice(EDGE_NUMBERS)


def answer(rng):
    roll = rng.random()
    if roll < 0.15:
        return rng.choice(COMMON_ANSWERS)
    if roll < 0.65:
        return chinese_text(rng, 2, 20)
    return random_number(rng)


def write_cover_sheet(book):
    sheet = book.add_sheet("说明")
    sheet.write(0, 0, "本工作簿由基准测试脚本生成")
    sheet.write(1, 0, "题目在 Sheet1")
    sheet.write(2, 0, 12345)


def write_question_sheet(book, rng):
    sheet = book.add_sheet("Sheet1")
    for col, name in enumerate(["题号", "题目", "答案", "答案2"]):
        sheet.write(0, col, name)
    for row in range(1, RECORDS + 1):
        cells = sheet.row(row)
        cells.write(0, question_number(rng, row))
        cells.write(1, "第%d题：%s" % (row, chinese_text(rng, 5, 51)))
        cells.write(2, answer(rng))
        roll = rng.random()
        if roll < 0.15:
            pass  # no cell at all
        elif roll < 0.25:
            cells.write(3, "")  # a formatted but empty cell
        elif roll < 0.65:
            cells.write(3, chinese_text(rng, 1, 30))
        else:
            cells.write(3, random_number(rng))
        if row % 4096 == 0:
            sheet.flush_row_data()  # keeps memory flat on 65k rows


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_big_workbook.py OUT.xls")
    rng = random.Random(SEED)
    book = xlwt.Workbook(encoding="utf-8")
    write_cover_sheet(book)
    write_question_sheet(book, rng)
    book.save(sys.argv[1])


if __name__ == "__main__":
    main()
