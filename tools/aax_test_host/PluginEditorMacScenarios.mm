// The macOS form of the module in a host, on GNUstep: the host loads the
// module from the bundle's Contents/MacOS/ and makes the bundle known (as a
// macOS host loads it), opens the editor in a window's view, sees the background drawn into the window surface, drags a knob as
// a user does and closes the editor; no editor view is left alive and the
// module can be unloaded.

// GNUstep offers its allocation counts only to builds without NDEBUG.
#ifdef NDEBUG
#undef NDEBUG
#include <Foundation/NSDebug.h>
#define NDEBUG 1
#else
#include <Foundation/NSDebug.h>
#endif

#include "HostObjects.h"
#include "HostedGUI.h"
#include "PluginSession.h"

#include "MacSeamScripts.h"
#include <png.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <climits>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace fakehost {
namespace {

// "Dry/Wet": host parameter "4", its knob's rect in the editor.
constexpr int kKnobL = 305, kKnobT = 252, kKnobR = 369, kKnobB = 336;

// A PNG file as top-down rows of red, green, blue; empty when unreadable.
std::vector<unsigned char> ReadRgb(const std::string& path, int* width) {
  png_image image = {};
  image.version = PNG_IMAGE_VERSION;
  std::vector<unsigned char> rgb;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return rgb;
  image.format = PNG_FORMAT_RGB;
  rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) rgb.clear();
  *width = int(image.width);
  return rgb;
}

std::string BundleFolder() {
  const char* folder = std::getenv("VO_AAX_BUNDLE");
  return folder ? folder : "";
}

// The file a path names, links resolved; empty when there is none.
std::string RealPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? resolved : "";
}

class MacFormEditorHost : public testing::Test {
protected:
  static void SetUpTestSuite() {
    NSApplicationLoad();
    GSDebugAllocationActive(YES);
    // A macOS host loads the bundle, which makes it known by its identifier.
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    // GNUstep forgets a bundle nobody holds; the host holds it for the run.
    static NSBundle* bundle = [[NSBundle bundleWithPath:[NSString stringWithUTF8String:BundleFolder().c_str()]] retain];
    ASSERT_NE(nil, bundle);
    [pool release];
  }

  void SetUp() override {
    pool = [[NSAutoreleasePool alloc] init];
    window = [[NSWindow alloc] initWithContentRect:NSMakeRect(0, 0, 800, 800) styleMask:0
                                           backing:NSBackingStoreBuffered defer:YES];
    [window setReleasedWhenClosed:NO];
    session.reset(new PluginSession(ModuleUnderTest()));
    ASSERT_TRUE(session->Ok()) << session->Error();
    effect.reset(new HostedEffect(*session, "A"));
    ASSERT_TRUE(effect->Ok());
    ASSERT_EQ(0, effect->Bind());
    ASSERT_EQ(0, effect->InitPrivateData());
    gui.reset(new HostedGUI(*session, *effect));
    ASSERT_TRUE(gui->Ok());
    gui->parentWindow = [window contentView];
  }

  void TearDown() override {
    gui.reset();
    // Once the editor has gone, every value the host saw lay inside a touch
    // of its parameter and every touch was released.
    if (effect) {
      EXPECT_THAT(effect->gestures.Problems(), testing::IsEmpty()) << effect->gestures.Transcript();
    }
    if (effect) effect->Unbind();
    effect.reset();
    if (session) {
      EXPECT_EQ(0, session->entry.canUnloadNow(nullptr)) << "the module can be unloaded";
      EXPECT_EQ(0, session->Shutdown());
      EXPECT_THAT(session->host.LedgerProblems(), testing::IsEmpty());
    }
    session.reset();
    [window release];
    [pool release];
    pool = [[NSAutoreleasePool alloc] init];
    EXPECT_EQ(0, GSDebugAllocationCount(objc_getClass("IGraphicsCocoa_vVimbraOndelino_aax")))
        << "an editor view is still alive";
    [pool release];
  }

  std::vector<std::string> Automation() {
    std::vector<std::string> calls;
    for (const Call& call : session->host.Calls())
      if (call.object == effect->controller->Name() && call.face == "automation") calls.push_back(call.Text());
    return calls;
  }

  // A mouse event at an editor pixel, as the system sends it: the pixel's
  // centre in the view's bottom-left coordinates.
  NSEvent* Mouse(NSEventType type, int x, int y, int clickCount = 1) {
    return [NSEvent mouseEventWithType:type location:NSMakePoint(x + 0.5, 480 - y - 0.5) modifierFlags:0
                             timestamp:0 windowNumber:[window windowNumber] context:nil eventNumber:0
                            clickCount:clickCount pressure:1];
  }

  NSAutoreleasePool* pool = nil;
  NSWindow* window = nil;
  std::unique_ptr<PluginSession> session;
  std::unique_ptr<HostedEffect> effect;
  std::unique_ptr<HostedGUI> gui;
};

