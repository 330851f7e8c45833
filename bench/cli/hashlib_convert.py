#!/usr/bin/env python3
"""The 26-bit result file with every column, written the plain way in Python
with hashlib: what corvana-cli --all-columns is compared with for speed.

    hashlib_convert.py INPUT OUTPUT
"""

import hashlib
import sys

HEADER = ("Number plate;Wiegand 26-bit (hex);Digest (full hex);Digest (truncated hex);"
          "Digest (truncated dec);Facility code;ID number\r\n")
DROPPED = bytes(range(0x00, 0x30)) + bytes(range(0x3A, 0x41))


def wiegand26(payload):
    code = (payload << 1) & 0x1FFFFFE
    if bin(code & 0x1FFE000).count("1") % 2:
        code |= 0x2000000
    if bin(code & 0x1FFE).count("1") % 2 == 0:
        code |= 1
    return code


def main():
    data = open(sys.argv[1], "rb").read()
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        text = data.decode("cp1252", errors="replace")
    out = [HEADER]
    for line in text.splitlines():
        plate = line.upper().split(";", 1)[0].encode("utf-8").translate(None, DROPPED)
        if not 1 <= len(plate) <= 16 or plate == b"NUMBERPLATE":
            continue
        digest = hashlib.sha1(plate).hexdigest().upper()
        payload = int(digest[-6:], 16)
        words = " ".join(digest[i:i + 8] for i in range(0, 40, 8))
        out.append("%s;0x%07X;0x%s;0x%06X;%d;%d;%d\r\n" % (
            plate.decode("utf-8"), wiegand26(payload), words, payload, payload, payload >> 16, payload & 0xFFFF))
    with open(sys.argv[2], "w", encoding="utf-8", newline="") as f:
        f.write("".join(out))


if __name__ == "__main__":
    main()
