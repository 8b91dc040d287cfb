// The test hosts' gesture ledger: it must flag every value a host would
// record outside a gesture, and every unpaired begin or end.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "GestureLedger.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using vo::GestureLedger;

TEST(GestureLedger, ValuesInsideTheirParametersGestureAreClean) {
  GestureLedger ledger(GestureLedger::kNestingRefused);
  EXPECT_TRUE(ledger.Untouched());
  ledger.Begin("3");
  ledger.Value("3", 0.2);
  ledger.Begin("5");  // another parameter may begin meanwhile
  ledger.Value("5", 1.0);
  ledger.End("5");
  ledger.Value("3", 0.52);
  ledger.End("3");
  EXPECT_THAT(ledger.Problems(), IsEmpty());
  EXPECT_EQ("b3 v3=0.2 b5 v5=1 e5 v3=0.52 e3", ledger.Transcript());
  ASSERT_EQ(7u, ledger.Events().size());
  EXPECT_EQ('v', ledger.Events()[5].kind);
  EXPECT_EQ(0.52, ledger.Events()[5].value);
  EXPECT_FALSE(ledger.Untouched());
}

// The shape a double click had: the value after the end of the press.
TEST(GestureLedger, ValuesOutsideAGestureOfTheirParameterAreFlagged) {
  GestureLedger ledger(GestureLedger::kNestingRefused);
  ledger.Value("3", 0.5);
  ledger.Begin("3");
  ledger.Value("3", 0.2);
  ledger.Value("4", 0.25);  // inside a gesture, but of another parameter
  ledger.End("3");
  ledger.Value("3", 0.502);
  EXPECT_THAT(ledger.Problems(), ElementsAre("value 0.5 of 3 outside a gesture", "value 0.25 of 4 outside a gesture",
                                             "value 0.502 of 3 outside a gesture"));
}

TEST(GestureLedger, UnpairedBeginsAndEndsAreFlagged) {
  GestureLedger ledger(GestureLedger::kNestingRefused);
  ledger.End("3");
  ledger.Begin("3");
  ledger.Begin("3");
  ledger.End("3");
  ledger.Begin("7");
  EXPECT_THAT(ledger.Problems(),
              ElementsAre("end of 3 without a begin", "begin of 3 inside its open gesture",
                          "gesture of 3 left open (depth 1)", "gesture of 7 left open (depth 1)"));
  ledger.Clear();
  EXPECT_THAT(ledger.Problems(), IsEmpty());
  EXPECT_TRUE(ledger.Untouched());
  EXPECT_EQ("", ledger.Transcript());
}

// AAX: the wrapper's own touch and release around a request nest inside the
// editor's; the value stays inside until the outer release.
TEST(GestureLedger, NestedTouchesKeepTheOuterGestureOpen) {
  GestureLedger ledger(GestureLedger::kNestingAllowed);
  ledger.Begin("4");
  ledger.Begin("4");
  ledger.Value("4", 0.05);
  ledger.End("4");
  ledger.Value("4", 0.06);
  ledger.End("4");
  EXPECT_THAT(ledger.Problems(), IsEmpty());
  ledger.Value("4", 0.07);
  ledger.End("4");
  EXPECT_THAT(ledger.Problems(), ElementsAre("value 0.07 of 4 outside a gesture", "end of 4 without a begin"));
}

}  // namespace
