// The popup menu, its receiver and the text-entry formatter of the editor view.

#include "IGraphicsCocoa.h"

#include "IPopupMenu.h"

#include <cstdio>

@implementation IGraphicsMenuRcvr_vVimbraOndelino_aax

- (NSMenuItem*)MenuItem
{
  return nsMenuItem;
}

- (void)OnMenuSelection:(id)sender
{
  nsMenuItem = sender;
}

@end

@implementation IGraphicsNSMenu_vVimbraOndelino_aax

- (id)initWithIPopupMenuAndReciever:(IPopupMenu*)menu:(NSView*)receiver
{
  self = [super initWithTitle:@""];
  if (!self) return nil;
  [self setAutoenablesItems:NO];
  static const char* const prefixes[] = {"", "%1d: ", "%02d: ", "%03d: "};
  const int prefix = menu->GetPrefix();
  for (int i = 0; i < menu->NItems(); ++i)
  {
    const IPopupMenu::Item* item = menu->GetItem(i);
    char number[32] = "";
    if (prefix >= 1 && prefix <= 3) std::snprintf(number, sizeof number, prefixes[prefix], i + 1);
    NSString* label = [NSString stringWithFormat:@"%s%@", number,
                                                 [NSString stringWithUTF8String:item->GetText()] ?: @""];
    if (item->GetSubmenu())
    {
      NSMenuItem* entry = [self addItemWithTitle:label action:NULL keyEquivalent:@""];
      IGraphicsNSMenu_vVimbraOndelino_aax* submenu =
          [[IGraphicsNSMenu_vVimbraOndelino_aax alloc] initWithIPopupMenuAndReciever:item->GetSubmenu() :receiver];
      [entry setSubmenu:submenu];
      [submenu release];
    }
    else if (item->IsSeparator())
      [self addItem:[NSMenuItem separatorItem]];
    else
    {
      NSMenuItem* entry = [self addItemWithTitle:label action:@selector(OnMenuSelection:) keyEquivalent:@""];
      // The choice goes to the receiver whichever view has the focus.
      [entry setTarget:receiver];
      if (item->GetFlags() & IPopupMenu::kItemDisabled) [entry setIndentationLevel:1];
      [entry setState:item->IsChecked() ? NSOnState : NSOffState];
      [entry setEnabled:(item->GetFlags() & IPopupMenu::kItemGreyed) ? NO : YES];
    }
  }
  mIPopupMenu = menu;
  return self;
}

- (IPopupMenu*)AssociatedIPopupMenu
{
  return mIPopupMenu;
}

@end

@implementation CocoaFormatter_vVimbraOndelino_aax

- (void)dealloc
{
  [filterCharacterSet release];
  [super dealloc];
}

- (BOOL)isPartialStringValid:(NSString*)partial newEditingString:(NSString**)newString
            errorDescription:(NSString**)error
{
  if (filterCharacterSet)
    for (NSUInteger i = 0; i < [partial length]; ++i)
      if (![filterCharacterSet characterIsMember:[partial characterAtIndex:i]]) return NO;
  if (maxLength && int([partial length]) > maxLength) return NO;
  if (maxValue && [partial intValue] > maxValue) return NO;
  return YES;
}

- (void)setAcceptableCharacterSet:(NSCharacterSet*)set
{
  [set retain];
  [filterCharacterSet release];
  filterCharacterSet = set;
}

- (void)setMaximumLength:(int)length
{
  maxLength = length;
}

- (void)setMaximumValue:(int)value
{
  maxValue = value;
}

- (NSString*)stringForObjectValue:(id)object
{
  return [object isKindOfClass:[NSString class]] ? object : nil;
}

- (BOOL)getObjectValue:(id*)object forString:(NSString*)string errorDescription:(NSString**)error
{
  if (object && string) *object = [NSString stringWithString:string];
  return YES;
}

@end
