#!/usr/bin/python3
"""tools/check-mac-bundle-compile.py's parts: the compile it redoes from a
Mac build's command, how it reads the compiler's and llvm-nm's answers, and
what it counts as a fault.

Usage: MacBundleCompileTest.py CHECKER
"""

import importlib.util
import sys
import unittest

CHECKER = None
ENTRY_POINTS = {"_ACFStartup", "_ACFShutdown"}


class BundleCompile(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        spec = importlib.util.spec_from_file_location("check_mac_bundle_compile", CHECKER)
        cls.checker = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(cls.checker)

    def test_the_compile_redone_for_apple(self):
        command = ("/usr/bin/clang++ --target=arm64-apple-macos -I/s/dsp -arch x86_64 -isysroot /b/sdk"
                   " -mmacosx-version-min=10.15 -std=c++17 -MD -MT d.o -MF d.o.d -o d.o -c /s/dsp/Dsp.cpp").split()
        self.assertEqual(
            ["/usr/bin/clang++", "-target", "x86_64-apple-macos10.15", "-stdlib=libc++", "-I/s/dsp",
             "-isysroot", "/b/sdk", "-std=c++17", "-idirafter", self.checker.STANDIN,
             "-idirafter", "/usr/include/x86_64-linux-gnu", "-idirafter", "/usr/include",
             "-c", "/s/dsp/Dsp.cpp", "-o", "out/Dsp.o"],
            self.checker.apple_compile(command, "out/Dsp.o", "/usr/include/x86_64-linux-gnu"))
        c_command = "/usr/bin/clang -arch x86_64 -o p.o -c /s/png.c".split()
        self.assertEqual(["/usr/bin/clang", "-target", "x86_64-apple-macos"],
                         self.checker.apple_compile(c_command, "p.o", "/i")[:3])

    def test_what_the_compiler_answered(self):
        cases = [
            (0, "", ("compiled", None)),
            (1, "G.cpp:3:10: fatal error: 'CoreText/CoreText.h' file not found",
             ("apple", "CoreText/CoreText.h")),
            (1, "a.cpp:2:1: error: unknown type name 'x'\nG.cpp:3:10: fatal error: 'CoreText/CoreText.h' file not found",
             ("fault", "a.cpp:2:1: error: unknown type name 'x'")),
            (1, "I.cpp:62:8: error: no member named 'fill_n' in namespace 'std'",
             ("fault", "I.cpp:62:8: error: no member named 'fill_n' in namespace 'std'")),
            (0, "a.cpp:5:7: warning: unused variable 'n' [-Wunused-variable]",
             ("fault", "a.cpp:5:7: warning: unused variable 'n' [-Wunused-variable]")),
            (1, "a.cpp:1:10: fatal error: 'cpuid.h' file not found",
             ("fault", "a.cpp:1:10: fatal error: 'cpuid.h' file not found")),
        ]
        for returncode, output, expected in cases:
            self.assertEqual(expected, self.checker.compile_outcome(returncode, output), output)

    def test_symbols_and_faults(self):
        listing = "\n".join([
            "                 (undefined) external ___cpu_model",
            "                 (undefined) external _memcpy",
            "0000000000000010 (__TEXT,__text) external _ACFStartup",
            "0000000000000020 (__TEXT,__text) external __Z6Detectv",
            "0000000000000030 (__TEXT,__text) private external __Z4Hidev",
            "0000000000000040 (__TEXT,__text) weak private external __ZN4Leaf3getEv",
            "0000000000000050 (__TEXT,__text) non-external __ZL5local",
            "0000000000000060 (__DATA,__const) weak external __ZTINSt3__115basic_stringbufIcEE",
            "0000000000000070 (__DATA,__const) weak external __ZTI12LICE_IBitmap",
        ])
        found = self.checker.symbols(listing)
        self.assertEqual(["undefined", "undefined", "exported", "exported", "hidden", "hidden", "local", "libc++",
                          "exported"], [kind for kind, _ in found])
        self.assertEqual(
            ["s.cpp: needs ___cpu_model, which Apple's toolchain does not provide (a compiler-runtime CPU builtin):"
             " the bundle would not link",
             "s.cpp: exports __Z6Detectv, which is no entry point (default visibility)",
             "s.cpp: exports __ZTI12LICE_IBitmap, which is no entry point (default visibility)"],
            self.checker.object_problems("s.cpp", found, ENTRY_POINTS))

    def test_every_entry_point_exported(self):
        self.assertEqual(["the entry point _ACFShutdown is hidden (not exported)",
                          "the entry point _ACFStartup is defined by no object compiled"],
                         self.checker.entry_point_problems({"_ACFShutdown": {"hidden"}}, ENTRY_POINTS))
        self.assertEqual([], self.checker.entry_point_problems(
            {"_ACFShutdown": {"exported"}, "_ACFStartup": {"exported"}}, ENTRY_POINTS))


if __name__ == "__main__":
    CHECKER = sys.argv[1]
    unittest.main(argv=sys.argv[:1] + sys.argv[2:])
