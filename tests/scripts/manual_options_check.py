#!/usr/bin/env python3
"""Checks that a program's --help and its manual page name the same long options.

usage: manual_options_check.py PROGRAM MANPAGE

The manual's options are the long options its OPTIONS section names; the help's are the
long options anywhere in the text --help prints. Each option named by one and not by the
other is listed, and the check fails.
"""
import re
import subprocess
import sys

LONG_OPTION = re.compile(r"(?<![\w-])--([a-z][a-z0-9-]*)")


def help_options(program):
    text = subprocess.run([program, "--help"], capture_output=True, text=True,
                          check=True, timeout=30).stdout
    return set(LONG_OPTION.findall(text))


def manual_options(path):
    section = []
    inside = False
    with open(path, encoding="utf-8") as page:
        for line in page:
            if line.startswith(".SH"):
                inside = line.split(None, 1)[1].strip().strip('"') == "OPTIONS"
            elif inside:
                section.append(line)
    # roff writes a minus sign as \- ; the manual's text then reads like the help's.
    return set(LONG_OPTION.findall("".join(section).replace("\\-", "-")))


def main():
    program, manual = sys.argv[1:3]
    in_help, in_manual = help_options(program), manual_options(manual)
    if not in_manual:
        print(f"{manual}: no long options in its OPTIONS section")
        return 1
    status = 0
    for option in sorted(in_help - in_manual):
        print(f"--{option}: in --help, missing from {manual}")
        status = 1
    for option in sorted(in_manual - in_help):
        print(f"--{option}: in {manual}, missing from --help")
        status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
