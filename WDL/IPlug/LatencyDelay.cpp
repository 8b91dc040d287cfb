#include "LatencyDelay.h"

#include <algorithm>
#include <cstring>

LatencyDelay::LatencyDelay(int inputs, int outputs, int length)
    : mRing(4096), mInputs(std::max(inputs, 0)), mOutputs(std::max(outputs, 0)) {
  SetLength(length);
}

void LatencyDelay::SetLength(int length) {
  mLength = length;
  mWritePosition = 0;
  const long long samples = static_cast<long long>(std::max(length, 0)) * mInputs;
  const long long bytes = samples * static_cast<long long>(sizeof(double));
  mRing.Resize(bytes > 0x7fffffff ? 0 : static_cast<int>(bytes), true);
  if (void* ring = mRing.Get()) std::memset(ring, 0, static_cast<size_t>(mRing.GetSize()));
}

bool LatencyDelay::IsReady() const {
  return mLength > 0 && mRing.GetSize() / static_cast<long long>(sizeof(double)) ==
                            static_cast<long long>(mLength) * mInputs;
}

void LatencyDelay::Process(double* const* inputs, double* const* outputs, int frames) {
  if (!IsReady()) return;
  double* ring = mRing.GetAs<double>();
  const int channels = std::min(mInputs, mOutputs);
  for (int j = 0; j < channels; ++j) {
    if (!inputs[j] || !outputs[j]) return;
  }
  for (int i = 0; i < frames; ++i) {
    for (int j = 0; j < channels; ++j) {
      double& cell = ring[static_cast<long long>(j) * mLength + mWritePosition];
      outputs[j][i] = cell;
      cell = inputs[j][i];
    }
    mWritePosition = (mWritePosition + 1) % mLength;
  }
}
