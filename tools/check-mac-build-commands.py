#!/usr/bin/python3
"""Checks the commands a configured macOS build folder (Ninja or Ninja
Multi-Config) would run to make the AAX bundle, without running them: what
can be checked where no macOS SDK exists (cmake/darwin-configure-only.cmake).

  - the module is linked as a bundle (-bundle) for x86_64 only (-arch
    x86_64 in the link and in every compile), with a deployment target;
  - it links the AppKit, CoreGraphics, CoreText, CoreFoundation and Carbon
    frameworks, libpng as a static archive, and no other library than the
    system's;
  - the link hands the linker an exported-symbols list, so that only the
    entry points leave the bundle;
  - no compile or link names GNUstep, a stand-in (a Linux stand-in for the
    frameworks, GNUstep or the editor's glyph source), or a path outside the
    source, build and SDK folders;
  - the executable lands at Contents/MacOS/<name>, the name that
    Contents/Info.plist gives, in every configuration;
  - every PNG image of the plug-in is copied to Contents/Resources/.

Usage: check-mac-build-commands.py BUILD_DIR [--target T] [--images DIR]
Prints each problem found and exits 1, or what it checked and exits 0.
"""

import argparse
import os
import plistlib
import re
import shlex
import subprocess
import sys

ARCHITECTURE = "x86_64"
FRAMEWORKS = ("AppKit", "CoreGraphics", "CoreText", "CoreFoundation", "Carbon")
# Libraries every macOS SDK has, linked by name.
SYSTEM_LIBRARIES = {"z", "c", "c++", "m", "objc", "System", "pthread", "dl"}
STATIC_LIBPNG = re.compile(r"(^|/)libpng[0-9]*d?\.a$")
SHARED_LIBPNG = re.compile(r"^-lpng|(^|/)libpng[^/]*\.(dylib|so|tbd)(\.|$)")


def read_cache(build_dir):
    """The build folder's CMake cache entries as a dict."""
    entries = {}
    with open(os.path.join(build_dir, "CMakeCache.txt"), encoding="utf-8") as f:
        for line in f:
            match = re.match(r"^([^#/][^:]*):[A-Z]+=(.*)$", line.rstrip("\n"))
            if match:
                entries[match.group(1)] = match.group(2)
    return entries


def split_commands(text):
    """Each command line's sub-commands (split at &&) as argument lists."""
    commands = []
    for line in text.splitlines():
        try:
            words = shlex.split(line)
        except ValueError:
            words = line.split()
        current = []
        for word in words + ["&&"]:
            if word in ("&&", ";"):
                if current and current != [":"]:
                    commands.append(current)
                current = []
            else:
                current.append(word)
    return commands


def is_compiler(command):
    name = os.path.basename(command[0])
    return re.match(r"^(clang|gcc|g)\+*(-[0-9.]+)?$|^c\+\+$|^cc$", name) is not None


def absolute_paths(argument):
    """The absolute paths an argument names: itself, or after an option's
    letters (-I/x), an equals sign or commas (-Wl,-rpath,/x)."""
    paths = []
    for piece in re.split(r"[,=]", argument):
        match = re.match(r"^(?:-[A-Za-z_]+)?(/.*)$", piece)
        if match:
            paths.append(match.group(1))
    return paths


def inside(path, folders):
    path = os.path.normpath(path)
    return any(path == f or path.startswith(f + os.sep) for f in folders)


def option_values(arguments, option):
    return [arguments[i + 1] for i, a in enumerate(arguments[:-1]) if a == option]


def linker_arguments(link):
    """What a compiler driver's link hands on to the linker (-Wl,a,b and
    -Xlinker a)."""
    passed = []
    index = 0
    while index < len(link):
        argument = link[index]
        if argument.startswith("-Wl,"):
            passed.extend(argument.split(",")[1:])
        elif argument == "-Xlinker" and index + 1 < len(link):
            index += 1
            passed.append(link[index])
        index += 1
    return passed


def exported_symbols_list(link):
    """The exported-symbols list a link hands the linker, or None."""
    files = option_values(linker_arguments(link), "-exported_symbols_list")
    return files[0] if files else None


