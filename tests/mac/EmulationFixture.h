#pragma once
// Shared set-up of the drawing-emulation tests: a known face and a fresh
// call record.

#include "GDIEmulation.h"
#include "MacosStandin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Ascent 9.7, descent 2.9, leading 0.4 at 10 points; "ab" is 20.4 wide.
inline StandinFace TestFace()
{
  StandinFace face;
  face.ascent = 0.97;
  face.descent = 0.29;
  face.leading = 0.04;
  face.advance = 1.02;
  face.postScriptName = "TestFace-Regular";
  return face;
}

// A 10-point font of the test face.
inline GDIEmu_Object* MakeTestFont(int quality = 0)
{
  return CreateFont(10, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, quality, 0, "Test Face");
}

class EmulationTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    StandinRegisterFace("Test Face", TestFace());
    StandinSetFoundationVersion(1000);
    StandinClearCalls();
  }
  void TearDown() override { StandinSetFoundationVersion(1000); }

  // The recorded calls of that name, in order.
  static std::vector<StandinCall> Calls(const std::string& name)
  {
    std::vector<StandinCall> found;
    for (const StandinCall& call : StandinRecordedCalls())
      if (call.name == name) found.push_back(call);
    return found;
  }
};
