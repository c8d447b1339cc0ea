"""language.ini: the language switch and both text sections, checked against the program's table."""

import re

from . import texts
from .ini import IniFile

_ENTRY = re.compile(r'X\((\w+),\s*u"((?:[^"\\]|\\.)*)",\s*(\d+)\)')
FORMAT = re.compile(r"%[-+ #0-9.]*[a-zA-Z]")


def _unescape(literal):
    out, i = [], 0
    while i < len(literal):
        ch = literal[i]
        if ch == "\\":
            nxt = literal[i + 1]
            if nxt == "u":
                out.append(chr(int(literal[i + 2:i + 6], 16)))
                i += 6
                continue
            out.append({"n": "\n", "r": "\r", "\\": "\\", '"': '"'}[nxt])
            i += 2
            continue
        out.append(ch)
        i += 1
    return "".join(out)


def program_table(header_text):
    """[(id, built-in text, capacity)] in loading order, read from the program's header."""
    return [(m.group(1), _unescape(m.group(2)), int(m.group(3))) for m in _ENTRY.finditer(header_text)]


def language_file():
    ini = IniFile()
    ini.set("LANGUAGE", "language", 1)
    for section, lang in (("ENGINSH", 0), ("CHINESE", 1)):
        for table in (texts.GLOBAL_TEXTS, texts.WINDOW_TEXTS):
            for key, pair in table.items():
                if key not in ini.section(section):
                    ini.set(section, key, pair[lang])
    return ini


def problems(header_text):
    """Everything wrong with the texts against the program's own table; empty when all is well."""
    found = []
    table = program_table(header_text)
    ids = [t[0] for t in table]
    if len(table) < 80:
        found.append("could not read the program's text table (%d IDs)" % len(table))
    missing = [i for i in ids if i not in texts.GLOBAL_TEXTS]
    extra = [i for i in texts.GLOBAL_TEXTS if i not in ids]
    found += ["no text for %s" % i for i in missing]
    found += ["%s is not a program text ID" % i for i in extra]
    for key, built_in, capacity in table:
        for lang, value in zip(("English", "Chinese"), texts.GLOBAL_TEXTS.get(key, ())):
            if FORMAT.findall(value) != FORMAT.findall(built_in):
                found.append("%s (%s): format directives %s, program has %s"
                             % (key, lang, FORMAT.findall(value), FORMAT.findall(built_in)))
            if value.count("\\n") != built_in.count("\n"):
                found.append("%s (%s): line breaks differ from the program's text" % (key, lang))
            if len(value) > capacity - 1:
                found.append("%s (%s): %d characters, slot holds %d" % (key, lang, len(value), capacity - 1))
            if value.strip() == "" or "hello" in value.lower() or value == "No Use!":
                found.append("%s (%s): placeholder text" % (key, lang))
    for key, pair in texts.WINDOW_TEXTS.items():
        for value in pair:
            if not value.strip() or "hello" in value.lower() or len(value) > 259:
                found.append("%s: bad window text %r" % (key, value))
    return found
