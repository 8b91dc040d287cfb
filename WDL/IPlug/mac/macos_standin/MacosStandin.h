#pragma once
// Test control of the Linux stand-in for CoreGraphics, CoreText and
// CoreFoundation: live-object counts, the call recorder, font faces and
// failure injection, and the stand-in values of the platform's Foundation.
//
// Rules the stand-in follows, so that tests can compute exact pixels:
// - A font's ascent, descent, leading and advance are its face's values per
//   point times its size. Unknown and empty names give the default face.
// - A line's width is its character count times the advance; a frame makes
//   one line per line feed-separated part (a final empty part makes none).
// - CTLineDraw draws each character above 0x20 as an ink box from the pen
//   position to pen + advance and from the baseline up to the ascent, in text
//   space, mapped through the text matrix (whose translation is the text
//   position) and then the CTM to device space. From U+0080 the box reaches
//   only 1 - (code mod 4) / 8 of the ascent, so that such codes tell apart.
//   The colour is the line's foreground colour attribute, black without one.
// - Fills and ink boxes cover a pixel by their area within it, intersected
//   with the clip; without anti-aliasing a pixel is covered fully when that
//   area is at least one half, else not at all. A covered pixel's red, green
//   and blue move towards the colour by coverage x colour alpha; the skipped
//   first byte is never written.
// All functions here are thread-safe.

#include <CoreText/CoreText.h>

#include <string>
#include <vector>

enum class StandinType
{
  String,
  Dictionary,
  AttributedString,
  Array,
  Font,
  Line,
  Framesetter,
  Frame,
  Path,
  Color,
  ColorSpace,
  Context,
  Image,
  DataProvider,
  Count
};

// Objects of the type now alive (the attribute-name constants are not).
long StandinLiveCount(StandinType type);

// One recorded call: the function's name, its numeric arguments in order
// (booleans and pointers-to-numbers spelled out) and its text argument.
struct StandinCall
{
  std::string name;
  std::vector<double> numbers;
  std::string text;
};
std::vector<StandinCall> StandinRecordedCalls();
// Calls of that name since the last clear.
size_t StandinCallCount(const char* name);
void StandinClearCalls();

// Metrics per point of font size.
struct StandinFace
{
  double ascent = 0.75;
  double descent = 0.25;
  double leading = 0.0;
  double advance = 0.5;
  std::string postScriptName = "StandinSans";
};
// Makes a face known under a name (replacing any earlier one); it is then
// found by that name and by its PostScript name. Installed faces are also
// what the platform's font lookup by name finds.
void StandinRegisterFace(const std::string& name, const StandinFace& face);
bool StandinFaceIsRegistered(const std::string& name);
void StandinForgetFaces();
// While set, CTFontCreateWithName answers null.
void StandinSetFontCreationFails(bool fails);
// While set, CGBitmapContextCreate answers null.
void StandinSetContextCreationFails(bool fails);

// The version number the stand-in Foundation reports (default 1000).
void StandinSetFoundationVersion(double version);
double StandinFoundationVersion();

// The answer of the next alerts (kCFUserNotification...Response); default
// kCFUserNotificationDefaultResponse.
void StandinScriptAlertResponse(unsigned long response);
// The main display's height in pixels (default 900), whether it has a colour
// space of its own (default yes) and whether the cursor is hidden now.
void StandinSetDisplayHeight(size_t pixels);
void StandinSetDisplayHasColorSpace(bool has);
bool StandinCursorHidden();

// The text of a stand-in string (UTF-8); empty for null.
std::string StandinStringText(CFStringRef text);
