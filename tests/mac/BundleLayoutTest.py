#!/usr/bin/python3
"""The macOS bundle as built, and broken copies of it, through
tools/check-mac-bundle.py.

Usage: BundleLayoutTest.py CHECKER BUNDLE IDENTIFIER VERSION IMAGE_FOLDER
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

CHECKER = BUNDLE = IDENTIFIER = VERSION = IMAGES = None


def check(bundle):
    """The checker's exit code and its messages."""
    run = subprocess.run([sys.executable, CHECKER, bundle, "--identifier", IDENTIFIER,
                          "--version", VERSION, "--images", IMAGES],
                         capture_output=True, text=True)
    return run.returncode, run.stdout + run.stderr


class BundleLayout(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.copy = os.path.join(self.folder, os.path.basename(BUNDLE.rstrip("/")))
        shutil.copytree(BUNDLE, self.copy, symlinks=True)
        self.contents = os.path.join(self.copy, "Contents")

    def tearDown(self):
        shutil.rmtree(self.folder)

    def assertFails(self, saying):
        code, messages = check(self.copy)
        self.assertEqual(1, code, messages)
        self.assertIn(saying, messages)

    def test_the_built_bundle_is_sound(self):
        code, messages = check(BUNDLE)
        self.assertEqual(0, code, messages)
        self.assertEqual(["bkg.png", "button1.png", "button2.png", "fader-handle.png", "knob.png",
                          "switch.png", "vumeter.png"],
                         sorted(f for f in os.listdir(os.path.join(BUNDLE, "Contents", "Resources"))
                                if f.endswith(".png")))

    def test_a_missing_or_unreadable_description_fails(self):
        info = os.path.join(self.contents, "Info.plist")
        os.remove(info)
        self.assertFails("no Contents/Info.plist")
        with open(info, "w") as f:
            f.write("{ CFBundleIdentifier = \"%s\"; }" % IDENTIFIER)
        self.assertFails("not an XML property list")

    def test_a_description_with_wrong_entries_fails(self):
        info = os.path.join(self.contents, "Info.plist")
        with open(info) as f:
            text = f.read()
        with open(info, "w") as f:
            f.write(text.replace("<string>BNDL</string>", "<string>APPL</string>")
                        .replace(IDENTIFIER, IDENTIFIER + ".other"))
        self.assertFails("CFBundlePackageType is 'APPL', expected 'BNDL'")
        self.assertFails("CFBundleIdentifier")

    def test_a_missing_image_or_executable_fails(self):
        os.remove(os.path.join(self.contents, "Resources", "knob.png"))
        self.assertFails("no image Contents/Resources/knob.png")
        name = os.path.splitext(os.path.basename(self.copy))[0]
        os.remove(os.path.join(self.contents, "MacOS", name))
        self.assertFails("no executable at Contents/MacOS/" + name)


if __name__ == "__main__":
    CHECKER, BUNDLE, IDENTIFIER, VERSION, IMAGES = sys.argv[1:6]
    unittest.main(argv=sys.argv[:1] + sys.argv[6:])
