// The macOS editor's menus, text entry, colour panel, file panels, message
// boxes, links, bundle images, folders, clipboard, cursor and own window, on
// GNUstep with the modal runs scripted.

#include "CocoaFixture.h"

#include "IPlugParameter.h"
#include "IPopupMenu.h"
#include "IText.h"
#include "MacosStandin.h"
#include "lice_mem_bitmap.h"

#include <objc/runtime.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

// A wheel event: GNUstep makes no scroll events of its own, so this one
// answers the position and the wheel's movement itself.
@interface WheelEvent : NSEvent
{
@public
  NSPoint where;
  CGFloat dy;
}
@end
@implementation WheelEvent
- (NSPoint)locationInWindow
{
  return where;
}
- (CGFloat)deltaY
{
  return dy;
}
- (NSUInteger)modifierFlags
{
  return 0;
}
- (NSEventType)type
{
  return NSScrollWheel;
}
@end

namespace
{
std::string Text(NSString* s) { return s ? std::string([s UTF8String]) : std::string(); }

// The menu the scripted choices saw, and which item to choose.
std::string thirdLabel;
int chooseTop = -1, chooseSub = -1;
NSMenuItem* Choose(NSMenu* menu)
{
  thirdLabel = [menu numberOfItems] > 2 ? Text([[menu itemAtIndex:2] title]) : "";
  if (chooseTop < 0) return nil;
  NSMenuItem* item = [menu itemAtIndex:chooseTop];
  return chooseSub < 0 ? item : [[item submenu] itemAtIndex:chooseSub];
}

class AttachedEditor : public CocoaTest
{
protected:
  void SetUp() override
  {
    CocoaTest::SetUp();
    window = [[NSWindow alloc] initWithContentRect:NSMakeRect(0, 0, 464, 480) styleMask:0
                                           backing:NSBackingStoreBuffered defer:YES];
    [window setReleasedWhenClosed:NO];
    editor = std::make_unique<RecordingEditor>();
    editor->AttachControl(new RecordingControl(IRECT()));
    control = new RecordingControl(IRECT(10, 10, 60, 30));
    editor->AttachControl(control);
    editor->AttachToParentWindow([window contentView]);
    view = static_cast<IGraphicsCocoa_vVimbraOndelino_aax*>(editor->NativeWindowHandle());
  }
  void TearDown() override
  {
    editor.reset();
    [window release];
    Drain();
    EXPECT_EQ(LiveViews(), 0);
    for (const char* name : {"IGraphicsMenuRcvr_vVimbraOndelino_aax", "IGraphicsNSMenu_vVimbraOndelino_aax",
                             "CocoaFormatter_vVimbraOndelino_aax", "CustomCocoaWindow_vVimbraOndelino_aax"})
      EXPECT_EQ(GSDebugAllocationCount(objc_getClass(name)), 0) << name;
    CocoaTest::TearDown();
  }
  NSWindow* window = nil;
  std::unique_ptr<RecordingEditor> editor;
  RecordingControl* control = nullptr;
  IGraphicsCocoa_vVimbraOndelino_aax* view = nil;
};
}  // namespace

TEST_F(AttachedEditor, PopupMenuPrefixesChoicesAndSubmenus)
{
  IPopupMenu menu;
  menu.AddItem("a");
  menu.AddItem("b");
  menu.AddItem("c");
  auto* sub = new IPopupMenu;
  sub->AddItem("x");
  sub->AddItem("y");
  menu.AddItem("more", 0, sub);
  IRECT where(10, 10, 60, 30);
  MacSeamScriptMenuChoice(Choose);

  const char* expected[] = {"c", "3: c", "03: c", "003: c"};
  chooseTop = 1, chooseSub = -1;
  for (int prefix = 0; prefix <= 3; ++prefix)
  {
    menu.SetPrefix(prefix);
    EXPECT_EQ(editor->CreateIPopupMenu(&menu, &where), &menu);
    EXPECT_EQ(thirdLabel, expected[prefix]);
    EXPECT_EQ(menu.GetChosenItemIdx(), 1);
  }

  chooseTop = 3, chooseSub = 1;
  EXPECT_EQ(editor->CreateIPopupMenu(&menu, &where), sub) << "a submenu choice answers the submenu";
  EXPECT_EQ(sub->GetChosenItemIdx(), 1);

  chooseTop = -1;
  menu.SetChosenItemIdx(2);
  EXPECT_EQ(editor->CreateIPopupMenu(&menu, &where), nullptr);
  EXPECT_EQ(menu.GetChosenItemIdx(), 2) << "closing without a choice keeps the index";
  MacSeamScriptMenuChoice(nullptr);
}

