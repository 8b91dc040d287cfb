#pragma once
// Shared pieces of the macOS editor view tests on GNUstep: an autorelease
// pool per test, counted views, an editor that records what it paints,
// controls that record input, and events.

// GNUstep offers its allocation counts only to builds without NDEBUG.
#ifdef NDEBUG
#undef NDEBUG
#include <Foundation/NSDebug.h>
#define NDEBUG 1
#else
#include <Foundation/NSDebug.h>
#endif

#include "IGraphicsCocoa.h"
#include "IGraphicsMac.h"
#include "MacSeamScripts.h"

#include "IControl.h"

#include <gtest/gtest.h>

class RecordingEditor : public IGraphicsMac
{
public:
  RecordingEditor(int w = 464, int h = 480) : IGraphicsMac(nullptr, w, h, 0) { PrepareBackBuffers(); }
  bool PaintDirtyArea(IRECT* area) override
  {
    lastPaint = *area;
    ++paints;
    return IGraphicsMac::PaintDirtyArea(area);
  }
  IRECT lastPaint;
  int paints = 0;
};

class RecordingControl : public IControl
{
public:
  RecordingControl(const IRECT& r, bool takesKeys = true) : IControl(nullptr, r), takesKeys(takesKeys) {}
  bool Render(IGraphics*) override { return true; }
  void HandleMouseDown(int x, int y, IMouseKeys* k) override
  {
    downX = x, downY = y, keys = *k, ++downs;
  }
  bool HandleKey(int, int, int code) override
  {
    lastKey = code;
    return takesKeys;
  }
  void ApplyTextEntryResult(const char* text) override { entry = text; }
  bool takesKeys;
  int downX = -1, downY = -1, downs = 0, lastKey = -1;
  IMouseKeys keys;
  std::string entry;
};

class CocoaTest : public ::testing::Test
{
protected:
  static void SetUpTestSuite()
  {
    NSApplicationLoad();
    GSDebugAllocationActive(YES);
  }
  void SetUp() override
  {
    pool = [[NSAutoreleasePool alloc] init];
    windowsAtStart = LiveWindows();
  }
  // A window retained once too often stays in GNUstep's window list, where
  // the leak check cannot tell it from a live one: every test gives back
  // the windows it made or was handed.
  void TearDown() override
  {
    [pool release];
    EXPECT_EQ(LiveWindows(), windowsAtStart) << "windows left behind";
  }
  // Drains the autoreleased objects so far.
  void Drain()
  {
    [pool release];
    pool = [[NSAutoreleasePool alloc] init];
  }
  static int LiveViews() { return GSDebugAllocationCount([IGraphicsCocoa_vVimbraOndelino_aax class]); }
  static int LiveWindows() { return GSDebugAllocationCount([NSWindow class]); }

  NSAutoreleasePool* pool = nil;
  int windowsAtStart = 0;
};

inline NSEvent* MouseEvent(NSEventType type, NSPoint where, NSUInteger modifiers, NSInteger clicks = 1)
{
  return [NSEvent mouseEventWithType:type location:where modifierFlags:modifiers timestamp:0 windowNumber:0
                             context:nil eventNumber:0 clickCount:clicks pressure:1];
}

inline NSEvent* KeyEvent(NSString* characters, unsigned short keyCode)
{
  return [NSEvent keyEventWithType:NSKeyDown location:NSMakePoint(0, 0) modifierFlags:0 timestamp:0 windowNumber:0
                           context:nil characters:characters charactersIgnoringModifiers:characters isARepeat:NO
                           keyCode:keyCode];
}
