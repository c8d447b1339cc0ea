#!/usr/bin/python3
"""Generates the whole skin folder, the program icons and checks the result.

Run with Debian's python3 and python3-pil:  /usr/bin/python3 tools/skin/generate.py
Output is byte-for-byte the same on every run. --verify writes nothing: it fails when regenerating
would change the committed files (run `make skins` then), checks the committed skin folder against
manifest.def and runs the tests of the check (test_check.py).
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, HERE)

from skin import check, dialogs, icons, language, lighting, main_window, usercolours  # noqa: E402
from skin.theme import jpeg_bytes, mask_bytes, shift_for_buttons  # noqa: E402


def button_jpeg(image):
    return jpeg_bytes(shift_for_buttons(image))


def build_main(out):
    layout = main_window.build_layout()
    _check_ring_clear(layout)
    out["Skins/main_bg.jpg"] = jpeg_bytes(main_window.render(layout, "normal"))
    out["Skins/main_bg_cn.jpg"] = jpeg_bytes(main_window.render(layout, "normal", lang="zh"))
    for state in ("normal", "over", "down", "disable"):
        out["Skins/main_%s.jpg" % state] = button_jpeg(main_window.render(layout, state))
    # Layer indicator looks: layer A and layer B lit.
    for layer in (0, 1):
        out["Skins/main_color%d.jpg" % layer] = button_jpeg(main_window.render(layout, "normal", layer))
    out["Skins/main_mask.bmp"] = mask_bytes(main_window.WIDTH, main_window.HEIGHT, main_window.CORNER)
    out["Skins/Arrow.jpg"] = jpeg_bytes(main_window.render_arrows())
    for name, data in lighting.bitmaps(layout).items():
        out["Skins/" + name] = data
    out["Skins/Main.ini"] = main_window.ini_file(layout).encode()
    return layout


def _check_ring_clear(layout):
    cx, cy = main_window.RING_CX, main_window.RING_CY
    for name, r, kind, info in layout.items():
        for x in range(r.x, r.right):
            for y in (r.y, r.bottom - 1):
                if main_window.RING_D_MIN < (x - cx) ** 2 + (y - cy) ** 2 <= main_window.RING_D_MAX:
                    raise SystemExit("%s covers the colour ring" % name)


def build_dialogs(out):
    layout = dialogs.composite_layout()
    for set_name, (title, art, files) in dialogs.COMPOSITE_SETS.items():
        for state, name in files.items():
            out["Skins/" + name] = button_jpeg(dialogs.render_composite(layout, set_name, state))
    out["Skins/composite_bg.jpg"] = jpeg_bytes(dialogs.render_composite(layout, "key", "normal"))
    out["Skins/composite_mask.bmp"] = mask_bytes(dialogs.COMPOSITE_W, dialogs.COMPOSITE_H, dialogs.CORNER)
    out["Skins/Composite.ini"] = dialogs.dialog_ini("composite_bg.jpg", "composite_mask.bmp", layout).encode()

    layout = dialogs.profile_layout()
    for state, name in dialogs.PROFILE_FILES.items():
        out["Skins/" + name] = button_jpeg(dialogs.render_profile(layout, state))
    out["Skins/profile_bg.jpg"] = jpeg_bytes(dialogs.render_profile(layout, "normal"))
    out["Skins/profile_mask.bmp"] = mask_bytes(dialogs.PROFILE_W, dialogs.PROFILE_H, dialogs.CORNER)
    out["Skins/Profile.ini"] = dialogs.dialog_ini("profile_bg.jpg", "profile_mask.bmp", layout).encode()

    layout = dialogs.update_layout()
    for state, name in dialogs.UPDATE_FILES.items():
        out["Skins/" + name] = button_jpeg(dialogs.render_update(layout, state))
    out["Skins/update_bg.jpg"] = jpeg_bytes(dialogs.render_update(layout, "normal"))
    out["Skins/update_mask.bmp"] = mask_bytes(dialogs.UPDATE_W, dialogs.UPDATE_H, dialogs.CORNER)
    out["Skins/UpdateDlg.ini"] = dialogs.dialog_ini("update_bg.jpg", "update_mask.bmp", layout).encode()


def build_all():
    out = {}
    build_main(out)
    build_dialogs(out)
    out["Skins/language.ini"] = language.language_file().encode()
    out["Skins/UserDengColor_3.userd"] = usercolours.userd_file().encode()
    for kind in (128, 141, 142):
        out["src/ui/res/icon_%d.ico" % kind] = icons.ico_bytes(kind)
    return out


def _leftovers(out):
    """Skin folder files the generator does not make: leftovers of an older layout."""
    skins = os.path.join(ROOT, "Skins")
    wanted = {os.path.basename(r) for r in out if r.startswith("Skins/")}
    return [name for name in sorted(os.listdir(skins))
            if name not in wanted and os.path.isfile(os.path.join(skins, name))]


def stale(out):
    """What writing out would change, as messages; empty when the committed files are current."""
    found = []
    for rel, data in sorted(out.items()):
        path = os.path.join(ROOT, rel)
        if not os.path.isfile(path):
            found.append("%s is missing" % rel)
            continue
        with open(path, "rb") as f:
            if f.read() != data:
                found.append("%s differs from what the generator makes" % rel)
    found += ["Skins/%s is not made by the generator" % name for name in _leftovers(out)]
    return found


def write(out):
    changed = 0
    for rel, data in sorted(out.items()):
        path = os.path.join(ROOT, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if os.path.isfile(path):
            with open(path, "rb") as f:
                if f.read() == data:
                    continue
        with open(path, "wb") as f:
            f.write(data)
        changed += 1
    # The skin folder holds generated files only.
    for name in _leftovers(out):
        os.remove(os.path.join(ROOT, "Skins", name))
        changed += 1
    return changed


def main(argv):
    verify = "--verify" in argv
    out = build_all()
    problems = stale(out) if verify else []
    changed = 0 if verify else write(out)
    with open(os.path.join(ROOT, "src", "app", "language_texts.h"), encoding="utf-8") as f:
        problems += language.problems(f.read())
    problems += check.check_skins(os.path.join(ROOT, "Skins"), lighting.BITMAP_CONTROLS)
    if len(usercolours.POSITION_CONTROLS) != 105:
        problems.append("user colour template must cover 104 keys and Fn")
    for kind in (128, 141, 142):
        if not os.path.isfile(os.path.join(ROOT, "src", "ui", "res", "icon_%d.ico" % kind)):
            problems.append("missing icon %d" % kind)
    for p in problems:
        print("skin check: " + p, file=sys.stderr)
    print("skins: %d files, %d written or removed, %d problems" % (len(out), changed, len(problems)))
    if verify and not problems:
        # Also prove that the check itself catches broken skin folders.
        import unittest
        suite = unittest.defaultTestLoader.loadTestsFromName("test_check")
        if not unittest.TextTestRunner(verbosity=0).run(suite).wasSuccessful():
            return 1
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
