#pragma once
// Shows a two-state value as one of two texts, with optional shorter pairs
// of texts for narrow displays.

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"

#include <algorithm>
#include <cstdint>
#include <vector>

template <typename T>
class AAX_CBinaryDisplayDelegate final : public AAX_IDisplayDelegate<T> {
public:
  AAX_CBinaryDisplayDelegate(const char* falseText, const char* trueText)
      : mFalseText(falseText), mTrueText(trueText),
        mFullLength(static_cast<int32_t>(std::max(mFalseText.Length(), mTrueText.Length()))) {}

  AAX_CBinaryDisplayDelegate* Clone() const override {
    return new AAX_CBinaryDisplayDelegate(*this);
  }

  // A shorter pair of texts for displays of length characters or more.
  void AddShortenedStrings(const char* falseText, const char* trueText, int32_t length) {
    mShortened.push_back({length, AAX_CString(falseText), AAX_CString(trueText)});
    std::stable_sort(mShortened.begin(), mShortened.end(),
                     [](const Shortened& a, const Shortened& b) { return a.length < b.length; });
  }

  bool ValueToText(T value, AAX_CString* out) const override {
    if (!out) return false;
    *out = value ? mTrueText : mFalseText;
    return true;
  }

  // The full text when it fits (or there are no shorter pairs); otherwise the
  // longest pair whose length fits, or else the shortest pair.
  bool ValueToTextOfLength(T value, int maxLength, AAX_CString* out) const override {
    if (!out) return false;
    const int32_t limit = maxLength < 0 ? 0 : maxLength;
    if (mShortened.empty() || limit >= mFullLength) return ValueToText(value, out);
    const Shortened* chosen = &mShortened.front();
    for (auto pair = mShortened.rbegin(); pair != mShortened.rend(); ++pair) {
      if (pair->length <= limit) {
        chosen = &*pair;
        break;
      }
    }
    *out = value ? chosen->trueText : chosen->falseText;
    return true;
  }

  // The true text reads true; anything else reads false, and only the false
  // text counts as understood.
  bool TextToValue(const AAX_CString& text, T* out) const override {
    if (text == mTrueText) {
      if (out) *out = static_cast<T>(true);
      return true;
    }
    if (out) *out = static_cast<T>(false);
    return text == mFalseText;
  }

private:
  struct Shortened {
    int32_t length;
    AAX_CString falseText;
    AAX_CString trueText;
  };

  AAX_CString mFalseText;
  AAX_CString mTrueText;
  int32_t mFullLength;
  std::vector<Shortened> mShortened;  // by length, shortest first
};