class BuildCommands:
    """The compile, link and copy commands of one configuration."""

    def __init__(self, text, build_dir):
        self.build_dir = build_dir
        commands = split_commands(text)
        tools = [c for c in commands if is_compiler(c)]
        self.compiles = [c for c in tools if "-c" in c]
        self.links = [c for c in tools if "-c" not in c]
        self.copies = [c for c in commands if len(c) >= 4 and c[1] == "-E" and c[2].startswith("copy")]

    def absolute(self, path):
        return os.path.normpath(os.path.join(self.build_dir, path))


def check_link(commands, problems):
    """The one link command's arguments (after the compiler), or None."""
    if len(commands.links) != 1:
        problems.append("expected one link command, found %d" % len(commands.links))
        return None
    link = commands.links[0][1:]
    if "-bundle" not in link:
        problems.append("the module is not linked as a bundle (no -bundle)")
    arches = option_values(link, "-arch")
    if arches != [ARCHITECTURE]:
        problems.append("the link is for %s, expected -arch %s only" %
                        ("+".join(arches) if arches else "no architecture (no -arch)", ARCHITECTURE))
    if not any(a.startswith("-mmacosx-version-min=") for a in link):
        problems.append("the link states no deployment target (-mmacosx-version-min)")
    if exported_symbols_list(link) is None:
        problems.append("the link hands no exported-symbols list (-exported_symbols_list): "
                        "the bundle would export every symbol")
    frameworks = option_values(link, "-framework")
    frameworks += [a.split(",")[-1] for a in link if a.startswith("-Wl,-framework,")]
    missing = [f for f in FRAMEWORKS if f not in frameworks]
    if missing:
        problems.append("the link lacks the framework(s) %s" % ", ".join(missing))
    if not any(STATIC_LIBPNG.search(a) for a in link):
        problems.append("libpng is not linked as a static archive (libpng16.a)")
    for argument in link:
        if SHARED_LIBPNG.search(argument):
            problems.append("libpng is linked as a shared library (%s)" % argument)
        elif argument.startswith("-l") and argument[2:] not in SYSTEM_LIBRARIES:
            problems.append("the link takes a library outside the system's (%s)" % argument)
    return link


def check_compiles(commands, problems):
    without = [c for c in commands.compiles if option_values(c, "-arch") != [ARCHITECTURE]]
    if not commands.compiles:
        problems.append("no compile commands")
    elif without:
        problems.append("%d of %d compiles are not for -arch %s only (the first: %s)" % (
            len(without), len(commands.compiles), ARCHITECTURE, without[0][-1]))


def check_foreign_things(commands, allowed_folders, problems):
    """GNUstep, stand-ins and outside paths in any compile or link. Names
    are looked for below the allowed folders only (wherever the tree lies),
    and not in a compile's outputs, which repeat its source's name."""
    said = set()
    roots = sorted(allowed_folders, key=len, reverse=True)
    for command in commands.compiles + commands.links:
        outputs = {i + 1 for i, a in enumerate(command) if a in ("-o", "-MT", "-MF", "-MQ")}
        for index, argument in enumerate(command):
            if index == 0 or (index in outputs and "-c" in command):
                continue
            inner = argument
            for root in roots:
                inner = inner.replace(root + os.sep, os.sep)
            lowered = inner.lower()
            if "gnustep" in lowered:
                said.add("GNUstep in the build (%s)" % argument)
            elif "standin" in lowered.replace("_", "").replace("-", ""):
                said.add("a stand-in in the build (%s)" % argument)
            for path in absolute_paths(argument):
                if not inside(path, allowed_folders):
                    said.add("a path outside the source, build and SDK folders (%s)" % path)
    problems.extend(sorted(said))


