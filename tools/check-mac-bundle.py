#!/usr/bin/python3
"""Checks a built macOS plug-in bundle against the layout macOS loads:

  Name.ext/Contents/Info.plist         a property list describing it
  Name.ext/Contents/MacOS/Name         the executable
  Name.ext/Contents/Resources/*.png    the editor's images

The executable is named after the bundle folder less its last extension
(Vimbra.Ondelino.aaxplugin holds Vimbra.Ondelino), as the build names it.
The property list (XML or binary, as macOS reads both) must name the
identifier given, that executable, a bundle name, the package type BNDL,
the version given (short version string) and a build version. The
executable must be a file of the kind the build makes (--kind):
  macho-ARCH[+ARCH...]  a 64-bit Mach-O bundle with exactly these
                        architectures (x86_64, arm64): a Mac build
  elf-ARCH              a 64-bit ELF shared object (x86_64, arm64): the
                        macOS form built on Linux
With --images, every PNG file of that folder must be in Contents/Resources/
with the same bytes. No macOS tool is used.

Usage: check-mac-bundle.py BUNDLE --identifier ID --version X.Y.Z --kind KIND [--images DIR]
Prints each problem found and exits 1, or says the bundle is sound and exits 0.
"""

import argparse
import os
import plistlib
import struct
import sys
import xml.parsers.expat

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"

# Architecture names as the build gives them, to one name each.
ARCHITECTURES = {"x86_64": "x86_64", "amd64": "x86_64", "arm64": "arm64", "aarch64": "arm64"}
MACHO_CPU_TYPES = {0x01000007: "x86_64", 0x0100000C: "arm64"}
ELF_MACHINES = {62: "x86_64", 183: "arm64"}
MACHO_BUNDLE = 8  # MH_BUNDLE, what a loadable plug-in is
ELF_SHARED_OBJECT = 3  # ET_DYN


def executable_name(bundle):
    """The executable's name in the bundle folder: the folder's name less
    its last extension, or None when it has no extension."""
    name, extension = os.path.splitext(os.path.basename(bundle.rstrip("/")))
    return name if extension and name else None


def parse_kind(kind):
    """("macho" or "elf", sorted architectures) for a --kind value, or None."""
    form, _, arches = kind.partition("-")
    names = arches.split("+") if arches else []
    if form not in ("macho", "elf") or not names or any(a.lower() not in ARCHITECTURES for a in names):
        return None
    if form == "elf" and len(names) != 1:
        return None
    return form, sorted(ARCHITECTURES[a.lower()] for a in names)


def describe_macho(data):
    """The Mach-O file's (word size, file types, architectures) or None.
    A universal file lists its slices."""
    if len(data) < 16:
        return None
    magic = data[:4]
    if magic in (b"\xcf\xfa\xed\xfe", b"\xce\xfa\xed\xfe"):
        bits = 64 if magic[0] == 0xCF else 32
        cpu, _, filetype = struct.unpack_from("<III", data, 4)
        return bits, {filetype}, [MACHO_CPU_TYPES.get(cpu, "cpu %#x" % cpu)]
    if magic in (b"\xca\xfe\xba\xbe", b"\xca\xfe\xba\xbf"):
        entry_size = 20 if magic[3] == 0xBE else 32
        (count,) = struct.unpack_from(">I", data, 4)
        if count == 0 or 8 + count * entry_size > len(data):
            return None
        arches, filetypes, bits = [], set(), 64
        for i in range(count):
            entry = 8 + i * entry_size
            cpu = struct.unpack_from(">I", data, entry)[0]
            offset = (struct.unpack_from(">I", data, entry + 8)[0] if entry_size == 20
                      else struct.unpack_from(">Q", data, entry + 8)[0])
            slice_info = describe_macho(data[offset:offset + 16])
            if slice_info is None or MACHO_CPU_TYPES.get(cpu) is None:
                return None
            bits = min(bits, slice_info[0])
            filetypes |= slice_info[1]
            arches.append(MACHO_CPU_TYPES[cpu])
        return bits, filetypes, arches
    return None


def describe_elf(data):
    """The ELF file's (word size, file type, architecture) or None."""
    if len(data) < 20 or data[:4] != b"\x7fELF" or data[5] != 1:
        return None
    bits = 64 if data[4] == 2 else 32
    filetype, machine = struct.unpack_from("<HH", data, 16)
    return bits, filetype, ELF_MACHINES.get(machine, "machine %d" % machine)


