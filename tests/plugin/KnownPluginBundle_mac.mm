// With the Cocoa view the editor loads its images from the plug-in's bundle,
// which it finds by the bundle's identifier: in a macOS host the bundle is
// known because the host loaded it. This program makes the plug-in without
// a host, so before its tests it makes the built bundle known the same way.

#include "MacPlatform.h"

#include <gtest/gtest.h>

namespace {

class KnownPluginBundle : public testing::Environment {
public:
  void SetUp() override {
    // As in a host, the application runs before any bundle is loaded.
    NSApplicationLoad();
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    // Held for the whole process, as a host holds the bundles it loaded:
    // GNUstep forgets a bundle that nobody holds.
    static NSBundle* bundle = [[NSBundle bundleWithPath:[NSString stringWithUTF8String:VO_AAX_BUNDLE]] retain];
    [pool release];
    ASSERT_NE(nil, bundle) << "no bundle at " << VO_AAX_BUNDLE;
  }
};

testing::Environment* const gKnownPluginBundle = testing::AddGlobalTestEnvironment(new KnownPluginBundle);

}  // namespace
