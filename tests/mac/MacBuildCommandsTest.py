#!/usr/bin/python3
"""tools/check-mac-build-commands.py on the commands of a macOS build folder
as Ninja lists them: a sound set, and the faults a Mac build can slip into.

Usage: MacBuildCommandsTest.py CHECKER
"""

import importlib.util
import os
import plistlib
import shutil
import sys
import tempfile
import unittest

CHECKER = None

COMPILE = ("/usr/bin/clang++ --target=arm64-apple-macos -I{src}/lice -arch x86_64 -isysroot {sdk}"
           " -mmacosx-version-min=10.15 -o lice/CMakeFiles/lice.dir/lice_png.cpp.o -c {src}/lice/lice_png.cpp")
COMPILE_PNG = ("/usr/bin/clang --target=arm64-apple-macos -I{sdk}/usr/include -I{build}/libpng -arch x86_64"
               " -isysroot {sdk} -mmacosx-version-min=10.15 -o libpng/png.c.o -c {src}/build/third_party/libpng/png.c")
ARCHIVE = (": && /usr/bin/cmake -E rm -f lice/liblice.a && /usr/bin/llvm-ar qc lice/liblice.a"
           " lice/CMakeFiles/lice.dir/lice_png.cpp.o && /usr/bin/llvm-ranlib lice/liblice.a && :")
LINK = (": && /usr/bin/clang++ --target=arm64-apple-macos -arch x86_64 -isysroot {sdk} -mmacosx-version-min=10.15"
        " -bundle -Wl,-headerpad_max_install_names -Xlinker -exported_symbols_list -Xlinker {src}/V.exports"
        " -o V.aaxplugin/Contents/MacOS/V lice/liblice.a"
        " -framework Carbon -framework CoreFoundation -framework CoreGraphics -framework CoreText"
        " -framework AppKit libpng/libpng16.a -lz && :")
COPY = ("cd {build}/WDL && /usr/bin/cmake -E copy {src}/plugin/resources/img/{image}"
        " {build}/V.aaxplugin/Contents/Resources/{image}")


