// Stand-in for what Darwin's C headers do differently from glibc's, for
// tools/check-mac-bundle-compile.py, which compiles the macOS bundle's sources
// for x86_64-apple-macos against libc++ with glibc's C headers behind it.
// Never part of a build.
//
// - Darwin's headers declare POSIX and BSD functions in every language mode;
//   glibc's only when asked (g++ and clang ask for them on Linux, a Darwin
//   target does not).
// - Darwin's character classes are functions: glibc's *_l macros would
//   dereference the null C locale that libc++ passes on Darwin.
// - clang predefines __nonnull as a nullability qualifier for Darwin targets;
//   glibc's headers use the name for an attribute macro with arguments.
#ifndef DARWIN_STANDIN_FEATURES_H
#define DARWIN_STANDIN_FEATURES_H
#define _DEFAULT_SOURCE 1
#define __NO_CTYPE 1
#undef __nonnull
#endif
#include_next <features.h>
