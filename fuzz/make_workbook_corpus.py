#!/usr/bin/env python3
"""Seeds the workbook fuzz corpus from fixture workbooks.

For each .xls file given, writes two seeds into fuzz/corpus/workbook:
  <name>.file    byte 0 followed by the whole file (the whole-file mode)
  <name>.stream  byte 1 followed by its Workbook/Book stream (the mode in
                 which the fuzz target packs the stream into a compound file)
Files that are no compound files are seeded whole only.
"""
import os
import struct
import sys

END, FREE = 0xFFFFFFFE, 0xFFFFFFFF


def workbook_stream(data):
    if len(data) < 512 or data[:8] != bytes.fromhex("D0CF11E0A1B11AE1"):
        return None
    shift = struct.unpack_from("<H", data, 0x1E)[0]
    ss = 1 << shift
    n_fat, dir_start, = struct.unpack_from("<II", data, 0x2C)
    mini_cutoff, mini_fat_start = struct.unpack_from("<II", data, 0x38)
    difat_start, n_difat = struct.unpack_from("<II", data, 0x44)
    fat_sectors = [s for s in struct.unpack_from("<109I", data, 0x4C) if s not in (END, FREE)]
    d = difat_start
    while d not in (END, FREE) and len(fat_sectors) < n_fat:
        entries = struct.unpack_from("<%dI" % (ss // 4), data, (d + 1) * ss)
        fat_sectors += [s for s in entries[:-1] if s != FREE]
        d = entries[-1]
    fat = []
    for s in fat_sectors[:n_fat]:
        fat += struct.unpack_from("<%dI" % (ss // 4), data, (s + 1) * ss)

    def chain(start, sector_bytes, table, read):
        out, s, seen = b"", start, set()
        while s not in (END, FREE) and s not in seen and s < len(table):
            seen.add(s)
            out += read(s)
            s = table[s]
        return out

    def sector(s):
        return data[(s + 1) * ss:(s + 2) * ss]

    directory = chain(dir_start, ss, fat, sector)
    entries = [directory[i:i + 128] for i in range(0, len(directory), 128)]
    root = entries[0]
    root_start, root_size = struct.unpack_from("<II", root, 0x74)
    mini_stream = chain(root_start, ss, fat, sector)[:root_size]
    mini_fat_bytes = chain(mini_fat_start, ss, fat, sector)
    mini_fat = struct.unpack("<%dI" % (len(mini_fat_bytes) // 4), mini_fat_bytes)
    for name in ("Workbook", "Book"):
        for e in entries:
            length = struct.unpack_from("<H", e, 0x40)[0]
            if e[0x42] == 2 and e[:max(length - 2, 0)].decode("utf-16-le", "replace").lower() == name.lower():
                start, size = struct.unpack_from("<II", e, 0x74)
                if size < mini_cutoff:
                    return chain(start, 64, mini_fat, lambda s: mini_stream[s * 64:(s + 1) * 64])[:size]
                return chain(start, ss, fat, sector)[:size]
    return None


def main():
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "workbook")
    os.makedirs(out_dir, exist_ok=True)
    for path in sys.argv[1:]:
        with open(path, "rb") as f:
            data = f.read()
        base = os.path.splitext(os.path.basename(path))[0]
        if len(data) <= 200_000:
            with open(os.path.join(out_dir, base + ".file"), "wb") as f:
                f.write(b"\x00" + data)
        try:
            stream = workbook_stream(data)
        except (struct.error, IndexError, ValueError):
            stream = None  # a damaged fixture is seeded whole only
        if stream is not None and len(stream) <= 200_000:
            with open(os.path.join(out_dir, base + ".stream"), "wb") as f:
                f.write(b"\x01" + stream)


if __name__ == "__main__":
    main()
