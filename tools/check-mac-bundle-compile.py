#!/usr/bin/python3
"""Compiles the macOS bundle's C and C++ sources for x86_64-apple-macos
against libc++ and checks the objects, on a machine without a macOS SDK.

The sources and their flags come from a configured macOS build folder
(cmake/darwin-configure-only.cmake): the compile commands Ninja lists for the
bundle, with clang's target set to the architecture and deployment target
they name. libc++'s headers are Debian's; glibc's C headers stand in for
Darwin's, with tools/darwin_standin/ covering where the two differ. What this
catches before a Mac does:

  - a source that does not compile against libc++ (a standard header that
    libstdc++ happens to bring in and libc++ does not);
  - an object needing a compiler-runtime symbol that Apple's toolchain does
    not provide (the CPU builtins' ___cpu_model and ___cpu_indicator_init):
    the bundle would not link;
  - an object exporting a symbol that is no entry point (a symbol with
    default visibility): every entry point must be exported, by exactly the
    names of the exported-symbols list the bundle's link hands the linker.
    Weak definitions from libc++'s own class templates (the vtables and type
    information of std::basic_stringbuf and kin) keep the default visibility
    libc++ gives them; they are counted, and that list keeps them in the
    bundle.

Sources that need Apple's frameworks cannot compile here; they are named.
Objective-C++ sources are named as not compiled too.

Usage: check-mac-bundle-compile.py BUILD_DIR [--target T] [--jobs N]
Prints each problem found and exits 1, or what it checked and exits 0.
"""

import argparse
import concurrent.futures
import importlib.util
import os
import re
import shutil
import subprocess
import sys
import sysconfig

HERE = os.path.dirname(os.path.abspath(__file__))
STANDIN = os.path.join(HERE, "darwin_standin")

# Headers of Apple's frameworks and system libraries that no Linux package has.
APPLE_HEADER = re.compile(r"fatal error: '((AppKit|ApplicationServices|Carbon|Cocoa|CoreFoundation|CoreGraphics|"
                          r"CoreText|Foundation|dispatch|objc|mach|libkern)/[^']+)' file not found")
# What compiler runtimes elsewhere define and Apple's does not: the state of
# __builtin_cpu_init and __builtin_cpu_supports.
MISSING_ON_APPLE = {"___cpu_model", "___cpu_features2", "___cpu_indicator_init"}
# A Mach-O name in libc++'s namespace std::__1 (functions, vtables, VTTs,
# construction vtables, type information and its names).
LIBCXX_NAME = re.compile(r"^__Z(T[VTCIS])?NK?St3__1")


