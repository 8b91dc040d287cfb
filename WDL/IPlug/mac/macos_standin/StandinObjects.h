#pragma once
// The stand-in's objects. Every object derives from StandinObject, so the
// generic retain and release work on all of them, as they do on the
// platform; creation and destruction move the live count of its type.

#include "MacosStandin.h"

#include <atomic>
#include <string>
#include <vector>

struct StandinObject
{
  // Uncounted objects are the stand-in's constants.
  explicit StandinObject(StandinType type, bool counted = true);
  virtual ~StandinObject();
  StandinObject(const StandinObject&) = delete;
  StandinObject& operator=(const StandinObject&) = delete;

  const StandinType type;
  std::atomic<long> references{1};
  const bool counted;
  bool immortal = false;  // constants: retain and release do nothing
};

// Retain and release for the stand-in's own bookkeeping (not recorded).
void StandinRetain(const void* object);
void StandinRelease(const void* object);

// Retains a stand-in object and answers it with its own type.
template <class T>
T* StandinRetained(T* object)
{
  StandinRetain(object);
  return object;
}

struct StandinString : StandinObject
{
  explicit StandinString(bool counted = true) : StandinObject(StandinType::String, counted) {}
  std::string utf8;
  std::vector<char32_t> codes;
};

struct StandinDictionary : StandinObject
{
  StandinDictionary() : StandinObject(StandinType::Dictionary) {}
  ~StandinDictionary() override;
  // The value stored under a string key (compared by text), or null.
  const void* Find(CFStringRef key) const;
  std::vector<const void*> keys;
  std::vector<const void*> values;
  bool retained = false;
};

struct CGColor;
struct StandinFont;

struct StandinAttributedString : StandinObject
{
  StandinAttributedString() : StandinObject(StandinType::AttributedString) {}
  ~StandinAttributedString() override;
  std::vector<char32_t> codes;
  const StandinFont* font = nullptr;   // retained
  const CGColor* color = nullptr;  // retained
};

struct StandinArray : StandinObject
{
  StandinArray() : StandinObject(StandinType::Array) {}
  ~StandinArray() override;
  std::vector<const void*> items;  // retained
};

struct StandinFont : StandinObject
{
  StandinFont() : StandinObject(StandinType::Font) {}
  StandinFace face;
  double size = 0;
};

struct StandinLine : StandinObject
{
  StandinLine() : StandinObject(StandinType::Line) {}
  ~StandinLine() override;
  double Width() const;
  std::vector<char32_t> codes;
  const StandinFont* font = nullptr;    // retained; null draws nothing
  const CGColor* color = nullptr;  // retained
};

struct StandinFramesetter : StandinObject
{
  StandinFramesetter() : StandinObject(StandinType::Framesetter) {}
  ~StandinFramesetter() override;
  const StandinAttributedString* text = nullptr;  // retained
};

struct StandinFrame : StandinObject
{
  StandinFrame() : StandinObject(StandinType::Frame) {}
  ~StandinFrame() override;
  const StandinArray* lines = nullptr;  // owned
};

struct CGPath : StandinObject
{
  CGPath() : StandinObject(StandinType::Path) {}
  CGRect rect{};
};

struct CGColor : StandinObject
{
  CGColor() : StandinObject(StandinType::Color) {}
  CGFloat components[4] = {0, 0, 0, 1};
};

struct CGColorSpace : StandinObject
{
  CGColorSpace() : StandinObject(StandinType::ColorSpace) {}
};

// The part of a context's state that saving and restoring keeps together.
struct StandinGState
{
  CGAffineTransform ctm{1, 0, 0, 1, 0, 0};
  CGAffineTransform textMatrix{1, 0, 0, 1, 0, 0};
  // Clip in device space: x0, y0, x1, y1.
  double clip[4] = {0, 0, 0, 0};
  bool antialias = true;
  CGFloat fill[4] = {0, 0, 0, 1};
};

struct CGContext : StandinObject
{
  CGContext() : StandinObject(StandinType::Context) {}
  ~CGContext() override;
  unsigned char* data = nullptr;
  long width = 0;
  long height = 0;
  long bytesPerRow = 0;
  CGColorSpace* space = nullptr;  // retained
  StandinGState state;
  std::vector<StandinGState> saved;

  // Paints the device-space box (x0, y0)-(x1, y1) in a colour, within the
  // clip, by the coverage rules.
  void PaintDeviceBox(double x0, double y0, double x1, double y1, const CGFloat* rgba);
  // Paints a user-space (through matrix m) box.
  void PaintBox(const CGAffineTransform& m, double x0, double y0, double x1, double y1, const CGFloat* rgba);
};

struct CGDataProvider : StandinObject
{
  CGDataProvider() : StandinObject(StandinType::DataProvider) {}
  ~CGDataProvider() override;
  void* info = nullptr;
  const unsigned char* data = nullptr;
  size_t size = 0;
  CGDataProviderReleaseDataCallback releaseData = nullptr;
};

struct CGImage : StandinObject
{
  CGImage() : StandinObject(StandinType::Image) {}
  ~CGImage() override;
  size_t width = 0;
  size_t height = 0;
  size_t bytesPerRow = 0;
  CGDataProvider* provider = nullptr;  // retained
};

// The call recorder.
void StandinRecord(const char* name, std::vector<double> numbers = {}, std::string text = {});

// Decodes UTF-8 strictly; false for malformed text.
bool StandinDecodeUtf8(const char* text, std::vector<char32_t>& codes);

// Product of two transforms: first m, then n.
CGAffineTransform StandinConcat(const CGAffineTransform& m, const CGAffineTransform& n);

// The face registered under a name, or the default face.
StandinFace StandinFaceFor(const std::string& name);
bool StandinFontCreationFails();
bool StandinContextCreationFails();
