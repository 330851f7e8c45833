#!/usr/bin/env python3
"""A second, independent implementation of what corvana-cli computes.

It reads plate lists the way the converter does (UTF-16 with a byte order
mark; else UTF-8 when the bytes from the first one above 0x7F on, up to the
look-ahead, are valid UTF-8; else Windows-1252), rejects the lines that hold
bytes that are not text in that encoding and those longer than the line
limit, normalises every other line to its canonical plate, and lays out the
rows of the 26-bit (SHA-1) table and the 64-bit table. SHA-1 is written out here on
purpose, so that a fault shared with a library could not hide.

Used as a program it prints the result file of its inputs with every column:
    reference_convert.py [--table 26|64] FILE...
"""

import codecs
import re
import sys

HEADERS = {
    26: ["Number plate", "Wiegand 26-bit (hex)", "Digest (full hex)", "Digest (truncated hex)",
         "Digest (truncated dec)", "Facility code", "ID number"],
    64: ["Number plate", "Wiegand 64-bit (raw)", "Wiegand 64-bit (dec)"],
}

MASK32 = 0xFFFFFFFF

# --------------------------------------------------------------------------
# SHA-1


def _rotl(value, count):
    return ((value << count) | (value >> (32 - count))) & MASK32


def sha1_words(message):
    """The five state words H0 to H4 of the SHA-1 digest of `message` (bytes)."""
    h = [0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0]
    padded = bytearray(message)
    padded.append(0x80)
    while len(padded) % 64 != 56:
        padded.append(0)
    padded += (len(message) * 8).to_bytes(8, "big")
    for block_start in range(0, len(padded), 64):
        w = [int.from_bytes(padded[block_start + 4 * i:block_start + 4 * i + 4], "big") for i in range(16)]
        for t in range(16, 80):
            w.append(_rotl(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1))
        a, b, c, d, e = h
        for t in range(80):
            if t < 20:
                f, k = (b & c) | (~b & d), 0x5A827999
            elif t < 40:
                f, k = b ^ c ^ d, 0x6ED9EBA1
            elif t < 60:
                f, k = (b & c) | (b & d) | (c & d), 0x8F1BBCDC
            else:
                f, k = b ^ c ^ d, 0xCA62C1D6
            a, b, c, d, e = (_rotl(a, 5) + (f & MASK32) + e + k + w[t]) & MASK32, a, _rotl(b, 30), c, d
        h = [(x + y) & MASK32 for x, y in zip(h, (a, b, c, d, e))]
    return h


# --------------------------------------------------------------------------
# Plate list decoding

# Windows-1252 bytes 0x80 to 0x9F; the five bytes without a character stand for
# the code points of the same value.
_CP1252_HIGH = [
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
]


_CP1252_CHARS = [chr(_CP1252_HIGH[b - 0x80]) if 0x80 <= b <= 0x9F else chr(b) for b in range(256)]


def decode_windows1252(data):
    return "".join(map(_CP1252_CHARS.__getitem__, data))


LOOK_AHEAD = 1 << 20  # bytes from the first one above 0x7F that decide UTF-8 or Windows-1252
LINE_LIMIT = 64 * 1024  # bytes of UTF-8 a line may have


def split_lines(text):
    """Lines end with CR LF, LF or CR; a last line without a break counts."""
    lines = re.split(r"\r\n|\r|\n", text)
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def split_byte_lines(data):
    lines = re.split(rb"\r\n|\r|\n", data)
    if lines and lines[-1] == b"":
        lines.pop()
    return lines


def within_limit(line):
    return None if line is None or len(line.encode("utf-8", errors="surrogatepass")) > LINE_LIMIT else line


def decode_utf16(data, big_endian):
    """The lines of UTF-16 without its byte order mark; a line that holds an
    unpaired surrogate, or the odd last byte, is rejected (None)."""
    whole = len(data) & ~1
    # surrogatepass joins the valid pairs and lets unpaired surrogates through.
    text = data[:whole].decode("utf-16-be" if big_endian else "utf-16-le", errors="surrogatepass")
    if len(data) % 2:
        text += "\udc00"  # the cut-off last character, no character either
    return [None if re.search("[\ud800-\udfff]", line) else line for line in split_lines(text)]


