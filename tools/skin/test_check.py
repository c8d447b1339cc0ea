"""Tests that the skin check catches the faults it exists for (run: /usr/bin/python3 -m unittest)."""

import os
import shutil
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from skin import check, lighting  # noqa: E402
from skin.ini import IniFile, parse_ini  # noqa: E402

SKINS = os.path.join(HERE, "..", "..", "Skins")


class SkinCheckTest(unittest.TestCase):
    def setUp(self):
        self._fresh_copy()

    def _fresh_copy(self):
        self.dir = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.dir)
        for name in os.listdir(SKINS):
            shutil.copy(os.path.join(SKINS, name), self.dir)

    def _edit(self, ini_name, section, key, value):
        path = os.path.join(self.dir, ini_name)
        with open(path, "rb") as f:
            sections = parse_ini(f.read())
        out = IniFile()
        for sec, entries in sections.items():
            for k, v in entries.items():
                if (sec, k) != (section, key):
                    out.set(sec, k, v)
        if value is not None:
            out.set(section, key, value)
        with open(path, "wb") as f:
            f.write(out.encode())

    def problems(self):
        return check.check_skins(self.dir, lighting.BITMAP_CONTROLS)

    def test_generated_folder_is_clean(self):
        self.assertEqual(self.problems(), [])

    def test_faults_are_reported(self):
        cases = [
            ("Main.ini", "BUTTONINFO", "KEY_09D", None, "no entry KEY_09D"),
            ("Main.ini", "BUTTONINFO", "FUNC_G3", "1090,10,40,40", "FUNC_G3=1090,10,40,40 lies outside"),
            ("Composite.ini", "BUTTONINFO", "CONTROL_OK", "1,1,80,20", "starts too close"),
            ("Profile.ini", "BUTTONINFO", "PROGRAM_LIST", "10,20", "is not x,y,w,h"),
            ("UpdateDlg.ini", "SCREEN", "Main", "nothing.jpg", "missing picture nothing.jpg"),
            ("Main.ini", "Mode1", "20", None, "[Mode1] 20 missing"),
            ("Main.ini", "BUTTONINFO", "CONTROL_DengStaPic", "100,70,60,24", "dengup.bmp is not the size"),
        ]
        for ini_name, section, key, value, expected in cases:
            with self.subTest(key=key, value=value):
                self._fresh_copy()
                self._edit(ini_name, section, key, value)
                found = self.problems()
                self.assertTrue(any(expected in p for p in found), found)

    def test_missing_button_picture_is_reported(self):
        os.remove(os.path.join(self.dir, "macro2_disable.jpg"))
        self.assertIn("missing picture macro2_disable.jpg", self.problems())


if __name__ == "__main__":
    unittest.main()
