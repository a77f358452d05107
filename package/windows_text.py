#!/usr/bin/env python3
"""Writes a UTF-8 text file as the host's users read text: in code page 932 with CR LF line ends.
Usage: windows_text.py <UTF-8 input> <output>"""
import sys

with open(sys.argv[1], encoding="utf-8") as source:
    lines = source.read().splitlines()
with open(sys.argv[2], "wb") as target:
    target.write("".join(line + "\r\n" for line in lines).encode("cp932"))
