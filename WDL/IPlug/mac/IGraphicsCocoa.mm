// The editor view: redraw timer, drawing, mouse and keys, text entry, popup
// menus, tool tips and the colour panel.

#include "IGraphicsCocoa.h"

#include "IGraphicsMac.h"
#include "MacPlatformSeams.h"

#include "IControl.h"
#include "IPlugParameter.h"
#include "IPopupMenu.h"

int MacKeyCodeFor(unsigned short keyCode, unsigned int c)
{
  switch (keyCode)
  {
    case 49: return kKeySpace;
    case 126: return kKeyUp;
    case 125: return kKeyDown;
    case 123: return kKeyLeft;
    case 124: return kKeyRight;
    default: break;
  }
  if (c >= '0' && c <= '9') return kKeyDigit0 + int(c - '0');
  if (c >= 'A' && c <= 'Z') return kKeyA + int(c - 'A');
  if (c >= 'a' && c <= 'z') return kKeyA + int(c - 'a');
  return -1;
}

namespace
{
// Modifier bits of an event.
constexpr NSUInteger kShift = 1u << 17, kControl = 1u << 18, kOption = 1u << 19, kCommand = 1u << 20;

IMouseKeys LeftKeys(NSEvent* event)
{
  const NSUInteger m = [event modifierFlags];
  return IMouseKeys(true, (m & kCommand) != 0, (m & kShift) != 0, (m & kControl) != 0, (m & kOption) != 0);
}

IMouseKeys RightKeys(NSEvent* event)
{
  const NSUInteger m = [event modifierFlags];
  return IMouseKeys(false, true, (m & kShift) != 0, (m & kControl) != 0, (m & kOption) != 0);
}

// The view the shared colour panel reports to (the panel outlives views).
IGraphicsCocoa_vVimbraOndelino_aax* colorPanelTarget;

NSColor* CalibratedColor(const IColor& c, double alpha)
{
  return [NSColor colorWithCalibratedRed:c.R / 255.0 green:c.G / 255.0 blue:c.B / 255.0 alpha:alpha];
}
}  // namespace

@implementation IGraphicsCocoa_vVimbraOndelino_aax

- (id)init
{
  self = [super init];
  if (self)
  {
    mGraphics = nullptr;
    mTimer = nil;
    mPrevX = mPrevY = 0;
  }
  return self;
}

- (id)initWithIGraphics:(IGraphicsMac*)graphics
{
  mGraphics = graphics;
  const double scale = graphics->GetDisplayScale();
  self = [super initWithFrame:NSMakeRect(0, 0, int(scale * graphics->Width()), int(scale * graphics->Height()))];
  if (self)
  {
    mTimer = [NSTimer timerWithTimeInterval:1.0 / graphics->FPS() target:self selector:@selector(onTimer:)
                                   userInfo:nil repeats:YES];
    [[NSRunLoop currentRunLoop] addTimer:mTimer forMode:MacSeamTimerRunLoopMode()];
  }
  return self;
}

- (void)dealloc
{
  [mTextFieldView release];
  [super dealloc];
}

- (IGraphicsMac*)graphics
{
  return mGraphics;
}

- (void)clearGraphics
{
  mGraphics = nullptr;
}

- (NSTextField*)textField
{
  return mTextFieldView;
}

- (int)scaledHeight
{
  return int(mGraphics->GetDisplayScale() * mGraphics->Height());
}

- (BOOL)isOpaque
{
  return mGraphics ? YES : NO;
}

- (BOOL)acceptsFirstResponder
{
  return YES;
}

- (BOOL)acceptsFirstMouse:(NSEvent*)event
{
  return YES;
}

- (void)viewDidMoveToWindow
{
  NSWindow* window = [self window];
  if (!window) return;
  [window makeFirstResponder:self];
  [window setAcceptsMouseMovedEvents:YES];
}