TEST_F(MacFormEditorHost, LoadsTheModuleAndItsImagesFromTheAppleBundleLayout) {
  Dl_info info = {};
  ASSERT_NE(0, dladdr(ModuleUnderTest().Symbol(EntryPoints::kNames[0]), &info));
  EXPECT_EQ(RealPath(BundleFolder() + "/Contents/MacOS/VimbraOndelino"), RealPath(info.dli_fname));

  NSBundle* bundle = [NSBundle bundleWithIdentifier:[NSString stringWithUTF8String:VO_PLUGIN_BUNDLE_ID]];
  ASSERT_NE(nil, bundle);
  NSString* background = [bundle pathForResource:@"bkg" ofType:@"png"];
  ASSERT_NE(nil, background);
  EXPECT_EQ(RealPath(BundleFolder() + "/Contents/Resources/bkg.png"), RealPath([background fileSystemRepresentation]));
}

TEST_F(MacFormEditorHost, OpensInAWindowShowsTheBackgroundTakesADragAndCloses) {
  ASSERT_EQ(0, gui->Bind());
  ASSERT_EQ(0, gui->Attach());
  NSArray* views = [[window contentView] subviews];
  ASSERT_EQ(1u, [views count]);
  NSView* view = [views objectAtIndex:0];
  EXPECT_STREQ("IGraphicsCocoa_vVimbraOndelino_aax", [NSStringFromClass([view class]) UTF8String]);
  EXPECT_EQ(464, [view frame].size.width);
  EXPECT_EQ(480, [view frame].size.height);

  // The window surface the view draws into.
  std::vector<unsigned char> surface(464 * 480 * 4, 0);
  CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
  CGContextRef context = CGBitmapContextCreate(surface.data(), 464, 480, 8, 464 * 4, space, kCGImageAlphaNoneSkipFirst);
  CGColorSpaceRelease(space);
  MacSeamSetDrawingContext(context);
  [view drawRect:[view bounds]];
  MacSeamSetDrawingContext(nullptr);
  CGContextRelease(context);

  int backgroundWidth = 0;
  const std::vector<unsigned char> background = ReadRgb(BundleFolder() + "/Contents/Resources/bkg.png", &backgroundWidth);
  ASSERT_FALSE(background.empty());
  int differing = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const unsigned char* b = &background[(y * backgroundWidth + x) * 3];
      const unsigned char* s = &surface[(y * 464 + x) * 4];
      for (int c = 0; c < 3; ++c) differing += std::abs(s[1 + c] - int(b[c])) > 2;
    }
  EXPECT_EQ(0, differing) << "the window's top-left corner shows the background";

  // A drag up on "Dry/Wet": begin, values, end.
  session->host.ClearTranscript();
  const int x = (kKnobL + kKnobR) / 2, y = (kKnobT + kKnobB) / 2;
  [view mouseDown:Mouse(NSLeftMouseDown, x, y)];
  for (int step = 1; step <= 3; ++step) [view mouseDragged:Mouse(NSLeftMouseDragged, x, y - 10 * step)];
  [view mouseUp:Mouse(NSLeftMouseUp, x, y - 30)];
  const std::vector<std::string> calls = Automation();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ("controllerA.automation[7](\"4\")", calls.front());
  EXPECT_EQ("controllerA.automation[8](\"4\")", calls.back());
  int values = 0;
  for (const std::string& call : calls) values += call.rfind("controllerA.automation[5](\"4\", ", 0) == 0;
  EXPECT_GE(values, 3) << "one value for each drag step";

  EXPECT_EQ(0, gui->Detach());
  EXPECT_EQ(0u, [[[window contentView] subviews] count]);
  EXPECT_EQ(0, gui->Unbind());
}

// A double click on "Dry/Wet" after a drag, as the system sends it (the
// second press counts two clicks): the first press re-sends the knob's value
// inside its touch, the default follows in a touch of its own, each value
// request inside the wrapper's own touch and release.
TEST_F(MacFormEditorHost, ADoubleClickRestoresTheKnobsDefaultInAGestureOfItsOwn) {
  ASSERT_EQ(0, gui->Bind());
  ASSERT_EQ(0, gui->Attach());
  NSView* view = [[[window contentView] subviews] objectAtIndex:0];
  const int x = (kKnobL + kKnobR) / 2, y = (kKnobT + kKnobB) / 2;
  [view mouseDown:Mouse(NSLeftMouseDown, x, y)];
  [view mouseDragged:Mouse(NSLeftMouseDragged, x, y - 30)];  // 30 up: 0.5 + 30 / 64 / 4
  [view mouseUp:Mouse(NSLeftMouseUp, x, y - 30)];
  EXPECT_THAT(effect->gestures.Problems(), testing::IsEmpty());
  effect->gestures.Clear();

  [view mouseDown:Mouse(NSLeftMouseDown, x, y)];
  [view mouseUp:Mouse(NSLeftMouseUp, x, y)];
  [view mouseDown:Mouse(NSLeftMouseDown, x, y, 2)];
  [view mouseUp:Mouse(NSLeftMouseUp, x, y, 2)];
  EXPECT_EQ("b4 b4 v4=0.617188 e4 e4 b4 b4 v4=0.5 e4 e4", effect->gestures.Transcript());
  EXPECT_THAT(effect->gestures.Problems(), testing::IsEmpty());
  EXPECT_EQ(0, gui->Detach());
  EXPECT_EQ(0, gui->Unbind());
}

}  // namespace
}  // namespace fakehost
