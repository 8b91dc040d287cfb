#pragma once
// The three things the drawing emulation asks of the platform's Objective-C
// side: the system label font, the PostScript name of an installed font and
// the Foundation version. One definition for macOS (an Objective-C++ file),
// one on the Linux stand-in.

#include <CoreText/CoreText.h>

// The system label font of the size, retained (the caller releases it), or
// null. Any thread.
CTFontRef GDIEmu_CreateLabelFont(CGFloat size);
// The PostScript name of the installed font called name (looked up at size
// 10), retained, or null when there is no such font. Any thread.
CFStringRef GDIEmu_CopyPostScriptName(CFStringRef name);
// The version number of the Foundation framework. Any thread.
double GDIEmu_FoundationVersion();
