#!/usr/bin/env python3
"""Copies C++ sources with every non-ASCII character inside a string or character literal
written as GBK octal escapes, so a compiler without a GBK execution character set (clang)
builds the same bytes the program is compiled with elsewhere.

    gbk_literals.py SOURCE_DIR OUTPUT_DIR

Files under SOURCE_DIR with the endings .cpp, .h and .def are mirrored into OUTPUT_DIR; a file
is rewritten only when its text changed, so unchanged sources keep their timestamps.
"""
import pathlib
import sys

ENDINGS = {".cpp", ".h", ".def"}


def escape(text):
    """A literal's body with its non-ASCII characters as octal escapes of their GBK bytes."""
    out = []
    for ch in text:
        if ord(ch) < 0x80:
            out.append(ch)
        else:
            out.extend("\\%03o" % b for b in ch.encode("gbk"))
    return "".join(out)


def rewrite(source):
    out = []
    i, n = 0, len(source)
    while i < n:
        c = source[i]
        if source.startswith("//", i):
            end = source.find("\n", i)
            end = n if end < 0 else end
            out.append(source[i:end])
            i = end
        elif source.startswith("/*", i):
            end = source.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(source[i:end])
            i = end
        elif c == '"' or (c == "'" and not (i > 0 and (source[i - 1].isalnum() or source[i - 1] == "_"))):
            # A literal up to its unescaped closing quote; a quote after a digit or a letter is
            # a digit separator (1'000) or part of a prefix, not a literal's start.
            j = i + 1
            while j < n and source[j] != c:
                j += 2 if source[j] == "\\" else 1
            out.append(c + escape(source[i + 1:j]) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source_dir, output_dir = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    for path in sorted(source_dir.rglob("*")):
        if path.suffix not in ENDINGS or not path.is_file():
            continue
        target = output_dir / path.relative_to(source_dir)
        text = rewrite(path.read_text(encoding="utf-8"))
        if target.exists() and target.read_text(encoding="utf-8") == text:
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
