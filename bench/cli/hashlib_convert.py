#!/usr/bin/env python3
"""The 26-bit result file with every column, written the plain way in Python:
one loop over the lines, the plate kept character by character, hashlib for
the SHA-1, the parity bits counted bit by bit and one print per line. What
corvana-cli --all-columns is compared with for speed; for a plate list of
plain ASCII text both write the same file.

    hashlib_convert.py INPUT OUTPUT
"""

import hashlib
import sys

HEADER = ("Number plate;Wiegand 26-bit (hex);Digest (full hex);Digest (truncated hex);"
          "Digest (truncated dec);Facility code;ID number")


def plate_of(line):
    """Upper case, up to the first ";", without controls, spaces and the
    punctuation below "A" other than the digits."""
    plate = ""
    for ch in line.upper():
        if ch == ";":
            break
        if "0" <= ch <= "9" or ch >= "A":
            plate += ch
    return plate


def wiegand26(payload):
    """The 24-bit payload between its parity bits: even parity over its upper
    12 bits in front, odd parity over its lower 12 bits behind."""
    even = 0
    for bit in range(12, 24):
        even ^= (payload >> bit) & 1
    odd = 1
    for bit in range(0, 12):
        odd ^= (payload >> bit) & 1
    return (even << 25) | (payload << 1) | odd


def main():
    with open(sys.argv[1], encoding="utf-8") as source, open(sys.argv[2], "w", encoding="utf-8", newline="") as out:
        print(HEADER, end="\r\n", file=out)
        for line in source:
            plate = plate_of(line.rstrip("\r\n"))
            size = len(plate.encode("utf-8"))
            if size < 1 or size > 16 or plate == "NUMBERPLATE":
                continue
            digest = hashlib.sha1(plate.encode("utf-8")).hexdigest().upper()
            payload = int(digest[34:40], 16)
            words = digest[0:8] + " " + digest[8:16] + " " + digest[16:24] + " " + digest[24:32] + " " + digest[32:40]
            print("%s;0x%07X;0x%s;0x%06X;%d;%d;%d" % (plate, wiegand26(payload), words, payload, payload,
                                                      payload >> 16, payload & 0xFFFF), end="\r\n", file=out)


if __name__ == "__main__":
    main()
