#include "IPlugParameter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
constexpr int kMaxDisplayPrecision = 6;

void CopyName(char* dest, const char* src) {
  std::snprintf(dest, IPlugParameter::kMaxNameLength, "%s", src ? src : "");
}

// Truncation toward zero that saturates instead of overflowing (NaN gives 0).
int TruncateToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(v);
}

// Clamp that also maps NaN to the lower bound.
double ClampTo(double v, double lo, double hi) {
  if (!(v > lo)) return lo;
  return v < hi ? v : hi;
}
}  // namespace

IPlugParameter::IPlugParameter() : mDisplayTexts(4096) {}

void IPlugParameter::SetUpDouble(const char* name, double defaultValue, double min, double max, double step,
                                 const char* label, const char* group, double shape) {
  if (mKind == kTypeNone) mKind = kTypeDouble;
  CopyName(mName, name);
  CopyName(mLabel, label);
  CopyName(mGroup, group);
  mMin = min;
  mStep = step;
  StoreValue(defaultValue);
  mDefault = defaultValue;
  mDisplayPrecision = 0;
  mMax = std::max(min + step, max);
  // Enough decimals to show one step exactly.
  for (double p = step; p != std::floor(p) && mDisplayPrecision < kMaxDisplayPrecision; p *= 10.0) {
    ++mDisplayPrecision;
  }
  if (shape != 0.0) mShape = shape;
}

void IPlugParameter::SetUpBool(const char* name, bool defaultValue, const char* label, const char* group) {
  if (mKind == kTypeNone) mKind = kTypeBool;
  // A step of 0.1 rather than 1: normalised values set booleans in tenths.
  SetUpDouble(name, defaultValue ? 1.0 : 0.0, 0.0, 1.0, 0.1, label, group, 1.0);
  AddDisplayText(0, "off");
  AddDisplayText(1, "on");
}

void IPlugParameter::AddDisplayText(int value, const char* text) {
  const int count = DisplayTextCount();
  const int newSize = (count + 1) * static_cast<int>(sizeof(DisplayTextEntry));
  mDisplayTexts.Resize(newSize, false);
  if (mDisplayTexts.GetSize() != newSize) return;
  DisplayTextEntry& entry = mDisplayTexts.GetAs<DisplayTextEntry>()[count];
  entry.value = value;
  CopyName(entry.text, text);
}

double IPlugParameter::FromNormalized(double normalized) const {
  return std::pow(normalized, mShape) * (mMax - mMin) + mMin;
}

void IPlugParameter::SetFromNormalized(double normalized) {
  // Hosts may send anything; out-of-range values must not leave the range.
  if (std::isnan(normalized)) return;
  normalized = ClampTo(normalized, 0.0, 1.0);
  double v = FromNormalized(normalized);
  if (mKind != kTypeDouble) {
    if (mStep > 0.0) v = std::floor(v / mStep + 0.5) * mStep;
  } else if (mStep == 1.0) {
    v = std::round(v);
  }
  StoreValue(std::min(v, mMax));
}

void IPlugParameter::RestoreValue(double plain) {
  // A stored NaN would pass every comparison and reach the DSP.
  if (std::isnan(plain)) {
    StoreValue(mDefault);
  } else if (plain < mMin) {
    StoreValue(mMin);
  } else {
    StoreValue(std::min(plain, mMax));
  }
}

double IPlugParameter::NormalizeValue(double plain) const {
  const double c = ClampTo(plain, mMin, mMax);
  const double r = std::pow((c - mMin) / (mMax - mMin), 1.0 / mShape);
  return ClampTo(r, 0.0, 1.0);
}

void IPlugParameter::FormatDisplay(double v, bool isNormalized, char* out, bool useTexts) const {
  if (isNormalized) v = FromNormalized(v);
  if (useTexts) {
    const int key = TruncateToInt(v);
    const DisplayTextEntry* entries = Entries();
    for (int i = 0; i < DisplayTextCount(); ++i) {
      if (entries[i].value != key) continue;
      if (entries[i].text[0]) {
        std::snprintf(out, kMaxDisplayLength, "%s", entries[i].text);
        return;
      }
      break;
    }
  }
  if (mNegateDisplay) v = -v;
  if (mDisplayPrecision > 0) {
    std::snprintf(out, kMaxDisplayLength, "%.*f", mDisplayPrecision, v);
  } else {
    std::snprintf(out, kMaxDisplayLength, "%d", TruncateToInt(v));
  }
}

const char* IPlugParameter::FindDisplayText(int value) const {
  const DisplayTextEntry* entries = Entries();
  for (int i = 0; i < DisplayTextCount(); ++i) {
    if (entries[i].value == value) return entries[i].text;
  }
  return "";
}

bool IPlugParameter::ValueForDisplayText(const char* text, int* outValue) const {
  if (!text) return false;
  const DisplayTextEntry* entries = Entries();
  for (int i = 0; i < DisplayTextCount(); ++i) {
    if (std::strcmp(entries[i].text, text) == 0) {
      if (outValue) *outValue = entries[i].value;
      return true;
    }
  }
  return false;
}

const char* IPlugParameter::DisplayTextAt(int index, int* outValue) const {
  if (index < 0 || index >= DisplayTextCount()) return "";
  const DisplayTextEntry& entry = Entries()[index];
  if (outValue) *outValue = entry.value;
  return entry.text;
}

int IPlugParameter::DisplayTextCount() const {
  return mDisplayTexts.GetSize() / static_cast<int>(sizeof(DisplayTextEntry));
}

const char* IPlugParameter::UnitLabel() const {
  return FindDisplayText(TruncateToInt(Value()))[0] ? "" : mLabel;
}