def load_build_commands_checker():
    spec = importlib.util.spec_from_file_location("check_mac_build_commands",
                                                  os.path.join(HERE, "check-mac-build-commands.py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


commands_checker = load_build_commands_checker()


def apple_target(command):
    """clang's target for a compile's -arch and -mmacosx-version-min."""
    arches = commands_checker.option_values(command, "-arch")
    versions = [a.split("=", 1)[1] for a in command if a.startswith("-mmacosx-version-min=")]
    return "%s-apple-macos%s" % (arches[0] if arches else "x86_64", versions[0] if versions else "")


def apple_compile(command, object_path, multiarch_include):
    """The compile redone here: the same compiler, flags and source, the
    target made explicit, libc++, then the C headers behind everything
    (after libc++'s, which wrap them). The build's dependency and output
    options are dropped."""
    dropped_with_value = {"-arch", "-MT", "-MF", "-MQ", "-o"}
    kept = []
    index = 1
    while index < len(command):
        argument = command[index]
        if argument in dropped_with_value:
            index += 2
            continue
        if not (argument.startswith("--target=") or argument.startswith("-mmacosx-version-min=")
                or argument in ("-MD", "-MMD", "-c")):
            kept.append(argument)
        index += 1
    source = kept.pop()
    compiler = command[0]
    language = ["-stdlib=libc++"] if compiler.endswith("++") else []
    return ([compiler, "-target", apple_target(command)] + language + kept +
            ["-idirafter", STANDIN, "-idirafter", multiarch_include, "-idirafter", "/usr/include",
             "-c", source, "-o", object_path])


def compile_outcome(returncode, output):
    """('compiled', None), ('apple', framework header) when the first
    diagnostic is a missing header of Apple's, or ('fault', its line): a
    warning counts as a fault, as in every build."""
    for line in output.splitlines():
        if re.search(r"\b(error|warning):", line):
            apple = APPLE_HEADER.search(line)
            if apple and returncode != 0:
                return "apple", apple.group(1)
            return "fault", line.strip()
    if returncode != 0:
        return "fault", "the compiler failed (status %d)" % returncode
    return "compiled", None


def symbols(nm_output):
    """(kind, name) for each symbol of `llvm-nm -m`: kind is 'undefined',
    'exported' (external and visible outside the image), 'libc++' (a weak
    exported definition of libc++'s own), 'hidden' (private external) or
    'local'."""
    found = []
    for line in nm_output.splitlines():
        words = line.split()
        if not words:
            continue
        name = words[-1]
        if "(undefined)" in line:
            found.append(("undefined", name))
        elif "non-external" in line:
            found.append(("local", name))
        elif "private external" in line:
            found.append(("hidden", name))
        elif "weak external" in line and LIBCXX_NAME.match(name):
            found.append(("libc++", name))
        elif "external" in line:
            found.append(("exported", name))
    return found


def object_problems(source, object_symbols, entry_points):
    problems = []
    for kind, name in object_symbols:
        if kind == "undefined" and name in MISSING_ON_APPLE:
            problems.append("%s: needs %s, which Apple's toolchain does not provide "
                            "(a compiler-runtime CPU builtin): the bundle would not link" % (source, name))
        elif kind == "exported" and name not in entry_points:
            problems.append("%s: exports %s, which is no entry point (default visibility)" % (source, name))
    return problems


def entry_point_problems(defined, entry_points):
    """Each entry point must be defined and exported by some object."""
    problems = []
    for name in sorted(entry_points):
        kinds = defined.get(name, set())
        if "exported" not in kinds:
            problems.append("the entry point %s is %s" % (
                name, "hidden (not exported)" if kinds else "defined by no object compiled"))
    return problems


def read_exported_symbols_list(path):
    with open(path, encoding="utf-8") as f:
        return {line.strip() for line in f if line.strip() and not line.lstrip().startswith("#")}


def find_tool(*names):
    for name in names:
        path = shutil.which(name)
        if path:
            return path
    raise RuntimeError("none of %s found" % ", ".join(names))


def main():
    parser = argparse.ArgumentParser(description="Compiles the macOS bundle's sources for Apple and checks them.")
    parser.add_argument("build_dir")
    parser.add_argument("--target", default="VimbraOndelino_aax")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 4)
    args = parser.parse_args()
    build_dir = os.path.abspath(args.build_dir)
    cache = commands_checker.read_cache(build_dir)
    source_dir = os.path.normpath(cache["CMAKE_HOME_DIRECTORY"])
    commands = commands_checker.BuildCommands(
        commands_checker.ninja_commands(build_dir, "build.ninja", args.target), build_dir)
    if len(commands.links) != 1:
        print("%s: expected one link command of %s" % (args.build_dir, args.target), file=sys.stderr)
        return 1
    exports = commands_checker.exported_symbols_list(commands.links[0])
    if exports is None:
        print("%s: the bundle's link hands no exported-symbols list" % args.build_dir, file=sys.stderr)
        return 1
    entry_points = read_exported_symbols_list(os.path.join(build_dir, exports))
    nm = find_tool("llvm-nm", "llvm-nm-14")
    multiarch_include = os.path.join("/usr/include", sysconfig.get_config_var("MULTIARCH") or "x86_64-linux-gnu")
    out_dir = os.path.join(build_dir, "apple-objects")
    os.makedirs(out_dir, exist_ok=True)

    def shown(path):
        return os.path.relpath(path, source_dir) if path.startswith(source_dir + os.sep) else path

    def check(index_and_command):
        index, command = index_and_command
        source = command[-1]
        object_path = os.path.join(out_dir, "%03d-%s.o" % (index, os.path.basename(source)))
        run = subprocess.run(apple_compile(command, object_path, multiarch_include), cwd=build_dir,
                             capture_output=True, text=True)
        outcome, detail = compile_outcome(run.returncode, (run.stdout + run.stderr).replace(source_dir + os.sep, ""))
        found = []
        if outcome == "compiled":
            listing = subprocess.run([nm, "-m", object_path], capture_output=True, text=True, check=True)
            found = symbols(listing.stdout)
        return shown(source), outcome, detail, found

    sources = [c for c in commands.compiles if not c[-1].endswith((".mm", ".m"))]
    objective = [shown(c[-1]) for c in commands.compiles if c[-1].endswith((".mm", ".m"))]
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        results = list(pool.map(check, enumerate(sources)))

    problems = []
    needs_apple = []
    defined = {}
    libcxx = set()
    compiled = 0
    for source, outcome, detail, found in results:
        if outcome == "apple":
            needs_apple.append("%s (%s)" % (source, detail))
        elif outcome == "fault":
            problems.append("%s: does not compile for Apple against libc++: %s" % (source, detail))
        else:
            compiled += 1
            problems.extend(object_problems(source, found, entry_points))
            for kind, name in found:
                if kind in ("exported", "hidden"):
                    defined.setdefault(name, set()).add(kind)
                elif kind == "libc++":
                    libcxx.add(name)
    if compiled + len(needs_apple) == len(sources):
        problems.extend(entry_point_problems(defined, entry_points))

    target = apple_target(sources[0]) if sources else "?"
    print("%d of %d C and C++ sources of the bundle compiled for %s against libc++" % (
        compiled, len(sources), target))
    for source in needs_apple:
        print("  not compiled, needs Apple's headers: %s" % source)
    for source in objective:
        print("  not compiled, Objective-C++: %s" % source)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        return 1
    print("objects: no compiler-runtime CPU symbol; exported only the %d entry points of %s "
          "(and %d weak definitions of libc++'s templates, which that list keeps in the bundle)" % (
              len(entry_points), shown(os.path.join(build_dir, exports)), len(libcxx)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