TEST_F(AttachedEditor, NumberEntryFiltersAndReturnCommits)
{
  IPlugParameter param;
  param.SetUpDouble("Gain", 0.5, 0.0, 1.0, 0.01);
  IText style;
  IRECT where(10, 10, 60, 30);
  editor->CreateTextEntry(control, &style, &where, "0.50", &param);
  NSTextField* field = [view textField];
  ASSERT_NE(field, nil);
  EXPECT_EQ(Text([field stringValue]), "0.50");
  editor->CreateTextEntry(control, &style, &where, "other", &param);
  EXPECT_EQ([view textField], field) << "a second entry while one is open is ignored";

  id formatter = [field formatter];
  ASSERT_NE(formatter, nil);
  for (NSString* ok : {@"0123456", @"789", @"-1.5", @"+.", @"1234567"})
    EXPECT_TRUE([formatter isPartialStringValid:ok newEditingString:nullptr errorDescription:nullptr]) << Text(ok);
  for (NSString* refused : {@"1a", @"e", @" ", @"12345678"})
    EXPECT_FALSE([formatter isPartialStringValid:refused newEditingString:nullptr errorDescription:nullptr])
        << Text(refused);

  [field setStringValue:@"0.25"];
  [window makeKeyAndOrderFront:nil];
  [window makeFirstResponder:field];
  NSEvent* ret = [NSEvent keyEventWithType:NSKeyDown location:NSMakePoint(0, 0) modifierFlags:0 timestamp:0
                              windowNumber:[window windowNumber] context:nil characters:@"\r"
               charactersIgnoringModifiers:@"\r" isARepeat:NO keyCode:36];
  [window sendEvent:ret];
  EXPECT_EQ([view textField], nil) << "Return ends the entry";
  EXPECT_NEAR(control->GetValue(), 0.25, 1e-9);
  [window orderOut:nil];
}

TEST_F(AttachedEditor, EntryWithoutParameterGoesToTheControl)
{
  IText style;
  IRECT where(10, 10, 60, 30);
  editor->CreateTextEntry(control, &style, &where, "name", nullptr);
  ASSERT_NE([view textField], nil);
  EXPECT_EQ([[view textField] formatter], nil);
  [[view textField] setStringValue:@"typed"];
  [view controlTextDidEndEditing:nil];
  EXPECT_EQ(control->entry, "typed");
  editor->CreateTextEntry(control, &style, &where, "again", nullptr);
  editor->CancelTextEntry();
  EXPECT_EQ([view textField], nil);
  EXPECT_EQ(control->entry, "typed") << "a cancelled entry applies nothing";
}

TEST_F(AttachedEditor, WheelClosesTheEntryAndMovesWholeNotches)
{
  struct WheelControl : RecordingControl
  {
    using RecordingControl::RecordingControl;
    void HandleWheel(int x, int y, IMouseKeys*, int n) override { wheelX = x, wheelY = y, notches = n; }
    int wheelX = -1, wheelY = -1, notches = 0;
  };
  auto* wheel = new WheelControl(IRECT(100, 100, 200, 200));
  editor->AttachControl(wheel);
  IText style;
  IRECT where(10, 10, 60, 30);
  editor->CreateTextEntry(control, &style, &where, "open", nullptr);
  WheelEvent* event = [[WheelEvent alloc] init];
  event->where = NSMakePoint(152.5, 329.5);
  event->dy = -2.9;
  [view scrollWheel:event];
  EXPECT_EQ([view textField], nil) << "the wheel closes an open entry";
  EXPECT_EQ(control->entry, "");
  EXPECT_EQ(wheel->wheelX, 150);
  EXPECT_EQ(wheel->wheelY, 148);
  EXPECT_EQ(wheel->notches, -2) << "truncated towards zero";
  [event release];
}

