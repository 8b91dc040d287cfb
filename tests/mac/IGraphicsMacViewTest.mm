// The macOS editor view on GNUstep: classes, coordinates, the redraw path,
// mouse and keys.

#include "CocoaFixture.h"

#include <objc/runtime.h>

@interface InvalidationRecorder : IGraphicsCocoa_vVimbraOndelino_aax
{
@public
  NSRect invalidated;
  int invalidations;
}
- (NSTimer*)timer;
@end
@implementation InvalidationRecorder
- (void)setNeedsDisplayInRect:(NSRect)rect
{
  invalidated = rect;
  ++invalidations;
}
- (NSTimer*)timer
{
  return mTimer;
}
@end

@interface KeyRecorder : NSResponder
{
@public
  int keys;
}
@end
@implementation KeyRecorder
- (void)keyDown:(NSEvent*)event
{
  ++keys;
}
@end

TEST_F(CocoaTest, ClassesNameAndScale)
{
  for (const char* name : {"IGraphicsCocoa_vVimbraOndelino_aax", "IGraphicsMenuRcvr_vVimbraOndelino_aax",
                           "IGraphicsNSMenu_vVimbraOndelino_aax", "CocoaFormatter_vVimbraOndelino_aax",
                           "CustomCocoaWindow_vVimbraOndelino_aax"})
    EXPECT_NE(objc_getClass(name), nullptr) << name;
  RecordingEditor editor;
  EXPECT_STREQ(editor.GraphicsApiName(), "Cocoa GUI");
  EXPECT_EQ(editor.GetDisplayScale(), 1.0);
}

TEST_F(CocoaTest, EditorRectanglesInViewSpace)
{
  const MacViewRect whole = ToMacViewRect(IRECT(0, 0, 464, 480), 480);
  EXPECT_EQ(whole.x, 0);
  EXPECT_EQ(whole.y, -1);
  EXPECT_EQ(whole.w, 465);
  EXPECT_EQ(whole.h, 481);
}

TEST_F(CocoaTest, DirtyAreaIsInvalidatedAndPaintedBack)
{
  RecordingEditor editor;
  auto* control = new RecordingControl(IRECT(10, 5, 60, 20));
  editor.AttachControl(control);
  InvalidationRecorder* view = [[InvalidationRecorder alloc] initWithIGraphics:&editor];
  EXPECT_NEAR([[view timer] timeInterval], 0.04, 1e-9);
  // A first pass settles whatever attaching marked.
  IRECT settle;
  editor.CollectDirtyArea(&settle);
  control->ClearChanged();
  control->ClearChanged();
  control->MarkChanged(false);

  [view onTimer:nil];
  EXPECT_EQ(view->invalidations, 0) << "only the view's own timer counts";
  [view onTimer:[view timer]];
  ASSERT_EQ(view->invalidations, 1);
  EXPECT_EQ(view->invalidated.origin.x, 10);
  EXPECT_EQ(view->invalidated.origin.y, 459);
  EXPECT_EQ(view->invalidated.size.width, 51);
  EXPECT_EQ(view->invalidated.size.height, 16);

  [view drawRect:view->invalidated];
  ASSERT_EQ(editor.paints, 1);
  EXPECT_EQ(editor.lastPaint.L, 10);
  EXPECT_EQ(editor.lastPaint.T, 5);
  EXPECT_EQ(editor.lastPaint.R, 61);
  EXPECT_EQ(editor.lastPaint.B, 21);
  [view killTimer];
  [view release];
}

