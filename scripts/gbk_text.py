#!/usr/bin/python3
"""Converts the program's text files between GBK with CR LF (as shipped in data/) and UTF-8
with LF (for editing).

    /usr/bin/python3 scripts/gbk_text.py to-utf8 data/zarnix帮助.txt help.txt
    (edit help.txt)
    /usr/bin/python3 scripts/gbk_text.py to-gbk help.txt data/zarnix帮助.txt

to-gbk fails on a character GBK cannot hold, so nothing is written that the program would
show as "?".
"""
import sys


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("to-gbk", "to-utf8"):
        sys.exit(__doc__)
    mode, source, target = sys.argv[1:]
    with open(source, "rb") as f:
        data = f.read()
    if mode == "to-gbk":
        text = data.decode("utf-8-sig").replace("\r\n", "\n")
        out = text.replace("\n", "\r\n").encode("gbk")
    else:
        out = data.decode("gbk").replace("\r\n", "\n").encode("utf-8")
    with open(target, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
