"""Rectangles and ordered layout tables.

A layout is the single source of every control position of a window: the drawing code paints at
these rectangles and the INI writer emits them, so pictures and layout files cannot drift apart.
"""

from dataclasses import dataclass


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    w: int
    h: int

    @property
    def right(self):
        return self.x + self.w

    @property
    def bottom(self):
        return self.y + self.h

    def inset(self, dx, dy=None):
        dy = dx if dy is None else dy
        return Rect(self.x + dx, self.y + dy, self.w - 2 * dx, self.h - 2 * dy)

    def box(self):
        """Pillow box (left, top, right, bottom), right/bottom exclusive."""
        return (self.x, self.y, self.x + self.w, self.y + self.h)

    def entry(self):
        return f"{self.x},{self.y},{self.w},{self.h}"

    def inside(self, width, height):
        return self.x >= 0 and self.y >= 0 and self.w > 0 and self.h > 0 \
            and self.right <= width and self.bottom <= height


def R(x, y, w, h):
    return Rect(int(round(x)), int(round(y)), int(round(w)), int(round(h)))


class Layout:
    """Ordered name -> Rect table with a kind tag per entry (what draws it)."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self._entries = {}

    def add(self, name, rect, kind="control", **info):
        if name in self._entries:
            raise ValueError(f"duplicate layout entry {name}")
        self._entries[name] = (rect, kind, info)
        return rect

    def __getitem__(self, name):
        return self._entries[name][0]

    def __contains__(self, name):
        return name in self._entries

    def items(self):
        for name, (rect, kind, info) in self._entries.items():
            yield name, rect, kind, info

    def of_kind(self, kind):
        return [(n, r, i) for n, r, k, i in self.items() if k == kind]