def check_placement(commands, link, bundle, problems):
    """The executable's place against the bundle's Info.plist."""
    outputs = option_values(link, "-o")
    if len(outputs) != 1:
        problems.append("the link names no single output (-o)")
        return
    output = commands.absolute(outputs[0])
    info_path = os.path.join(bundle, "Contents", "Info.plist")
    try:
        with open(info_path, "rb") as f:
            executable = plistlib.load(f).get("CFBundleExecutable")
    except (OSError, ValueError) as e:
        problems.append("no readable Contents/Info.plist in %s (%s)" % (bundle, e))
        return
    expected = os.path.join(bundle, "Contents", "MacOS", str(executable))
    if output != expected:
        problems.append("the executable is linked to %s, not to %s (Info.plist's executable)" % (
            os.path.relpath(output, commands.build_dir), os.path.relpath(expected, commands.build_dir)))


def check_images(commands, bundle, image_folder, problems):
    images = sorted(f for f in os.listdir(image_folder) if f.lower().endswith(".png"))
    if not images:
        problems.append("no PNG images in %s" % image_folder)
    copies = {(os.path.normpath(c[-2]), commands.absolute(c[-1])) for c in commands.copies}
    for image in images:
        source = os.path.normpath(os.path.join(image_folder, image))
        if (source, os.path.join(bundle, "Contents", "Resources", image)) not in copies:
            problems.append("%s is not copied to Contents/Resources/%s" % (image, image))
    return len(images)


def check_configuration(text, build_dir, cache, image_folder):
    """The problems of one configuration's commands, and the images counted."""
    commands = BuildCommands(text, build_dir)
    source_dir = os.path.normpath(cache["CMAKE_HOME_DIRECTORY"])
    bundle = os.path.normpath(cache["VO_AAX_BUNDLE"])
    allowed = [source_dir, os.path.normpath(build_dir)]
    for folder in ("CMAKE_OSX_SYSROOT", "VO_LIBPNG_SOURCE_DIR"):
        if cache.get(folder, "").startswith("/"):
            allowed.append(os.path.normpath(cache[folder]))
    problems = []
    link = check_link(commands, problems)
    check_compiles(commands, problems)
    check_foreign_things(commands, allowed, problems)
    if link is not None:
        check_placement(commands, link, bundle, problems)
    images = check_images(commands, bundle, image_folder, problems)
    return problems, images


def ninja_commands(build_dir, ninja_file, target):
    run = subprocess.run(["ninja", "-C", build_dir, "-f", ninja_file, "-t", "commands", target],
                         capture_output=True, text=True)
    if run.returncode != 0:
        raise RuntimeError("ninja -t commands %s failed: %s" % (target, run.stdout + run.stderr))
    return run.stdout


def main():
    parser = argparse.ArgumentParser(description="Checks a configured macOS build's bundle commands.")
    parser.add_argument("build_dir")
    parser.add_argument("--target", default="VimbraOndelino_aax")
    parser.add_argument("--images", help="the plug-in's image folder (default: the source tree's)")
    args = parser.parse_args()
    build_dir = os.path.abspath(args.build_dir)
    cache = read_cache(build_dir)
    if "CMAKE_OSX_SYSROOT" not in cache or "VO_AAX_BUNDLE" not in cache:
        print("%s: not a macOS build folder with the AAX bundle" % args.build_dir, file=sys.stderr)
        return 1
    image_folder = args.images or os.path.join(cache["CMAKE_HOME_DIRECTORY"], "plugin", "resources", "img")
    # A multi-configuration folder has one file of commands per configuration.
    configurations = [c for c in cache.get("CMAKE_CONFIGURATION_TYPES", "").split(";") if c]
    files = [("build-%s.ninja" % c, c) for c in configurations] or [("build.ninja", None)]
    failed = False
    for ninja_file, configuration in files:
        where = args.build_dir + (" (%s)" % configuration if configuration else "")
        problems, images = check_configuration(ninja_commands(build_dir, ninja_file, args.target),
                                               build_dir, cache, image_folder)
        for problem in problems:
            print("%s: %s" % (where, problem), file=sys.stderr)
        if problems:
            failed = True
        else:
            print("%s: the bundle is linked for %s with %s, libpng static, its exports listed, "
                  "%d images copied" % (where, ARCHITECTURE, ", ".join(FRAMEWORKS), images))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
