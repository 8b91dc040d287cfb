#pragma once
// The Cocoa classes of the macOS editor: the editor view, the popup menu and
// its receiver, the text-entry formatter and the borderless child window.
// Defined statically, so the class runtime knows them when the module loads.
// Manual retain/release. Everything runs on the thread whose run loop drives
// the view (the host's user-interface thread); nothing takes a lock.

#include "MacPlatform.h"

struct IColor;
struct IText;
class IControl;
class IGraphicsMac;
class IPlugParameter;
class IPopupMenu;
struct IRECT;

// The IKeyCode of a key (keyCode, the one character ignoring modifiers), or
// -1 for a key the editor does not take.
int MacKeyCodeFor(unsigned short keyCode, unsigned int character);

@interface IGraphicsCocoa_vVimbraOndelino_aax : NSView
{
  NSTimer* mTimer;
  NSTextField* mTextFieldView;
  IControl* mEdControl;
  IPlugParameter* mEdParam;
  int mPrevX, mPrevY;
  IColor* mColorPickerColor;
  IGraphicsMac* mGraphics;
}
- (id)init;
- (id)initWithIGraphics:(IGraphicsMac*)graphics;
- (BOOL)isOpaque;
- (BOOL)acceptsFirstResponder;
- (BOOL)acceptsFirstMouse:(NSEvent*)event;
- (void)viewDidMoveToWindow;
- (void)drawRect:(NSRect)rect;
- (void)onTimer:(NSTimer*)timer;
- (void)getMouseXY:(NSEvent*)event x:(int*)x y:(int*)y;
- (void)mouseDown:(NSEvent*)event;
- (void)mouseUp:(NSEvent*)event;
- (void)mouseDragged:(NSEvent*)event;
- (void)rightMouseDown:(NSEvent*)event;
- (void)rightMouseUp:(NSEvent*)event;
- (void)rightMouseDragged:(NSEvent*)event;
- (void)mouseMoved:(NSEvent*)event;
- (void)keyDown:(NSEvent*)event;
- (void)scrollWheel:(NSEvent*)event;
- (void)killTimer;
- (void)removeFromSuperview;
- (void)controlTextDidEndEditing:(NSNotification*)notification;
- (IPopupMenu*)createIPopupMenu:(IPopupMenu*)menu:(NSRect)rect;
- (void)createTextEntry:(IControl*)control:(IPlugParameter*)param:(IText*)text:(const char*)str:(NSRect)rect;
- (void)endUserInput;
- (NSString*)view:(NSView*)view stringForToolTip:(NSToolTipTag)tag point:(NSPoint)point userData:(void*)data;
- (void)registerToolTip:(IRECT*)rect;
- (BOOL)PromptForColor:(IColor*)color;
- (void)ColorUpdate:(id)sender;
// The editor (null once detached) and the open text field (nil when none).
- (IGraphicsMac*)graphics;
- (void)clearGraphics;
- (NSTextField*)textField;
@end

@interface IGraphicsMenuRcvr_vVimbraOndelino_aax : NSView
{
  NSMenuItem* nsMenuItem;
}
- (NSMenuItem*)MenuItem;
- (void)OnMenuSelection:(id)sender;
@end

@interface IGraphicsNSMenu_vVimbraOndelino_aax : NSMenu
{
  IPopupMenu* mIPopupMenu;
}
- (id)initWithIPopupMenuAndReciever:(IPopupMenu*)menu:(NSView*)receiver;
- (IPopupMenu*)AssociatedIPopupMenu;
@end

@interface CocoaFormatter_vVimbraOndelino_aax : NSFormatter
{
  NSCharacterSet* filterCharacterSet;
  int maxLength;
  int maxValue;
}
- (void)dealloc;
- (BOOL)isPartialStringValid:(NSString*)partial newEditingString:(NSString**)newString
            errorDescription:(NSString**)error;
- (void)setAcceptableCharacterSet:(NSCharacterSet*)set;
- (void)setMaximumLength:(int)length;
- (void)setMaximumValue:(int)value;
- (NSString*)stringForObjectValue:(id)object;
- (BOOL)getObjectValue:(id*)object forString:(NSString*)string errorDescription:(NSString**)error;
@end

@interface CustomCocoaWindow_vVimbraOndelino_aax : NSWindow
- (BOOL)canBecomeKeyWindow;
@end
