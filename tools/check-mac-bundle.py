#!/usr/bin/python3
"""Checks a built macOS plug-in bundle against the layout macOS loads:

  Name.ext/Contents/Info.plist         an XML property list describing it
  Name.ext/Contents/MacOS/Name         the executable
  Name.ext/Contents/Resources/*.png    the editor's images

The property list must name the identifier given, the executable "Name",
a bundle name, the package type BNDL, the version given (short version
string) and a build version. With --images, every PNG file of that folder
must be in Contents/Resources/ with the same bytes. No macOS tool is used:
the property list's XML is parsed here.

Usage: check-mac-bundle.py BUNDLE --identifier ID --version X.Y.Z [--images DIR]
Prints each problem found and exits 1, or says the bundle is sound and exits 0.
"""

import argparse
import os
import plistlib
import sys
import xml.parsers.expat

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def read_info(path, problems):
    """The property list at path as a dict, or None (with the problem said)."""
    try:
        with open(path, "rb") as f:
            info = plistlib.load(f, fmt=plistlib.FMT_XML)
    except FileNotFoundError:
        problems.append("no Contents/Info.plist")
        return None
    except (OSError, ValueError, xml.parsers.expat.ExpatError) as e:
        problems.append("Contents/Info.plist is not an XML property list (%s)" % e)
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


def check_executable(contents, name, problems):
    path = os.path.join(contents, "MacOS", name)
    if not os.path.isfile(path):
        problems.append("no executable at Contents/MacOS/%s" % name)
    elif not os.access(path, os.X_OK):
        problems.append("Contents/MacOS/%s is not executable" % name)


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


def check_bundle(bundle, identifier, version, image_folder):
    """The problems found in the bundle, an empty list when it is sound."""
    bundle = bundle.rstrip("/")
    name, extension = os.path.splitext(os.path.basename(bundle))
    if not os.path.isdir(bundle):
        return ["%s is not a folder" % bundle]
    if not extension:
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
    check_executable(contents, name, problems)
    if image_folder:
        check_images(contents, image_folder, problems)
    return problems


def main():
    parser = argparse.ArgumentParser(description="Checks a macOS plug-in bundle's layout.")
    parser.add_argument("bundle")
    parser.add_argument("--identifier", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--images", help="folder whose PNG files the bundle must hold")
    args = parser.parse_args()
    problems = check_bundle(args.bundle, args.identifier, args.version, args.images)
    for problem in problems:
        print("%s: %s" % (args.bundle, problem), file=sys.stderr)
    if problems:
        return 1
    print("%s: a sound macOS bundle" % args.bundle)
    return 0


if __name__ == "__main__":
    sys.exit(main())