- (void)drawRect:(NSRect)rect
{
  if (!mGraphics) return;
  const int hs = [self scaledHeight];
  IRECT area(int(rect.origin.x), hs - int(rect.origin.y) - int(rect.size.height),
             int(rect.origin.x) + int(rect.size.width), hs - int(rect.origin.y));
  mGraphics->Paint(&area);
}

- (void)onTimer:(NSTimer*)timer
{
  if (timer != mTimer || !mGraphics) return;
  IRECT dirty;
  if (!mGraphics->CollectDirtyArea(&dirty)) return;
  const MacViewRect v = ToMacViewRect(dirty, [self scaledHeight]);
  [self setNeedsDisplayInRect:NSMakeRect(v.x, v.y, v.w, v.h)];
}

- (void)getMouseXY:(NSEvent*)event x:(int*)x y:(int*)y
{
  if (!mGraphics) return;
  const NSPoint p = [self convertPoint:[event locationInWindow] fromView:nil];
  *x = int(p.x) - 2;
  *y = [self scaledHeight] - int(p.y) - 3;
  mPrevX = *x;
  mPrevY = *y;
}

- (void)mouseDown:(NSEvent*)event
{
  int x, y;
  [self getMouseXY:event x:&x y:&y];
  if (!mGraphics) return;
  IMouseKeys keys = LeftKeys(event);
  if ([event clickCount] < 2)
    mGraphics->MouseDown(x, y, &keys);
  else
    mGraphics->MouseDoubleClick(x, y, &keys);
}

- (void)mouseUp:(NSEvent*)event
{
  int x, y;
  [self getMouseXY:event x:&x y:&y];
  if (!mGraphics) return;
  IMouseKeys keys = LeftKeys(event);
  mGraphics->MouseUp(x, y, &keys);
}

- (void)mouseDragged:(NSEvent*)event
{
  int x, y;
  [self getMouseXY:event x:&x y:&y];
  if (!mGraphics || mTextFieldView) return;
  IMouseKeys keys = LeftKeys(event);
  mGraphics->MouseDrag(x, y, &keys);
}

- (void)rightMouseDown:(NSEvent*)event
{
  int x, y;
  [self getMouseXY:event x:&x y:&y];
  if (!mGraphics) return;
  IMouseKeys keys = RightKeys(event);
  mGraphics->MouseDown(x, y, &keys);
}

- (void)rightMouseUp:(NSEvent*)event
{
  int x, y;
  [self getMouseXY:event x:&x y:&y];
  if (!mGraphics) return;
  IMouseKeys keys = RightKeys(event);
  mGraphics->MouseUp(x, y, &keys);
}

- (void)rightMouseDragged:(NSEvent*)event
{
  int x, y;
  [self getMouseXY:event x:&x y:&y];
  if (!mGraphics || mTextFieldView) return;
  IMouseKeys keys = RightKeys(event);
  mGraphics->MouseDrag(x, y, &keys);
}

- (void)mouseMoved:(NSEvent*)event
{
  int x, y;
  [self getMouseXY:event x:&x y:&y];
  if (!mGraphics) return;
  IMouseKeys keys = LeftKeys(event);
  mGraphics->MouseHover(x, y, &keys);
}

- (void)keyDown:(NSEvent*)event
{
  NSString* characters = [event charactersIgnoringModifiers];
  if ([characters length] != 1) return;
  const int code = MacKeyCodeFor([event keyCode], [characters characterAtIndex:0]);
  // Without an editor the key belongs to whoever is next.
  if (code >= 0 && mGraphics && mGraphics->KeyDown(mPrevX, mPrevY, code)) return;
  [[self nextResponder] keyDown:event];
}

- (void)scrollWheel:(NSEvent*)event
{
  int x, y;
  [self getMouseXY:event x:&x y:&y];
  if (!mGraphics) return;
  if (mTextFieldView) [self endUserInput];
  IMouseKeys keys = LeftKeys(event);
  mGraphics->MouseWheel(x, y, &keys, int([event deltaY]));
}