def executable_problem(data, kind):
    """What is wrong with the executable's bytes for the kind wanted, or None."""
    form, arches = kind
    if not data:
        return "is empty"
    wanted = "+".join(arches)
    macho, elf = describe_macho(data), describe_elf(data)
    if form == "macho":
        if macho is None:
            return "is %s, expected a Mach-O bundle for %s" % (
                "an ELF file" if elf else "not a Mach-O file", wanted)
        bits, filetypes, found = macho
        if bits != 64:
            return "is a 32-bit Mach-O file, expected 64-bit for %s" % wanted
        if sorted(found) != arches:
            return "is a Mach-O file for %s, expected %s" % ("+".join(found), wanted)
        if filetypes != {MACHO_BUNDLE}:
            return "is a Mach-O file of type %s, expected a bundle (%d)" % (
                "/".join(str(t) for t in sorted(filetypes)), MACHO_BUNDLE)
        return None
    if elf is None:
        return "is %s, expected an ELF shared object for %s" % (
            "a Mach-O file" if macho else "not an ELF file", wanted)
    bits, filetype, found = elf
    if bits != 64:
        return "is a 32-bit ELF file, expected 64-bit for %s" % wanted
    if found != wanted:
        return "is an ELF file for %s, expected %s" % (found, wanted)
    if filetype != ELF_SHARED_OBJECT:
        return "is an ELF file of type %d, expected a shared object (%d)" % (filetype, ELF_SHARED_OBJECT)
    return None


def read_info(path, problems):
    """The property list at path as a dict, or None (with the problem said)."""
    try:
        with open(path, "rb") as f:
            info = plistlib.load(f)
    except FileNotFoundError:
        problems.append("no Contents/Info.plist")
        return None
    except (OSError, ValueError, xml.parsers.expat.ExpatError) as e:
        problems.append("Contents/Info.plist is neither an XML nor a binary property list (%s)" % e)
        return None
    if not isinstance(info, dict):
        problems.append("Contents/Info.plist does not hold a dictionary")
        return None
    return info


def check_info(info, expected, problems):
    for key, value in expected.items():
        actual = info.get(key)
        if not isinstance(actual, str) or not actual:
            problems.append("Info.plist: no %s" % key)
        elif value is not None and actual != value:
            problems.append("Info.plist: %s is %r, expected %r" % (key, actual, value))


def check_executable(contents, name, kind, problems):
    path = os.path.join(contents, "MacOS", name)
    if not os.path.isfile(path):
        problems.append("no executable at Contents/MacOS/%s" % name)
        return
    if not os.access(path, os.X_OK):
        problems.append("Contents/MacOS/%s is not executable" % name)
    with open(path, "rb") as f:
        data = f.read()
    problem = executable_problem(data, kind)
    if problem:
        problems.append("Contents/MacOS/%s %s" % (name, problem))


def check_images(contents, source, problems):
    resources = os.path.join(contents, "Resources")
    images = sorted(f for f in os.listdir(source) if f.lower().endswith(".png"))
    if not images:
        problems.append("no PNG images in %s" % source)
    for image in images:
        path = os.path.join(resources, image)
        if not os.path.isfile(path):
            problems.append("no image Contents/Resources/%s" % image)
            continue
        with open(path, "rb") as built, open(os.path.join(source, image), "rb") as original:
            data = built.read()
            if not data.startswith(PNG_SIGNATURE):
                problems.append("Contents/Resources/%s is not a PNG file" % image)
            elif data != original.read():
                problems.append("Contents/Resources/%s differs from %s" % (image, source))


def check_bundle(bundle, identifier, version, kind, image_folder):
    """The problems found in the bundle, an empty list when it is sound."""
    bundle = bundle.rstrip("/")
    if not os.path.isdir(bundle):
        return ["%s is not a folder" % bundle]
    name = executable_name(bundle)
    if name is None:
        return ["%s has no bundle extension" % bundle]
    problems = []
    contents = os.path.join(bundle, "Contents")
    info = read_info(os.path.join(contents, "Info.plist"), problems)
    if info is not None:
        check_info(info, {
            "CFBundleIdentifier": identifier,
            "CFBundleExecutable": name,
            "CFBundleName": None,
            "CFBundlePackageType": "BNDL",
            "CFBundleShortVersionString": version,
            "CFBundleVersion": None,
        }, problems)
    check_executable(contents, name, kind, problems)
    if image_folder:
        check_images(contents, image_folder, problems)
    return problems


def main():
    parser = argparse.ArgumentParser(description="Checks a macOS plug-in bundle's layout.")
    parser.add_argument("bundle")
    parser.add_argument("--identifier", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--kind", required=True,
                        help="the executable's kind: macho-ARCH[+ARCH...] or elf-ARCH")
    parser.add_argument("--images", help="folder whose PNG files the bundle must hold")
    args = parser.parse_args()
    kind = parse_kind(args.kind)
    if kind is None:
        parser.error("unknown executable kind %r" % args.kind)
    problems = check_bundle(args.bundle, args.identifier, args.version, kind, args.images)
    for problem in problems:
        print("%s: %s" % (args.bundle, problem), file=sys.stderr)
    if problems:
        return 1
    print("%s: a sound macOS bundle" % args.bundle)
    return 0


if __name__ == "__main__":
    sys.exit(main())
