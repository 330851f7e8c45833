#!/usr/bin/env python3
"""Runs corvana-cli over many generated plate lists and checks its output byte
for byte against reference_convert.py.

    compare_with_reference.py PATH-TO-corvana-cli

The lists are random with a fixed seed: many scripts, controls, semicolons,
header lines, long lines, mixed line ends, written as UTF-8 (with and without
a byte order mark), UTF-16 of both byte orders, Windows-1252 and invalid UTF-8.
Characters are taken only from code points that this Python's Unicode data
knows, so that its case rules and ICU's describe the same characters.
"""

import os
import random
import subprocess
import sys
import tempfile
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import reference_convert as ref  # noqa: E402

SEED = 20261208
CHUNK = 1 << 20  # corvana-cli reads its inputs in pieces of this size


def assigned(ranges):
    chars = []
    for lo, hi in ranges:
        for cp in range(lo, hi + 1):
            ch = chr(cp)
            if unicodedata.category(ch) not in ("Cn", "Cs", "Co") and ch not in "\r\n":
                chars.append(ch)
    return chars


SCRIPTS = {
    "latin": assigned([(0xC0, 0x24F), (0x1E00, 0x1EFF), (0x300, 0x36F)]),
    "greek": assigned([(0x370, 0x3FF), (0x1F00, 0x1FFF)]),
    "cyrillic": assigned([(0x400, 0x52F)]),
    "armenian_georgian": assigned([(0x531, 0x58F), (0x10A0, 0x10FF)]),
    "cjk": assigned([(0x3040, 0x30FF), (0x4E00, 0x4FFF), (0xAC00, 0xAD00), (0xFF00, 0xFFEF)]),
    "arabic": assigned([(0x600, 0x6FF), (0xFB50, 0xFBFF), (0xFE70, 0xFEFC)]),
    "emoji": assigned([(0x1F300, 0x1F64F), (0x1F680, 0x1F6C5), (0x10400, 0x1044F), (0x1E900, 0x1E943)]),
    "special": list("ßŉǰﬀﬁΐᾳᾼῳıiİſǅµÿŸ€‰™·¿¡×÷"),
}
HIGH_BMP = assigned([(0xF900, 0xFAFF), (0xFB50, 0xFBFF), (0xFE70, 0xFEFC), (0xFF00, 0xFFEF)])
ASCII_PLATE = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
ASCII_PUNCT = "!\"#$%&'()*+,-./:<=>?@[\\]^_`{|}~\x7f"
CONTROLS = [chr(c) for c in range(0x20) if c not in (0x0A, 0x0D)] + [
    "\x7f", "\x85", "\xa0", "\u2028", "\u2029", "\ufeff", "\u200b"]
HEADERS = ["Number plate", "number plate", "NUMBER PLATE", "Number-plate", "number_plate", "NumberPlate",
           " N u m b e r . p l a t e ", "Number plate;Wiegand 26-bit (hex);Facility code;ID number",
           "Number plate;Wiegand 64-bit (raw)", "NUMBERPLATES", "Number plate 2", "Numbér plate"]

# Windows-1252: every character it has, and how to write each as one byte.
CP1252_CHARS = [ref.decode_windows1252(bytes([b])) for b in range(256) if b not in (0x0A, 0x0D)]
CP1252_BYTE = {ref.decode_windows1252(bytes([b])): b for b in range(256)}


def no_nul(text):
    """Outside UTF-16 a NUL byte makes a file binary data, which is no plate list."""
    return text.replace("\x00", "\x01")