- (void)killTimer
{
  [mTimer invalidate];
  mTimer = nil;
}

- (void)removeFromSuperview
{
  // Where addSubview: first removes the fresh, attached view, that is no
  // detach.
  if (MacSeamAddSubviewRemovesFirst() && ![self superview] && mGraphics) return;
  if (mTextFieldView) [self endUserInput];
  NSColorPanel* panel = [NSColorPanel sharedColorPanel];
  [panel close];
  // The shared panel outlives this view: it must not keep sending to it.
  if (colorPanelTarget == self)
  {
    colorPanelTarget = nil;
    [panel setTarget:nil];
    [panel setAction:NULL];
  }
  if (mGraphics)
  {
    IGraphicsMac* graphics = mGraphics;
    mGraphics = nullptr;
    graphics->DetachView();
  }
  [super removeFromSuperview];
}

- (void)controlTextDidEndEditing:(NSNotification*)notification
{
  if (!mTextFieldView) return;
  const char* text = [[mTextFieldView stringValue] UTF8String];
  if (mGraphics && mEdParam)
    mGraphics->ApplyTextEntry(mEdControl, mEdParam, text ? text : "");
  else if (mEdControl)
    mEdControl->ApplyTextEntryResult(text ? text : "");
  [self endUserInput];
  [self setNeedsDisplay:YES];
}

- (IPopupMenu*)createIPopupMenu:(IPopupMenu*)menu:(NSRect)rect
{
  IGraphicsMenuRcvr_vVimbraOndelino_aax* receiver =
      [[[IGraphicsMenuRcvr_vVimbraOndelino_aax alloc] initWithFrame:rect] autorelease];
  IGraphicsNSMenu_vVimbraOndelino_aax* nsMenu = [IGraphicsNSMenu_vVimbraOndelino_aax alloc];
  nsMenu = [nsMenu initWithIPopupMenuAndReciever:menu :receiver];
  [nsMenu autorelease];
  NSPoint where = [self convertPointToBase:NSMakePoint(rect.origin.x, rect.origin.y - 4)];
  NSScreen* screen = [[self window] screen];
  if ([screen respondsToSelector:@selector(backingScaleFactor)])
  {
    const CGFloat factor = [screen backingScaleFactor];
    if (factor > 0) where = NSMakePoint(where.x / factor, where.y / factor);
  }
  NSEvent* event = [NSEvent otherEventWithType:NSApplicationDefined location:where modifierFlags:15 timestamp:0
                                  windowNumber:[[self window] windowNumber]
                                       context:[NSGraphicsContext currentContext] subtype:0 data1:0 data2:0];
  MacSeamPopUpMenu(nsMenu, event, receiver);

  NSMenuItem* item = [receiver MenuItem];
  NSMenu* holder = [item menu];
  if (![holder isKindOfClass:[IGraphicsNSMenu_vVimbraOndelino_aax class]]) return nullptr;
  IPopupMenu* chosenMenu = [(IGraphicsNSMenu_vVimbraOndelino_aax*)holder AssociatedIPopupMenu];
  const NSInteger index = [holder indexOfItem:item];
  if (!chosenMenu || index < 0) return nullptr;
  chosenMenu->SetChosenItemIdx(int(index));
  return chosenMenu;
}