class BuildCommands(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        spec = importlib.util.spec_from_file_location("check_mac_build_commands", CHECKER)
        cls.checker = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(cls.checker)

    def setUp(self):
        # The tree lies in a folder whose name holds the words looked for:
        # only names below it count.
        self.folder = tempfile.mkdtemp(prefix="gnustep-standin-")
        self.src = os.path.join(self.folder, "src")
        self.build = os.path.join(self.src, "build", "mac")
        self.sdk = os.path.join(self.build, "empty-macos-sdk")
        self.images = os.path.join(self.src, "plugin", "resources", "img")
        os.makedirs(self.images)
        for image in ("bkg.png", "knob.png"):
            with open(os.path.join(self.images, image), "wb") as f:
                f.write(b"\x89PNG\r\n\x1a\n")
        self.contents = os.path.join(self.build, "V.aaxplugin", "Contents")
        os.makedirs(self.contents)
        self.writeInfo("V")
        self.cache = {"CMAKE_HOME_DIRECTORY": self.src, "VO_AAX_BUNDLE": os.path.join(self.build, "V.aaxplugin"),
                      "CMAKE_OSX_SYSROOT": self.sdk}

    def tearDown(self):
        shutil.rmtree(self.folder)

    def writeInfo(self, executable, fmt=plistlib.FMT_XML):
        with open(os.path.join(self.contents, "Info.plist"), "wb") as f:
            plistlib.dump({"CFBundleExecutable": executable}, f, fmt=fmt)

    def commands(self, *lines):
        """The sound command list with lines replaced ({old: new}) or added."""
        text = [COMPILE, COMPILE_PNG, ARCHIVE, LINK] + [COPY.replace("{image}", i) for i in ("bkg.png", "knob.png")]
        for change in lines:
            if isinstance(change, dict):
                for old, new in change.items():
                    text = [t.replace(old, new) for t in text]
            else:
                text.append(change)
        return "\n".join(t.format(src=self.src, build=self.build, sdk=self.sdk) for t in text)

    def problems(self, *changes):
        problems, images = self.checker.check_configuration(self.commands(*changes), self.build, self.cache,
                                                            self.images)
        self.assertEqual(2, images)
        return problems

    def test_the_sound_commands_pass(self):
        self.assertEqual([], self.problems())
        self.writeInfo("V", fmt=plistlib.FMT_BINARY)
        self.assertEqual([], self.problems())

    def test_a_stand_in_in_the_build(self):
        standin = "{src}/WDL/IPlug/mac/macos_standin"
        self.assertEqual(
            ["a stand-in in the build (-I%s/WDL/IPlug/mac/macos_standin)" % self.src,
             "a stand-in in the build (%s/WDL/IPlug/mac/macos_standin/StandinCore.cpp)" % self.src],
            self.problems("/usr/bin/clang++ -I%s -arch x86_64 -MF s/macos_standin/StandinCore.cpp.o.d"
                          " -o s/macos_standin/StandinCore.cpp.o -c %s/StandinCore.cpp" % (standin, standin)))
        self.assertEqual(
            ["a stand-in in the build (%s/lice/text_standin/text_standin.cpp)" % self.src],
            self.problems({"-c {src}/lice/lice_png.cpp": "-c {src}/lice/text_standin/text_standin.cpp"}))

    def test_libpng_by_name_instead_of_the_static_archive(self):
        self.assertEqual(["libpng is not linked as a static archive (libpng16.a)",
                          "libpng is linked as a shared library (-lpng16)"],
                         self.problems({"libpng/libpng16.a": "-lpng16"}))
        self.assertEqual(["libpng is not linked as a static archive (libpng16.a)",
                          "libpng is linked as a shared library (/usr/local/lib/libpng16.16.dylib)",
                          "a path outside the source, build and SDK folders (/usr/local/lib/libpng16.16.dylib)"],
                         self.problems({"libpng/libpng16.a": "/usr/local/lib/libpng16.16.dylib"}))
        # A debug configuration's archive.
        self.assertEqual([], self.problems({"libpng/libpng16.a": "libpng/libpng16d.a"}))

    def test_no_or_another_architecture(self):
        self.assertEqual(["the link is for no architecture (no -arch), expected -arch x86_64 only",
                          "2 of 2 compiles are not for -arch x86_64 only (the first: %s/lice/lice_png.cpp)"
                          % self.src],
                         self.problems({" -arch x86_64": ""}))
        self.assertEqual(["the link is for arm64, expected -arch x86_64 only"],
                         self.problems({"-bundle": "-bundle -arch arm64", ": && /usr/bin/clang++ "
                                        "--target=arm64-apple-macos -arch x86_64": ": && /usr/bin/clang++"}))
        self.assertEqual(["the link is for x86_64+arm64, expected -arch x86_64 only"],
                         self.problems({"-bundle": "-bundle -arch arm64"}))

    def test_gnustep_and_linux_paths(self):
        self.assertEqual(["GNUstep in the build (-I/usr/include/GNUstep)",
                          "a path outside the source, build and SDK folders (/usr/include/GNUstep)"],
                         self.problems({"-I{src}/lice": "-I{src}/lice -I/usr/include/GNUstep"}))
        self.assertEqual(["the link takes a library outside the system's (-lsndfile)",
                          "a path outside the source, build and SDK folders (/usr/lib/x86_64-linux-gnu)"],
                         self.problems({"-lz": "-lz -L/usr/lib/x86_64-linux-gnu -lsndfile"}))
        self.assertEqual(["a path outside the source, build and SDK folders (/usr/src/googletest/include)"],
                         self.problems({"-Wl,-headerpad_max_install_names":
                                        "-Wl,-headerpad_max_install_names,-rpath,/usr/src/googletest/include"}))

    def test_link_kind_frameworks_and_deployment_target(self):
        self.assertEqual(["the module is not linked as a bundle (no -bundle)"],
                         self.problems({"-bundle": "-dynamiclib"}))
        self.assertEqual(["the link lacks the framework(s) CoreText, Carbon"],
                         self.problems({"-framework Carbon": "", "-framework CoreText": ""}))
        self.assertEqual([], self.problems({"-framework Carbon": "-Wl,-framework,Carbon"}))
        self.assertEqual(["the link states no deployment target (-mmacosx-version-min)"],
                         self.problems({" -mmacosx-version-min=10.15 -bundle": " -bundle"}))

    def test_no_exported_symbols_list(self):
        self.assertEqual(["the link hands no exported-symbols list (-exported_symbols_list): "
                          "the bundle would export every symbol"],
                         self.problems({" -Xlinker -exported_symbols_list -Xlinker {src}/V.exports": ""}))
        self.assertEqual([], self.problems({"-Xlinker -exported_symbols_list -Xlinker ":
                                            "-Wl,-exported_symbols_list,"}))

    def test_the_executable_in_a_configuration_folder_or_misnamed(self):
        self.assertEqual(["the executable is linked to V.aaxplugin/Contents/MacOS/Release/V, not to "
                          "V.aaxplugin/Contents/MacOS/V (Info.plist's executable)"],
                         self.problems({"MacOS/V": "MacOS/Release/V"}))
        self.writeInfo("W")
        self.assertEqual(["the executable is linked to V.aaxplugin/Contents/MacOS/V, not to "
                          "V.aaxplugin/Contents/MacOS/W (Info.plist's executable)"], self.problems())

    def test_an_image_not_copied_or_copied_elsewhere(self):
        self.assertEqual(["knob.png is not copied to Contents/Resources/knob.png"],
                         self.problems({"Resources/knob.png": "Resources/knob2.png"}))
        self.assertEqual(["bkg.png is not copied to Contents/Resources/bkg.png"],
                         self.problems({"V.aaxplugin/Contents/Resources/bkg.png": "Resources/bkg.png"}))

    def test_one_link_command(self):
        self.assertEqual(["expected one link command, found 2"], self.problems(LINK))


if __name__ == "__main__":
    CHECKER = sys.argv[1]
    unittest.main(argv=sys.argv[:1] + sys.argv[2:])