class Generator:
    def __init__(self, seed):
        self.rng = random.Random(seed)

    def chars(self, pool, count):
        return "".join(self.rng.choices(pool, k=count))

    def script_pool(self):
        return SCRIPTS[self.rng.choice(sorted(SCRIPTS))]

    def plate_like(self, pool):
        """A few tokens of letters, digits and script characters with separators."""
        parts = []
        for _ in range(self.rng.randint(1, 5)):
            token = self.chars(ASCII_PLATE, self.rng.randint(0, 4))
            if self.rng.random() < 0.6:
                token += self.chars(pool, self.rng.randint(1, 3))
            parts.append(token)
        return self.chars(" \t-.", 1).join(parts)

    def line(self, pool):
        r = self.rng.random()
        if r < 0.30:
            return self.plate_like(pool)
        if r < 0.42:
            return self.chars(pool, self.rng.randint(1, 20))
        if r < 0.50:
            return self.rng.choice(HEADERS) + self.rng.choice(["", ";x;y", " ; ", ";"])
        if r < 0.56:
            return self.chars(" \t", self.rng.randint(0, 6))
        if r < 0.66:  # a plate followed by fields, or a line that starts with the separator
            head = "" if self.rng.random() < 0.3 else self.plate_like(pool)
            return head + self.chars(" \t", self.rng.randint(0, 2)) + ";" + self.chars(pool + [";"], 8)
        if r < 0.76:  # controls and punctuation around a plate
            noise = CONTROLS + list(ASCII_PUNCT) + [" ", "\t"]
            return self.chars(noise, self.rng.randint(0, 5)) + self.plate_like(pool) + self.chars(noise, 4)
        if r < 0.86:  # around the 16-byte limit, with characters of two, three and four bytes
            return self.chars(pool + list(ASCII_PLATE), self.rng.randint(4, 18))
        if r < 0.90:  # a long line: blanks before a plate, or far too many letters
            blanks = self.chars(" \t\x01", self.rng.randint(1000, 40000))
            return blanks + self.plate_like(pool) if self.rng.random() < 0.6 else self.chars(pool, 5000)
        if r < 0.95:
            return ""
        return self.chars(ASCII_PLATE + ASCII_PUNCT, self.rng.randint(1, 12))

    def text(self, pool, count):
        """Lines joined with CR LF, LF or CR; the last break is optional."""
        out = []
        for _ in range(count):
            out.append(self.line(pool))
            out.append(self.rng.choice(["\r\n", "\n", "\r"]))
        if self.rng.random() < 0.5:
            out.pop()
        return "".join(out)

    def pool(self):
        """Mostly one script, with a little of another and the special cases."""
        return self.script_pool() * 4 + self.script_pool() + SCRIPTS["special"]

    def file(self, encoding):
        count = self.rng.randint(40, 160)
        if encoding == "cp1252":
            # Characters Windows-1252 lacks (from the fixed noise lists) become high bytes.
            text = no_nul(self.text(CP1252_CHARS, count))
            return bytes(CP1252_BYTE[ch] if ch in CP1252_BYTE else self.rng.randrange(0x80, 0x100) for ch in text)
        text = self.text(self.pool(), count)
        if encoding not in ("utf16le", "utf16be"):
            text = no_nul(text)
        if encoding in ("utf16le", "utf16be"):
            return self.utf16(text, encoding == "utf16be")
        if encoding == "utf8" and self.rng.random() < 0.5:
            # A first character from U+F000 up begins with the same byte as a byte order mark.
            text = self.rng.choice(HIGH_BMP) + text
        data = text.encode("utf-8")
        if encoding == "utf8-bom":
            return b"\xef\xbb\xbf" + data
        if encoding == "invalid-utf8":
            bad = self.rng.choice([b"\xff", b"\xc0\x80", b"\xed\xa0\x80", b"\xf4\x90\x80\x80", b"\xe9t\xe9", b"\x80"])
            where = self.rng.choice([0, len(data) // 2, len(data)])
            data = data[:where] + bad + data[where:]
            if self.rng.random() < 0.2:
                data += b"\xe2\x82"  # a sequence cut off by the end of the file
        return data

    def utf16(self, text, big_endian):
        codec = "utf-16-be" if big_endian else "utf-16-le"
        data = (b"\xfe\xff" if big_endian else b"\xff\xfe") + text.encode(codec)
        if self.rng.random() < 0.25:  # an unpaired surrogate, and maybe a dangling last byte
            lone = self.rng.choice(["\ud83d", "\ude97"]).encode(codec, errors="surrogatepass")
            where = self.rng.randrange(1, len(data) // 2) * 2
            data = data[:where] + lone + data[where:]
            if self.rng.random() < 0.5:
                data += b"\x41"
        return data

    def straddling_file(self, encoding, before_boundary):
        """A file whose first line of blanks ends `before_boundary` bytes before the
        end of the converter's first read, so that line breaks, surrogate pairs and
        multi-byte characters fall across the two reads."""
        tail = "\r\n\U0001F697\u00e9\u4e2d\r\n\r" + "\n" + self.text(self.pool(), 20)
        if encoding in ("utf16le", "utf16be"):
            units = (CHUNK - before_boundary - 2) // 2
            return self.utf16("Z" + " " * (units - 1) + tail, encoding == "utf16be")
        bom = b"\xef\xbb\xbf" if encoding == "utf8-bom" else b""
        if encoding == "cp1252":
            tail = "\r\n\xe9\u20ac\r\n\r\nX\xff"
            head = "Z" + " " * (CHUNK - before_boundary - 1)
            return bytes(CP1252_BYTE[ch] for ch in head + tail)
        return bom + ("Z" + " " * (CHUNK - before_boundary - len(bom) - 1) + tail).encode("utf-8")


def run_cli(cli, args, stdin=b""):
    result = subprocess.run([cli] + args, input=stdin, capture_output=True, timeout=60)
    if result.returncode != 0:
        raise RuntimeError("corvana-cli %s failed (%d): %s" % (args, result.returncode, result.stderr))
    return result.stdout


def first_difference(expected, actual):
    exp_lines, act_lines = expected.split(b"\r\n"), actual.split(b"\r\n")
    for i, (e, a) in enumerate(zip(exp_lines, act_lines)):
        if e != a:
            return "line %d:\n  expected %r\n  actual   %r" % (i, e, a)
    return "line counts differ: expected %d, actual %d" % (len(exp_lines), len(act_lines))


def compare_files(cli, workdir):
    gen = Generator(SEED)
    cases = []
    encodings = ["utf8", "utf8-bom", "utf16le", "utf16be", "cp1252", "invalid-utf8"]
    for i in range(96):
        cases.append(("%s-%d" % (encodings[i % len(encodings)], i), gen.file(encodings[i % len(encodings)])))
    for encoding in ["utf8", "utf8-bom", "utf16le", "utf16be", "cp1252"]:
        for before in range(1, 5):
            cases.append(("straddling-%s-%d" % (encoding, before), gen.straddling_file(encoding, before)))

    failures, rows = 0, 0
    for index, (name, data) in enumerate(cases):
        path = os.path.join(workdir, name + ".txt")
        with open(path, "wb") as f:
            f.write(data)
        plates = [ref.normalize_plate(line) for line in ref.decode_plate_list(data)]
        for table in (26, 64):
            expected = ref.result_file(plates, table)
            # Every fourth list goes through standard input.
            if index % 4 == 0:
                actual = run_cli(cli, ["--table", str(table), "--all-columns", "-"], stdin=data)
            else:
                actual = run_cli(cli, ["--table", str(table), "--all-columns", path])
            rows += expected.count(b"\r\n") - 1
            if actual != expected:
                failures += 1
                print("MISMATCH %s, %d-bit table (input kept in %s): %s"
                      % (name, table, path, first_difference(expected, actual)))
    return len(cases), rows, failures


def compare_case_mapping(cli):
    """Every code point after a fixed letter: the upper case of each must agree."""
    chars = assigned([(0x80, 0x10FFFF)])
    chars = [ch for ch in chars if ch != ";"]
    data = "".join("Q" + ch + "\n" for ch in chars).encode("utf-8")
    actual = [line.split(b";", 1)[0] for line in run_cli(cli, ["--table", "64"], stdin=data).split(b"\r\n")[1:-1]]
    expected = [ref.normalize_plate("Q" + ch) for ch in chars]
    bad = [(hex(ord(ch)), e, a) for ch, e, a in zip(chars, expected, actual) if e != a]
    if len(actual) != len(expected):
        bad.append(("count", len(expected), len(actual)))
    for item in bad[:20]:
        print("MISMATCH upper case of %s: expected %r, actual %r" % item)
    return len(chars), len(bad)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: compare_with_reference.py PATH-TO-corvana-cli")
    cli = sys.argv[1]
    workdir = tempfile.mkdtemp(prefix="corvana-cli-compare.")
    files, rows, file_failures = compare_files(cli, workdir)
    code_points, case_failures = compare_case_mapping(cli)
    print("%d plate lists (%d rows per table) and %d code points compared" % (files, rows // 2, code_points))
    if file_failures == 0:
        for name in os.listdir(workdir):
            os.remove(os.path.join(workdir, name))
        os.rmdir(workdir)
    passed = (file_failures == 0) + (case_failures == 0)
    print("%d passed, %d failed" % (passed, 2 - passed))
    sys.exit(0 if passed == 2 else 1)


if __name__ == "__main__":
    main()