TEST_F(AttachedEditor, ToolTipsComeFromTheHoveredControl)
{
  control->SetTooltip("Dry/Wet mix");
  editor->EnableTooltips(true);
  editor->SetHoverTracking(true);
  editor->RefreshTooltips();
  IMouseKeys none;
  editor->MouseHover(20, 20, &none);
  ASSERT_EQ(editor->GetHoverIdx(), 1);
  EXPECT_EQ(Text([view view:view stringForToolTip:0 point:NSMakePoint(0, 0) userData:nullptr]), "Dry/Wet mix");
  editor->MouseLeave();
  EXPECT_EQ(Text([view view:view stringForToolTip:0 point:NSMakePoint(0, 0) userData:nullptr]), "");
}

TEST_F(CocoaTest, ColourPanelForgetsAViewThatNeverHadAParent)
{
  RecordingEditor editor;
  editor.AttachToParentWindow(nullptr);
  IColor colour;
  EXPECT_TRUE(editor.PromptForColor(&colour, ""));
  NSColorPanel* panel = [NSColorPanel sharedColorPanel];
  EXPECT_NE([panel valueForKey:@"target"], nil);
  editor.DetachView();
  EXPECT_EQ([panel valueForKey:@"target"], nil);
  Drain();
  EXPECT_EQ(LiveViews(), 0);
}

TEST_F(AttachedEditor, ColourPanelReportsToTheEditorOnlyWhileAttached)
{
  IColor start(255, 10, 20, 30);
  EXPECT_TRUE(editor->PromptForColor(&start, "unused"));
  NSColorPanel* panel = [NSColorPanel sharedColorPanel];
  EXPECT_EQ([panel valueForKey:@"target"], view);
  [panel setColor:[NSColor colorWithCalibratedRed:0.5 green:1.0 blue:0.0 alpha:1.0]];
  [view ColorUpdate:panel];
  EXPECT_EQ(editor->GetPickedColor().R, 127);
  EXPECT_EQ(editor->GetPickedColor().G, 255);
  EXPECT_EQ(editor->GetPickedColor().B, 0);

  [view retain];
  editor->DetachView();
  // The shared panel must not keep a view that is about to be freed, and a
  // view without an editor ignores updates.
  EXPECT_EQ([panel valueForKey:@"target"], nil);
  [panel setColor:[NSColor colorWithCalibratedRed:0.0 green:0.0 blue:1.0 alpha:1.0]];
  [view ColorUpdate:panel];
  EXPECT_EQ(editor->GetPickedColor().B, 0);
  [view release];
  EXPECT_FALSE(editor->PromptForColor(&start, "")) << "no view";
}

TEST_F(AttachedEditor, FileDialogStartsOnTheDesktopAndKeepsItAfterCancel)
{
  StringBuffer file, dir;
  file.Set("take.wav");
  MacSeamScriptFilePanel(NSCancelButton, nullptr);
  editor->ShowFileDialog(&file, 1, &dir, "wav aif");
  EXPECT_STREQ(dir.Get(), "~/Desktop");
  EXPECT_STREQ(file.Get(), "");
  MacSeamPanelCall call = MacSeamLastFilePanel();
  EXPECT_FALSE(call.open);
  EXPECT_EQ(call.dir, "~/Desktop");
  EXPECT_EQ(call.name, "take.wav");

  MacSeamScriptFilePanel(NSOKButton, "/tmp/takes/second.aif");
  editor->ShowFileDialog(&file, 0, &dir, "wav aif");
  call = MacSeamLastFilePanel();
  EXPECT_TRUE(call.open);
  EXPECT_EQ(call.types, "wav aif");
  EXPECT_STREQ(file.Get(), "/tmp/takes/second.aif");
  EXPECT_STREQ(dir.Get(), "/tmp/takes/");

  editor->DetachView();
  file.Set("kept?");
  editor->ShowFileDialog(&file, 0, &dir, "wav");
  EXPECT_STREQ(file.Get(), "") << "without a view the file is emptied";
}

