"""Checks the written skin folder the way the program will use it.

What the program loads comes from manifest.def, written out independently of the layouts, so a
layout that forgets a control, puts it outside its window or names a picture that is not there
fails the build.
"""

import io
import os

from PIL import Image

from . import manifest as manifest_file
from .ini import parse_ini


def _rect(value):
    parts = value.split(",")
    if len(parts) < 4:
        return None
    try:
        return tuple(int(p) for p in parts[:4])
    except ValueError:
        return None


def _size(path):
    with Image.open(path) as im:
        return im.size


def check_skins(skins, bitmap_controls, manifest=None):
    """Returns a list of problems with the skin folder; empty when the program can use it."""
    manifest = manifest or manifest_file.load()
    found = []

    def need(path):
        if not os.path.isfile(os.path.join(skins, path)):
            found.append("missing picture %s" % path)
            return False
        return True

    for ini_name in manifest.layouts:
        entries = manifest.entries[ini_name]
        path = os.path.join(skins, ini_name)
        if not os.path.isfile(path):
            found.append("missing layout file %s" % ini_name)
            continue
        with open(path, "rb") as f:
            ini = parse_ini(f.read())
        screen = ini.get("SCREEN", {})
        background, mask = screen.get("Main", ""), screen.get("Mask", screen.get("Main", ""))
        if not background or not need(background) or not mask or not need(mask):
            found.append("%s: background or mask missing" % ini_name)
            continue
        width, height = _size(os.path.join(skins, background))
        if _size(os.path.join(skins, mask)) != (width, height):
            found.append("%s: mask and background differ in size" % ini_name)
        for picture in manifest.pictures[ini_name]:
            if need(picture) and _size(os.path.join(skins, picture)) != (width, height):
                found.append("%s: %s is not %dx%d" % (ini_name, picture, width, height))
        info = ini.get("BUTTONINFO", {})
        for name in entries:
            if name not in info:
                found.append("%s: no entry %s" % (ini_name, name))
                continue
            r = _rect(info[name])
            if r is None:
                found.append("%s: %s=%s is not x,y,w,h" % (ini_name, name, info[name]))
                continue
            x, y, w, h = r
            if x < 0 or y < 0 or w <= 0 or h <= 0 or x + w > width or y + h > height:
                found.append("%s: %s=%s lies outside %dx%d" % (ini_name, name, info[name], width, height))
            if (x, y) == (1, 1) or x < 1 or y < 1:
                # At 1,1 an image button is disabled; left of or above 1 its look is cut from
                # outside the picture.
                found.append("%s: %s=%s starts too close to the corner" % (ini_name, name, info[name]))
        for section, key in manifest.values[ini_name]:
            if not ini.get(section, {}).get(key, "").strip():
                found.append("%s: [%s] %s missing" % (ini_name, section, key))
        if ini_name == "Main.ini":
            found += _check_main(ini, skins, info, bitmap_controls)
    for name in manifest.files:
        need(name)
    return found


def _check_main(ini, skins, info, bitmap_controls):
    found = []
    if not ini.get("SCREEN", {}).get("Link", "").startswith("https://"):
        found.append("Main.ini: no Link address")
    if os.path.isfile(os.path.join(skins, "Arrow.jpg")):
        aw, ah = _size(os.path.join(skins, "Arrow.jpg"))
        for key in ("LEFT_ARROW_PIC", "RIGHT_ARROW_PIC"):
            r = _rect(info.get(key, ""))
            if r is None or r[0] < 1 or r[1] < 1 or r[0] - 1 + r[2] > aw or r[1] - 1 + r[3] > ah:
                found.append("Main.ini: %s does not lie in Arrow.jpg" % key)
    for control, files in bitmap_controls.items():
        r = _rect(info.get(control, ""))
        for name in files:
            path = os.path.join(skins, name)
            if r and os.path.isfile(path) and _size(path) != (r[2], r[3]):
                found.append("%s is not the size of %s" % (name, control))
    for group in (("CONTROL_BLFXLStaPic", "CONTROL_BLFXLStaPic2", "CONTROL_BLFXLStaPic3",
                   "CONTROL_BLFXRStaPic", "CONTROL_BLFXRStaPic2", "CONTROL_BLFXRStaPic3"),
                  ("CONTROL_HXsjsStaPic", "CONTROL_FYSJSStaPic"),
                  ("CONTROL_HONGPIC", "CONTROL_HUANGPIC", "CONTROL_LVPIC", "CONTROL_LANPIC"),
                  ("CONTROL_USERgjStaPic1", "CONTROL_USERgjStaPic2")):
        sizes = {tuple(_rect(info.get(n, "0,0,0,0"))[2:]) for n in group}
        if len(sizes) != 1:
            found.append("controls sharing bitmaps differ in size: %s" % ", ".join(group))
    return found