TEST_F(CocoaTest, ClicksReachTheEditorInItsCoordinates)
{
  RecordingEditor editor;
  auto* control = new RecordingControl(IRECT(0, 0, 464, 480));
  editor.AttachControl(new RecordingControl(IRECT()));  // the background takes nothing
  editor.AttachControl(control);
  NSWindow* window = [[NSWindow alloc] initWithContentRect:NSMakeRect(0, 0, 464, 480) styleMask:0
                                                   backing:NSBackingStoreBuffered defer:YES];
  [window setReleasedWhenClosed:NO];
  editor.AttachToParentWindow([window contentView]);
  auto* view = static_cast<IGraphicsCocoa_vVimbraOndelino_aax*>(editor.NativeWindowHandle());
  ASSERT_EQ([view superview], [window contentView]);
  EXPECT_TRUE(editor.HasOpenWindow());

  [view mouseDown:MouseEvent(NSLeftMouseDown, NSMakePoint(10.7, 470.2), 0)];
  EXPECT_EQ(control->downX, 8);
  EXPECT_EQ(control->downY, 7);
  EXPECT_TRUE(control->keys.L);
  EXPECT_FALSE(control->keys.R);

  [view mouseDown:MouseEvent(NSLeftMouseDown, NSMakePoint(100, 100), NSCommandKeyMask | NSShiftKeyMask)];
  EXPECT_TRUE(control->keys.L);
  EXPECT_TRUE(control->keys.R);
  EXPECT_TRUE(control->keys.S);

  [view rightMouseDown:MouseEvent(NSRightMouseDown, NSMakePoint(100, 100), NSCommandKeyMask)];
  EXPECT_FALSE(control->keys.L);
  EXPECT_TRUE(control->keys.R);
  EXPECT_EQ(control->downs, 3);

  editor.DetachView();
  EXPECT_FALSE(editor.HasOpenWindow());
  EXPECT_EQ([view superview], nil);
  [window release];
  Drain();
  EXPECT_EQ(LiveViews(), 0);
}

TEST_F(CocoaTest, KeysBecomeEditorKeyCodes)
{
  EXPECT_EQ(MacKeyCodeFor(49, ' '), 0);
  EXPECT_EQ(MacKeyCodeFor(126, 0xF700), 1);
  EXPECT_EQ(MacKeyCodeFor(125, 0xF701), 2);
  EXPECT_EQ(MacKeyCodeFor(123, 0xF702), 3);
  EXPECT_EQ(MacKeyCodeFor(124, 0xF703), 4);
  EXPECT_EQ(MacKeyCodeFor(29, '0'), 5);
  EXPECT_EQ(MacKeyCodeFor(25, '9'), 14);
  EXPECT_EQ(MacKeyCodeFor(0, 'a'), 15);
  EXPECT_EQ(MacKeyCodeFor(0, 'A'), 15);
  EXPECT_EQ(MacKeyCodeFor(6, 'z'), 40);
  EXPECT_EQ(MacKeyCodeFor(6, 'Z'), 40);
  EXPECT_EQ(MacKeyCodeFor(27, '-'), -1);
}

TEST_F(CocoaTest, KeysTheEditorLeavesGoToTheNextResponder)
{
  RecordingEditor editor;
  auto* catcher = new RecordingControl(IRECT(), false);
  editor.AttachControl(new RecordingControl(IRECT()));
  editor.SetKeyCatcher(catcher);  // owned by the editor
  editor.AttachToParentWindow(nullptr);
  auto* view = static_cast<IGraphicsCocoa_vVimbraOndelino_aax*>(editor.NativeWindowHandle());
  KeyRecorder* next = [[KeyRecorder alloc] init];
  [view setNextResponder:next];

  [view keyDown:KeyEvent(@"q", 12)];
  EXPECT_EQ(catcher->lastKey, 15 + ('q' - 'a'));
  EXPECT_EQ(next->keys, 1) << "a letter no control takes";

  catcher->takesKeys = true;
  [view keyDown:KeyEvent(@"5", 23)];
  EXPECT_EQ(catcher->lastKey, 10);
  EXPECT_EQ(next->keys, 1) << "a taken key stays";

  [view keyDown:KeyEvent(@"ab", 0)];
  EXPECT_EQ(next->keys, 1) << "two characters are dropped";

  // Without an editor the key is passed on rather than sent to no one.
  [view clearGraphics];
  [view keyDown:KeyEvent(@"a", 0)];
  EXPECT_EQ(next->keys, 2);
  editor.DetachView();
  [next release];
}

TEST_F(CocoaTest, ResizeToTheCurrentSizeKeepsTheControls)
{
  RecordingEditor editor;
  editor.AttachControl(new RecordingControl(IRECT()));
  editor.AttachControl(new RecordingControl(IRECT(1, 1, 5, 5)));
  editor.ResizeEditor(464, 480);
  EXPECT_EQ(editor.NControls(), 2);
}
