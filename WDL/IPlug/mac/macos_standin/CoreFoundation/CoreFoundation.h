#pragma once
// Linux stand-in for the CoreFoundation calls of the macOS drawing emulation:
// reference-counted strings, dictionaries, attributed strings and arrays.
// Written from what the emulation needs of them; every object is counted
// while alive and every call is recorded (see MacosStandin.h).
//
// Thread-safe like the platform's: reference counts are atomic, objects are
// immutable after creation.

#include <cstdint>

typedef unsigned char Boolean;
typedef long CFIndex;
typedef uint32_t CFStringEncoding;
typedef const void* CFTypeRef;
typedef const struct StandinAllocator* CFAllocatorRef;
typedef const struct StandinString* CFStringRef;
typedef const struct StandinDictionary* CFDictionaryRef;
typedef const struct StandinAttributedString* CFAttributedStringRef;
typedef const struct StandinArray* CFArrayRef;

struct CFRange
{
  CFIndex location;
  CFIndex length;
};

typedef unsigned long CFOptionFlags;
typedef double CFTimeInterval;
typedef const struct StandinURL* CFURLRef;

enum : CFStringEncoding
{
  kCFStringEncodingMacRoman = 0,
  kCFStringEncodingASCII = 0x0600,
  kCFStringEncodingUTF8 = 0x08000100
};

#define kCFAllocatorDefault (static_cast<CFAllocatorRef>(nullptr))

// Dictionary callbacks: the stand-in's dictionaries retain keys and values
// when these are given.
struct CFDictionaryKeyCallBacks
{
  int retainsKeys;
};
struct CFDictionaryValueCallBacks
{
  int retainsValues;
};

extern "C" {
extern const CFDictionaryKeyCallBacks kCFTypeDictionaryKeyCallBacks;
extern const CFDictionaryValueCallBacks kCFTypeDictionaryValueCallBacks;

// Null when the bytes are not valid in the encoding (malformed UTF-8; any
// byte of 0x80 or above in ASCII) or the encoding is not one of the two.
CFStringRef CFStringCreateWithCString(CFAllocatorRef allocator, const char* text, CFStringEncoding encoding);
// Mac Roman keeps bytes below 0x80 as they are; the stand-in reads the
// upper half as the first 128 code points after U+007F. The bytes are copied
// all the same (the deallocator argument must be kCFAllocatorNull or null).
CFStringRef CFStringCreateWithCStringNoCopy(CFAllocatorRef allocator, const char* text, CFStringEncoding encoding,
                                            CFAllocatorRef deallocator);
#define kCFAllocatorNull (static_cast<CFAllocatorRef>(nullptr))

// The alert answers what a test scripted (StandinScriptAlertResponse); it is
// recorded with its flags and the header and message texts joined by "|".
enum : CFOptionFlags
{
  kCFUserNotificationNoteAlertLevel = 1,
  kCFUserNotificationDefaultResponse = 0,
  kCFUserNotificationAlternateResponse = 1,
  kCFUserNotificationOtherResponse = 2,
  kCFUserNotificationCancelResponse = 3
};
int32_t CFUserNotificationDisplayAlert(CFTimeInterval timeout, CFOptionFlags flags, CFURLRef iconURL,
                                       CFURLRef soundURL, CFURLRef localizationURL, CFStringRef alertHeader,
                                       CFStringRef alertMessage, CFStringRef defaultButtonTitle,
                                       CFStringRef alternateButtonTitle, CFStringRef otherButtonTitle,
                                       CFOptionFlags* responseFlags);

CFTypeRef CFRetain(CFTypeRef object);
void CFRelease(CFTypeRef object);
CFDictionaryRef CFDictionaryCreate(CFAllocatorRef allocator, const void** keys, const void** values, CFIndex count,
                                   const CFDictionaryKeyCallBacks* keyCallBacks,
                                   const CFDictionaryValueCallBacks* valueCallBacks);
CFAttributedStringRef CFAttributedStringCreate(CFAllocatorRef allocator, CFStringRef text, CFDictionaryRef attributes);
CFIndex CFArrayGetCount(CFArrayRef array);
const void* CFArrayGetValueAtIndex(CFArrayRef array, CFIndex index);
CFRange CFRangeMake(CFIndex location, CFIndex length);
}
