#!/usr/bin/python3
"""The macOS bundle as built, and broken copies of it, through
tools/check-mac-bundle.py; the executable's name as the build and the
checker work it out.

Usage: BundleLayoutTest.py CHECKER BUNDLE IDENTIFIER VERSION IMAGE_FOLDER KIND BUNDLE_CMAKE
KIND is the executable's kind as the build makes it (check-mac-bundle.py
--kind); BUNDLE_CMAKE the build's bundle functions (VoMacBundle.cmake).
"""

import importlib.util
import os
import plistlib
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

CHECKER = BUNDLE = IDENTIFIER = VERSION = IMAGES = KIND = BUNDLE_CMAKE = None


def check(bundle, kind=None):
    """The checker's exit code and its messages."""
    run = subprocess.run([sys.executable, CHECKER, bundle, "--identifier", IDENTIFIER,
                          "--version", VERSION, "--kind", kind or KIND, "--images", IMAGES],
                         capture_output=True, text=True)
    return run.returncode, run.stdout + run.stderr


def macho_header(cpu_type, file_type):
    """The first bytes of a thin 64-bit Mach-O file."""
    return struct.pack("<IIIIIII", 0xFEEDFACF, cpu_type, 3, file_type, 0, 0, 0) + bytes(16)


def universal_file(*slices):
    """A universal Mach-O file of (cpu type, file type) slices, 4 KiB apart."""
    data = struct.pack(">II", 0xCAFEBABE, len(slices))
    for i, (cpu, _) in enumerate(slices):
        data += struct.pack(">IIIII", cpu, 3, 4096 * (i + 1), 4096, 12)
    for i, (cpu, file_type) in enumerate(slices):
        data = data.ljust(4096 * (i + 1), b"\0") + macho_header(cpu, file_type)
    return data


X86_64, ARM64, BUNDLE_TYPE, DYLIB_TYPE = 0x01000007, 0x0100000C, 8, 6


