#pragma once
// An editor that records what the plug-in object pushes into it.

#include <vector>

#include "TestView.h"

namespace vo {

class FakeGraphics : public TestView {
 public:
  struct Push {
    int index;
    double value;
    bool normalized;
  };

  explicit FakeGraphics(bool* destroyed = nullptr) : mDestroyed(destroyed) {}
  ~FakeGraphics() override {
    if (mDestroyed) *mDestroyed = true;
  }

  void SetParameterValueFromPlug(int paramIndex, double value, bool normalized) override {
    pushes.push_back({paramIndex, value, normalized});
  }
  void PrepareBackBuffers() override { backBuffersPreparedAfter = static_cast<int>(pushes.size()); }

  std::vector<Push> pushes;
  // How many pushes came before PrepareBackBuffers; -1 while not called.
  int backBuffersPreparedAfter = -1;

 private:
  bool* mDestroyed;
};

}  // namespace vo
