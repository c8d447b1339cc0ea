"""INI files as the Windows private-profile functions read them.

Files holding only ASCII are written as plain ASCII; anything else as UTF-16LE with a BOM, the
only Unicode form those functions understand. Lines end in CR LF. No value may hold a line break.
"""


class IniFile:
    def __init__(self):
        self._sections = {}

    def section(self, name):
        return self._sections.setdefault(name, {})

    def set(self, section, key, value):
        value = str(value)
        if "\r" in value or "\n" in value:
            raise ValueError(f"[{section}] {key}: an INI value cannot hold a line break")
        if key in self.section(section):
            raise ValueError(f"[{section}] {key}: written twice")
        if value != value.strip():
            # The reader trims values; quotes keep spaces that are part of the text.
            value = '"' + value + '"'
        self.section(section)[key] = value

    def sections(self):
        return self._sections

    def text(self):
        lines = []
        for name, entries in self._sections.items():
            if lines:
                lines.append("")
            lines.append(f"[{name}]")
            lines.extend(f"{k}={v}" for k, v in entries.items())
        return "\r\n".join(lines) + "\r\n"

    def encode(self):
        text = self.text()
        if text.isascii():
            return text.encode("ascii")
        return b"\xff\xfe" + text.encode("utf-16-le")


def parse_ini(data):
    """Reads back what IniFile wrote (used by the layout check)."""
    if data.startswith(b"\xff\xfe"):
        text = data[2:].decode("utf-16-le")
    else:
        text = data.decode("ascii")
    sections, current = {}, None
    for line in text.split("\r\n"):
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1], {})
        elif current is not None and "=" in line:
            key, value = line.split("=", 1)
            if len(value) >= 2 and value[0] == value[-1] == '"':
                value = value[1:-1]
            current[key] = value
    return sections
