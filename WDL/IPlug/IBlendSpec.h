#pragma once
// How a control is combined with the back buffer: a method and the blit
// opacity (1.0 normal, 0.25 disabled, 0.0 hidden). No blend record means
// {kMethodAlpha, 1.0}.

struct IBlendSpec {
  enum Method { kMethodAlpha = 0, kMethodCopy = 1, kMethodAdd = 2, kMethodDodge = 3 };

  int mMethod = kMethodAlpha;
  float mWeight = 1.0f;

  IBlendSpec() = default;
  IBlendSpec(int method, float weight) : mMethod(method), mWeight(weight) {}

  // The raster library's blend mode for a method: 0 copy with source alpha
  // (0x10000), 1 plain copy (0), 2 add with source alpha (0x10001), 3 dodge
  // with source alpha (0x10002), anything else copy with source alpha.
  static int BlendModeFor(int method);
  int BlendMode() const { return BlendModeFor(mMethod); }
};