def reads_as_utf8(data):
    """Whether the look-ahead from the first byte above 0x7F is valid UTF-8."""
    first = next((i for i, b in enumerate(data) if b >= 0x80), len(data))
    ahead = data[first:first + LOOK_AHEAD]
    try:
        codecs.getincrementaldecoder("utf-8")().decode(ahead, final=first + LOOK_AHEAD >= len(data))
    except UnicodeDecodeError:
        return False
    return True


def decode_utf8_line(line):
    try:
        return line.decode("utf-8", errors="strict")
    except UnicodeDecodeError:
        return None


def decode_plate_list(data):
    """The lines of a plate list file; None for a rejected line."""
    if data[:2] == b"\xff\xfe":
        lines = decode_utf16(data[2:], big_endian=False)
    elif data[:2] == b"\xfe\xff":
        lines = decode_utf16(data[2:], big_endian=True)
    elif not reads_as_utf8(data):
        lines = split_lines(decode_windows1252(data))
    else:
        lines = [decode_utf8_line(line) for line in split_byte_lines(data[3:] if data[:3] == b"\xef\xbb\xbf" else data)]
    return [within_limit(line) for line in lines]


# --------------------------------------------------------------------------
# Normalisation and codes


def simple_upper(ch):
    """The one-to-one upper case of a code point. str.upper() gives the full
    mapping; where that is several characters the simple mapping is the single
    title-case character when there is one (Greek letters with ypogegrammeni),
    otherwise the character stays (German sharp s, ligatures)."""
    upper = ch.upper()
    if len(upper) == 1:
        return upper
    title = ch.title()
    return title if len(title) == 1 else ch


def normalize_plate(line):
    """The canonical plate (bytes) of one line of text, or None when rejected."""
    if line is None:
        return None
    if line.isascii():
        upper = line.upper()
    else:
        upper = "".join(simple_upper(ch) for ch in line)
    upper = upper.split(";", 1)[0]
    kept = bytes(b for b in upper.encode("utf-8") if not (b <= 0x2F or 0x3A <= b <= 0x40))
    if not 1 <= len(kept) <= 16 or kept == b"NUMBERPLATE":
        return None
    return kept


def wiegand26_frame(payload):
    code = (payload << 1) & 0x1FFFFFE
    if bin(code & 0x1FFE000).count("1") % 2 == 1:
        code |= 0x2000000
    if bin(code & 0x1FFE).count("1") % 2 == 0:
        code |= 1
    return code


def wiegand64_group(byte):
    if 0x30 <= byte <= 0x39:
        return byte - 0x30 + 16
    if 0x41 <= byte <= 0x5A:
        return byte - 0x41 + 26
    return 63


def wiegand64_pack(plate):
    value = 0
    for byte in plate[:10]:
        value = (value << 6) | wiegand64_group(byte)
    return value | 0x6000000000000000


def row_cells(plate, table):
    text = plate.decode("utf-8")
    if table == 64:
        code = wiegand64_pack(plate)
        return [text, "0x%016X" % code, "%d" % code]
    h = sha1_words(plate)
    payload = h[4] & 0xFFFFFF
    return [text, "0x%07X" % wiegand26_frame(payload), "0x" + " ".join("%08X" % x for x in h),
            "0x%06X" % payload, "%d" % payload, "%d" % (payload >> 16), "%d" % (payload & 0xFFFF)]


def result_file(plates, table):
    """The result file of the canonical plates (None for a rejected line),
    header first, with every column, as UTF-8 bytes."""
    out = [";".join(HEADERS[table])]
    out += [";".join(row_cells(plate, table)) for plate in plates if plate is not None]
    return "".join(x + "\r\n" for x in out).encode("utf-8")


def main(argv):
    table = 26
    if len(argv) >= 2 and argv[0] == "--table":
        table, argv = int(argv[1]), argv[2:]
    lines = []
    for name in argv:
        with open(name, "rb") as f:
            lines += decode_plate_list(f.read())
    sys.stdout.buffer.write(result_file([normalize_plate(line) for line in lines], table))


if __name__ == "__main__":
    main(sys.argv[1:])