TEST_F(CocoaTest, MessageBoxAnswersByTheButtonsMeaning)
{
  RecordingEditor editor;
  struct Case
  {
    int type;
    unsigned long response;
    int answer;
  } cases[] = {
      {4, kCFUserNotificationDefaultResponse, 6},   {4, kCFUserNotificationAlternateResponse, 7},
      {3, kCFUserNotificationDefaultResponse, 6},   {3, kCFUserNotificationAlternateResponse, 7},
      {3, kCFUserNotificationOtherResponse, 2},     {1, kCFUserNotificationDefaultResponse, 1},
      {1, kCFUserNotificationAlternateResponse, 2}, {0, kCFUserNotificationDefaultResponse, 1},
      {4, kCFUserNotificationCancelResponse, 0},
  };
  for (const Case& c : cases)
  {
    StandinScriptAlertResponse(c.response);
    EXPECT_EQ(editor.ShowMessageBox("Save?", "Preset", c.type), c.answer) << c.type << " " << c.response;
  }
  StandinScriptAlertResponse(kCFUserNotificationDefaultResponse);
  StandinClearCalls();
  editor.ShowMessageBox("Text", "Caption", 3);
  for (const StandinCall& call : StandinRecordedCalls())
  {
    if (call.name == "CFUserNotificationDisplayAlert")
    {
      EXPECT_EQ(call.text, "Caption|Text|Yes|No|Cancel");
    }
  }
  EXPECT_EQ(StandinLiveCount(StandinType::String), 0);
}

TEST_F(CocoaTest, WebLinksAnswerWhetherTheyOpened)
{
  RecordingEditor editor;
  MacSeamScriptOpenURL(YES);
  EXPECT_TRUE(editor.OpenWebLink("http://example.com/manual", "", "", ""));
  EXPECT_EQ(MacSeamLastOpenedURL(), "http://example.com/manual");
  EXPECT_TRUE(editor.OpenWebLink("/tmp/manual.pdf", "", "", ""));
  EXPECT_NE(MacSeamLastOpenedURL().find("/tmp/manual.pdf"), std::string::npos);
  MacSeamScriptOpenURL(NO);
  EXPECT_FALSE(editor.OpenWebLink("http://example.com/", "", "", ""));
  // Nothing to open: no URL can be made of text that is not UTF-8.
  MacSeamScriptOpenURL(YES);
  EXPECT_FALSE(editor.OpenWebLink("http://\xff\xfe", "", "", ""));
}