- (void)createTextEntry:(IControl*)control:(IPlugParameter*)param:(IText*)text:(const char*)str:(NSRect)rect
{
  if (!control || mTextFieldView) return;
  mTextFieldView = [[NSTextField alloc] initWithFrame:rect];
  NSFont* font = [NSFont fontWithName:[NSString stringWithUTF8String:text->mFace] size:float(text->mSize * 0.9)];
  if (font) [mTextFieldView setFont:font];
  switch (text->mAlign)
  {
    case IText::kAlignLeft: [mTextFieldView setAlignment:NSLeftTextAlignment]; break;
    case IText::kAlignCenter: [mTextFieldView setAlignment:NSCenterTextAlignment]; break;
    case IText::kAlignRight: [mTextFieldView setAlignment:NSRightTextAlignment]; break;
    default: break;
  }
  if (param)
  {
    NSMutableCharacterSet* set = [[NSMutableCharacterSet alloc] init];
    const int kind = param->GetKind();
    if (kind >= 1 && kind <= 3)
      [set addCharactersInString:@"0123456789-+"];
    else if (kind == 4)
      [set addCharactersInString:@"0123456789.-+"];
    CocoaFormatter_vVimbraOndelino_aax* formatter = [[CocoaFormatter_vVimbraOndelino_aax alloc] init];
    [formatter setAcceptableCharacterSet:set];
    [formatter setMaximumLength:control->GetTextEntryLength()];
    [mTextFieldView setFormatter:formatter];
    [formatter release];
    [set release];
  }
  [[mTextFieldView cell] setLineBreakMode:NSLineBreakByTruncatingTail];
  [mTextFieldView setAllowsEditingTextAttributes:NO];
  [mTextFieldView setTextColor:CalibratedColor(text->mEntryForeground, text->mEntryForeground.A / 255.0)];
  [mTextFieldView setBackgroundColor:CalibratedColor(text->mEntryBackground, text->mEntryBackground.A / 255.0)];
  [mTextFieldView setStringValue:[NSString stringWithUTF8String:str ? str : ""]];
  [mTextFieldView setBordered:NO];
  [mTextFieldView setFocusRingType:NSFocusRingTypeNone];
  [mTextFieldView setDelegate:(id)self];
  [self addSubview:mTextFieldView];
  [[self window] makeKeyAndOrderFront:nil];
  [[self window] makeFirstResponder:mTextFieldView];
  mEdParam = param;
  mEdControl = control;
}

- (void)endUserInput
{
  if (!mTextFieldView) return;
  NSTextField* field = mTextFieldView;
  mTextFieldView = nil;
  mEdControl = nullptr;
  mEdParam = nullptr;
  [field setDelegate:nil];
  [field removeFromSuperview];
  // The field may still be finishing the event that ended the entry.
  [field autorelease];
  [[self window] makeFirstResponder:self];
}

- (NSString*)view:(NSView*)view stringForToolTip:(NSToolTipTag)tag point:(NSPoint)point userData:(void*)data
{
  const int index = mGraphics ? mGraphics->GetHoverIdx() : -1;
  IControl* control = index >= 0 ? mGraphics->GetControl(index) : nullptr;
  const char* tip = control ? control->GetTooltip() : nullptr;
  return [NSString stringWithUTF8String:tip ? tip : ""];
}

- (void)registerToolTip:(IRECT*)rect
{
  if (!mGraphics || !rect) return;
  const MacViewRect v = ToMacViewRect(*rect, [self scaledHeight]);
  [self addToolTipRect:NSMakeRect(v.x, v.y, v.w, v.h) owner:self userData:NULL];
}

- (BOOL)PromptForColor:(IColor*)color
{
  NSColorPanel* panel = [NSColorPanel sharedColorPanel];
  [panel setColor:CalibratedColor(*color, 1.0)];
  [panel orderFront:nil];
  [panel setTarget:self];
  [panel setAction:@selector(ColorUpdate:)];
  colorPanelTarget = self;
  return YES;
}

- (void)ColorUpdate:(id)sender
{
  // A detached view has no editor to take the colour.
  if (!mGraphics) return;
  NSColor* color = [[sender color] colorUsingColorSpaceName:NSCalibratedRGBColorSpace];
  if (!color) return;
  mGraphics->SetPickedRGB(int([color redComponent] * 255), int([color greenComponent] * 255),
                          int([color blueComponent] * 255));
}

@end

@implementation CustomCocoaWindow_vVimbraOndelino_aax
- (BOOL)canBecomeKeyWindow
{
  return YES;
}
@end