class BundleLayout(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.copy = os.path.join(self.folder, os.path.basename(BUNDLE.rstrip("/")))
        shutil.copytree(BUNDLE, self.copy, symlinks=True)
        self.contents = os.path.join(self.copy, "Contents")

    def tearDown(self):
        shutil.rmtree(self.folder)

    def assertFails(self, saying, kind=None):
        code, messages = check(self.copy, kind)
        self.assertEqual(1, code, messages)
        self.assertIn(saying, messages)

    def assertSound(self, bundle, kind=None):
        code, messages = check(bundle, kind)
        self.assertEqual(0, code, messages)
        self.assertIn("a sound macOS bundle", messages)

    def executable(self):
        name = os.path.splitext(os.path.basename(self.copy))[0]
        return os.path.join(self.contents, "MacOS", name)

    def replaceExecutable(self, data):
        with open(self.executable(), "wb") as f:
            f.write(data)

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
        self.assertFails("Contents/Info.plist is neither an XML nor a binary property list")

    def test_a_binary_description_is_read(self):
        info = os.path.join(self.contents, "Info.plist")
        with open(info, "rb") as f:
            entries = plistlib.load(f)
        with open(info, "wb") as f:
            plistlib.dump(entries, f, fmt=plistlib.FMT_BINARY)
        with open(info, "rb") as f:
            self.assertTrue(f.read().startswith(b"bplist00"))
        self.assertSound(self.copy)
        entries["CFBundlePackageType"] = "APPL"
        with open(info, "wb") as f:
            plistlib.dump(entries, f, fmt=plistlib.FMT_BINARY)
        self.assertFails("CFBundlePackageType is 'APPL', expected 'BNDL'")

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

    def test_an_empty_executable_fails(self):
        self.replaceExecutable(b"")
        self.assertFails("Contents/MacOS/VimbraOndelino is empty")

    def test_an_executable_of_the_other_platform_fails(self):
        # The built executable against the other platform's kind.
        if KIND.startswith("elf-"):
            self.assertFails("Contents/MacOS/VimbraOndelino is an ELF file, "
                             "expected a Mach-O bundle for x86_64", kind="macho-x86_64")
        else:
            self.assertFails("Contents/MacOS/VimbraOndelino is a Mach-O file, "
                             "expected an ELF shared object for x86_64", kind="elf-x86_64")
        self.replaceExecutable(b"#!/bin/sh\n" + bytes(64))
        self.assertFails("Contents/MacOS/VimbraOndelino is not a Mach-O file, "
                         "expected a Mach-O bundle for x86_64", kind="macho-x86_64")

    def test_mach_o_executables_by_architecture_and_type(self):
        self.replaceExecutable(macho_header(X86_64, BUNDLE_TYPE))
        self.assertSound(self.copy, kind="macho-x86_64")
        self.assertFails("is a Mach-O file for x86_64, expected arm64", kind="macho-arm64")
        self.assertFails("is a Mach-O file, expected an ELF shared object for x86_64",
                         kind="elf-x86_64")
        self.replaceExecutable(macho_header(ARM64, BUNDLE_TYPE))
        self.assertFails("is a Mach-O file for arm64, expected x86_64", kind="macho-x86_64")
        self.replaceExecutable(macho_header(X86_64, DYLIB_TYPE))
        self.assertFails("is a Mach-O file of type 6, expected a bundle (8)", kind="macho-x86_64")
        self.replaceExecutable(struct.pack("<IIII", 0xFEEDFACE, 7, 3, BUNDLE_TYPE) + bytes(16))
        self.assertFails("is a 32-bit Mach-O file, expected 64-bit for x86_64", kind="macho-x86_64")

    def test_universal_mach_o_executables(self):
        self.replaceExecutable(universal_file((X86_64, BUNDLE_TYPE), (ARM64, BUNDLE_TYPE)))
        self.assertSound(self.copy, kind="macho-x86_64+arm64")
        self.assertFails("is a Mach-O file for x86_64+arm64, expected x86_64", kind="macho-x86_64")
        # A slice past the end of the file.
        self.replaceExecutable(universal_file((X86_64, BUNDLE_TYPE))[:4096])
        self.assertFails("is not a Mach-O file, expected a Mach-O bundle for x86_64",
                         kind="macho-x86_64")

    def test_a_bundle_name_with_two_dots(self):
        renamed = os.path.join(self.folder, "Vimbra.Ondelino.aaxplugin")
        os.rename(self.copy, renamed)
        macos = os.path.join(renamed, "Contents", "MacOS")
        os.rename(os.path.join(macos, "VimbraOndelino"), os.path.join(macos, "Vimbra.Ondelino"))
        info = os.path.join(renamed, "Contents", "Info.plist")
        with open(info, "rb") as f:
            entries = plistlib.load(f)
        entries["CFBundleExecutable"] = "Vimbra.Ondelino"
        with open(info, "wb") as f:
            plistlib.dump(entries, f)
        self.assertSound(renamed)
        # Named up to the first dot, the executable is not the bundle's.
        os.rename(os.path.join(macos, "Vimbra.Ondelino"), os.path.join(macos, "Vimbra"))
        entries["CFBundleExecutable"] = "Vimbra"
        with open(info, "wb") as f:
            plistlib.dump(entries, f)
        code, messages = check(renamed)
        self.assertEqual(1, code, messages)
        self.assertIn("CFBundleExecutable is 'Vimbra', expected 'Vimbra.Ondelino'", messages)
        self.assertIn("no executable at Contents/MacOS/Vimbra.Ondelino", messages)


class ExecutableName(unittest.TestCase):
    """The build and the checker name a bundle's executable alike."""

    def test_the_build_and_the_checker_agree(self):
        spec = importlib.util.spec_from_file_location("check_mac_bundle", CHECKER)
        checker = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(checker)
        bundles = ["/b/VimbraOndelino.aaxplugin", "/b/Vimbra.Ondelino.aaxplugin", "/b/A.B.C.bundle"]
        with tempfile.TemporaryDirectory() as folder:
            script = os.path.join(folder, "names.cmake")
            with open(script, "w") as f:
                f.write("include(%s)\n" % BUNDLE_CMAKE)
                for bundle in bundles:
                    f.write("vo_mac_bundle_executable(%s name)\nmessage(\"${name}\")\n" % bundle)
            run = subprocess.run(["cmake", "-P", script], capture_output=True, text=True)
        self.assertEqual(0, run.returncode, run.stderr)
        built = run.stderr.splitlines()
        self.assertEqual(["VimbraOndelino", "Vimbra.Ondelino", "A.B.C"], built)
        self.assertEqual(built, [checker.executable_name(b) for b in bundles])


if __name__ == "__main__":
    CHECKER, BUNDLE, IDENTIFIER, VERSION, IMAGES, KIND, BUNDLE_CMAKE = sys.argv[1:8]
    unittest.main(argv=sys.argv[:1] + sys.argv[8:])
