"""Reads manifest.def, the one list of what the program loads from the Skins folder.

The file is also included by the program's skin-file test through the C preprocessor, so every
line must be a comment, blank or one record; anything else is an error here rather than a line
that one reader silently skips.
"""

import os
import re

PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "manifest.def")

_ARITY = {"SKIN_FILE": 1, "SKIN_PICTURE": 2, "SKIN_ENTRY": 2, "SKIN_VALUE": 3}
_RECORD = re.compile(r'^([A-Z_]+)\(("[^"]*"(?:, "[^"]*")*)\)$')


class Manifest:
    def __init__(self):
        self.files = []      # names loaded as they are
        self.pictures = {}   # layout file -> full-window button pictures
        self.entries = {}    # layout file -> [BUTTONINFO] entries
        self.values = {}     # layout file -> (section, key) that must not be empty
        self.layouts = []    # layout files, in order of first mention


def parse(text):
    m = Manifest()
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("//"):
            continue
        match = _RECORD.match(line)
        args = re.findall(r'"([^"]*)"', match.group(2)) if match else []
        if not match or _ARITY.get(match.group(1)) != len(args) or not all(args):
            raise ValueError("manifest line %d is not a record: %s" % (number, line))
        kind = match.group(1)
        if kind == "SKIN_FILE":
            m.files.append(args[0])
            continue
        layout = args[0]
        if layout not in m.layouts:
            m.layouts.append(layout)
            m.pictures[layout], m.entries[layout], m.values[layout] = [], [], []
        if kind == "SKIN_PICTURE":
            m.pictures[layout].append(args[1])
        elif kind == "SKIN_ENTRY":
            m.entries[layout].append(args[1])
        else:
            m.values[layout].append((args[1], args[2]))
    return m


def load(path=PATH):
    with open(path, encoding="utf-8") as f:
        return parse(f.read())
