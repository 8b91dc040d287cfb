// The exported factory, its one class and instance creation.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "IPlugVST3.h"
#include "VST3ClassInfo.h"
#include "Vst3TestSupport.h"
#include "moduleentry.h"
#include "pluginfactory.h"
#include "pluginterfaces/vst/ivstcomponent.h"

using namespace Steinberg;

TEST(Vst3Factory, AnswersOneFactoryAndCountsTheReferencesOfEachCall) {
  IPluginFactory* first = GetPluginFactory();
  IPluginFactory* second = GetPluginFactory();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->addRef(), 3u);  // one per call, one here
  EXPECT_EQ(first->release(), 2u);
  EXPECT_EQ(second->release(), 1u);
  EXPECT_EQ(first->release(), 0u);
}

TEST(Vst3Factory, BuildsANewFactoryAfterTheHostReleasedTheLastOne) {
  IPluginFactory* factory = GetPluginFactory();
  factory->release();
  // The remembered pointer went with the factory: a new one is built
  // rather than a destroyed one handed out again.
  EXPECT_EQ(gPluginFactory, nullptr);
  IPluginFactory* fresh = GetPluginFactory();
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->countClasses(), 1);
  fresh->release();
}

TEST(Vst3Factory, DescribesTheVendorAndTheOneClass) {
  IPluginFactory* factory = GetPluginFactory();
  PFactoryInfo info;
  ASSERT_EQ(factory->getFactoryInfo(&info), kResultOk);
  EXPECT_STREQ(info.vendor, "Vimbra");
  EXPECT_NE(info.url[0], 0);
  EXPECT_NE(info.email[0], 0);
  EXPECT_EQ(info.flags, 16);
  ASSERT_EQ(factory->countClasses(), 1);

  IPluginFactory2* factory2 = nullptr;
  ASSERT_EQ(factory->queryInterface(IPluginFactory2::iid, reinterpret_cast<void**>(&factory2)), kResultOk);
  PClassInfo2 ci;
  ASSERT_EQ(factory2->getClassInfo2(0, &ci), kResultOk);
  EXPECT_EQ(ci.cardinality, 0x7FFFFFFF);
  EXPECT_STREQ(ci.category, "Audio Module Class");
  EXPECT_STREQ(ci.name, "VimbraOndelino");
  EXPECT_EQ(ci.classFlags, 2u);
  EXPECT_STREQ(ci.subCategories, "Fx|Modulation");
  EXPECT_STREQ(ci.vendor, "");
  EXPECT_STREQ(ci.version, "1.2.0");
  EXPECT_STREQ(ci.sdkVersion, "VST 3.5.2");
  EXPECT_NE(factory2->getClassInfo2(1, &ci), kResultOk);
  EXPECT_NE(factory2->getClassInfo2(-1, &ci), kResultOk);

  PClassInfo first;
  ASSERT_EQ(factory->getClassInfo(0, &first), kResultOk);
  EXPECT_EQ(std::memcmp(first.cid, ci.cid, 16), 0);
  EXPECT_STREQ(first.name, "VimbraOndelino");
  factory2->release();
  factory->release();
}

TEST(Vst3Factory, ClassIdBytesFollowTheWindowsLayoutOnEveryPlatform) {
  const unsigned char expected[16] = {0x0D, 0xE7, 0xAE, 0xF2, 0xDE, 0x00, 0x4E, 0x4F,
                                      'V',  'm',  'B',  'a',  'O',  'd',  'l',  'n'};
  EXPECT_EQ(std::memcmp(kVimbraOndelinoClassId, expected, 16), 0);
  EXPECT_EQ(std::memcmp(VimbraOndelinoClassInfo().cid, expected, 16), 0);
}

TEST(Vst3Factory, CreatesOneObjectThatIsComponentProcessorAndController) {
  IPluginFactory* factory = GetPluginFactory();
  void* object = nullptr;
  ASSERT_EQ(factory->createInstance(kVimbraOndelinoClassId, Vst::IComponent::iid, &object), kResultOk);
  auto* component = static_cast<Vst::IComponent*>(object);
  Vst::IAudioProcessor* processor = nullptr;
  Vst::IEditController* controller = nullptr;
  ASSERT_EQ(component->queryInterface(Vst::IAudioProcessor::iid, reinterpret_cast<void**>(&processor)), kResultOk);
  ASSERT_EQ(component->queryInterface(Vst::IEditController::iid, reinterpret_cast<void**>(&controller)), kResultOk);
  EXPECT_EQ(static_cast<IPlugVST3*>(processor), static_cast<IPlugVST3*>(controller));

  auto* plug = static_cast<IPlugVST3*>(controller);
  EXPECT_STREQ(plug->isA(), "IPlugVST3");
  EXPECT_TRUE(plug->isTypeOf("SingleComponentEffect"));
  EXPECT_TRUE(plug->isTypeOf("EditController"));
  EXPECT_TRUE(plug->isTypeOf("ComponentBase"));
  EXPECT_TRUE(plug->isTypeOf("FObject"));
  EXPECT_FALSE(plug->isTypeOf("FObject", false));
  EXPECT_EQ(plug->GetApiId(), kApiVst3);

  controller->release();
  processor->release();
  component->release();
  factory->release();
}

TEST(Vst3Factory, RefusesUnknownClassesAndInterfacesWithoutLeaking) {
  IPluginFactory* factory = GetPluginFactory();
  void* object = reinterpret_cast<void*>(1);
  TUID unknown = {};
  EXPECT_EQ(factory->createInstance(unknown, Vst::IComponent::iid, &object), kNoInterface);
  EXPECT_EQ(object, nullptr);
  // A refused interface destroys the instance again (the leak check sees it).
  EXPECT_EQ(factory->createInstance(kVimbraOndelinoClassId, IPluginFactory::iid, &object), kNoInterface);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(factory->createInstance(kVimbraOndelinoClassId, Vst::IComponent::iid, nullptr), kInvalidArgument);
  factory->release();
}

TEST(Vst3Module, InitDllAndExitDllNestAndAnswerTrue) {
  const int before = ModuleInitCount();
  EXPECT_TRUE(InitDll());
  EXPECT_TRUE(InitDll());
  EXPECT_EQ(ModuleInitCount(), before + 2);
  EXPECT_TRUE(ExitDll());
  EXPECT_TRUE(ExitDll());
  EXPECT_EQ(ModuleInitCount(), before);
  EXPECT_TRUE(ExitDll());  // unmatched: harmless
  EXPECT_EQ(ModuleInitCount(), 0);
}