TEST_F(CocoaTest, BundleImagesByPngNameInAnyFolder)
{
  namespace fs = std::filesystem;
  // A bundle in a folder whose name the legacy C-string encoding cannot spell.
  const fs::path root = fs::temp_directory_path() / ("vo-bundle-\xc3\xa9t\xc3\xa9-" + std::to_string(getpid()));
  const fs::path resources = root / "Test.bundle" / "Resources";
  fs::create_directories(resources);
  std::ofstream(resources / "Info-gnustep.plist")
      << "{ CFBundleIdentifier = \"com.example.vo-test\"; CFBundleExecutable = \"Test\"; }";
  fs::copy_file(fs::path(VO_TEST_IMAGE_DIR) / "knob.png", resources / "knob.png");
  ASSERT_NE([NSBundle bundleWithPath:[NSString stringWithUTF8String:(root / "Test.bundle").c_str()]], nil);

  std::unique_ptr<LICE_MemBitmap> knob(IGraphicsMac::FindBundlePng("com.example.vo-test", "resources/img/knob.PNG"));
  ASSERT_NE(knob, nullptr);
  EXPECT_GT(knob->PixelWidth(), 0);
  EXPECT_EQ(IGraphicsMac::FindBundlePng("com.example.vo-test", "knob.jpg"), nullptr);
  EXPECT_EQ(IGraphicsMac::FindBundlePng("com.example.vo-test", "missing.png"), nullptr);
  EXPECT_EQ(IGraphicsMac::FindBundlePng("com.example.vo-test", nullptr), nullptr);

  RecordingEditor editor;
  editor.SetBundleID("com.example.vo-test");
  std::unique_ptr<LICE_IBitmap> loaded(editor.LoadBitmapResource(101, "knob.png"));
  EXPECT_NE(loaded, nullptr);
  StringBuffer path;
  editor.ModuleFilePath(&path);
  EXPECT_EQ(std::string(path.Get()), root.string() + "/");
  fs::remove_all(root);
}

TEST_F(CocoaTest, FoldersClipboardAndCursor)
{
  RecordingEditor editor;
  StringBuffer path;
  editor.SampleFolderPath(&path);
  EXPECT_EQ(std::string(path.Get()), Text(NSHomeDirectory()) + "/Music");
  editor.DesktopFolderPath(&path);
  EXPECT_NE(std::string(path.Get()).find("Desktop"), std::string::npos);
  StringBuffer user, local;
  editor.AppDataFolderPath(&user, false);
  editor.AppDataFolderPath(&local, true);
  EXPECT_NE(std::string(user.Get() ? user.Get() : ""), std::string(local.Get() ? local.Get() : ""));

  NSPasteboard* board = [NSPasteboard generalPasteboard];
  [board declareTypes:[NSArray arrayWithObject:NSStringPboardType] owner:nil];
  [board setString:@"0.75" forType:NSStringPboardType];
  StringBuffer clip;
  EXPECT_TRUE(editor.ReadClipboardText(&clip));
  EXPECT_STREQ(clip.Get(), "0.75");

  StandinSetDisplayHeight(1000);
  editor.HideCursorForDrag();
  EXPECT_TRUE(StandinCursorHidden());
  editor.RestoreCursorAfterDrag();
  EXPECT_FALSE(StandinCursorHidden());
}

TEST_F(CocoaTest, OwnWindowOpensAndClosesOnce)
{
  RecordingEditor editor;
  editor.CloseOwnWindow();  // nothing opened: nothing to close or raise
  EXPECT_FALSE(editor.HasOpenWindow());

  NSWindow* host = [[NSWindow alloc] initWithContentRect:NSMakeRect(100, 100, 600, 500) styleMask:0
                                                 backing:NSBackingStoreBuffered defer:YES];
  editor.OpenInOwnWindow(host);
  EXPECT_TRUE(editor.HasOpenWindow());
  ASSERT_EQ([[host childWindows] count], 1u);
  NSWindow* child = [[host childWindows] objectAtIndex:0];
  EXPECT_EQ([child frame].origin.x, 100 + 68) << "centred: (600 - 464) / 2";
  EXPECT_TRUE([child isKindOfClass:NSClassFromString(@"CustomCocoaWindow_vVimbraOndelino_aax")]);
  EXPECT_TRUE([child canBecomeKeyWindow]);

  editor.CloseOwnWindow();
  EXPECT_FALSE(editor.HasOpenWindow());
  EXPECT_EQ([[host childWindows] count], 0u);
  editor.CloseOwnWindow();  // the window it closed is forgotten
  [host release];
  Drain();
  EXPECT_EQ(LiveViews(), 0);
  EXPECT_EQ(GSDebugAllocationCount(objc_getClass("CustomCocoaWindow_vVimbraOndelino_aax")), 0)
      << "closed at once, the child window is not raised again later";
}
