#include "HostChecks.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Checker.h"
#include "HostObjects.h"
#include "HostedPlugin.h"
#include "pluginterfaces/vst/ivstunits.h"

using namespace Steinberg;

namespace vo {
namespace vst3host {
namespace {

double ReadDouble(const std::vector<uint8_t>& bytes, size_t at) {
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[at + static_cast<size_t>(i)];
  double value = 0.0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void CheckFactory(Checker& c, IPluginFactory* factory, const GetFactoryProc getFactory) {
  IPluginFactory* again = getFactory();
  c.Expect(again == factory, "a second GetPluginFactory answers the same factory");
  // One reference from each call, one more from this addRef.
  c.Expect(factory->addRef() == 3, "the second GetPluginFactory added one reference");
  factory->release();
  again->release();

  PFactoryInfo info;
  c.Expect(factory->getFactoryInfo(&info) == kResultOk, "getFactoryInfo answers ok");
  c.Expect(std::string(info.vendor) == "Vimbra", "factory vendor is Vimbra");
  c.Expect(info.url[0] != 0 && info.email[0] != 0, "factory has a web address and an e-mail");
  c.Expect(info.flags == 16, "factory flags are 16 (Unicode)");
  c.Expect(factory->countClasses() == 1, "the factory has one class");

  IPluginFactory2* factory2 = nullptr;
  if (!c.Expect(factory->queryInterface(IPluginFactory2::iid, reinterpret_cast<void**>(&factory2)) ==
                        kResultOk && factory2,
                "the factory offers IPluginFactory2")) {
    return;
  }
  PClassInfo2 ci;
  c.Expect(factory2->getClassInfo2(0, &ci) == kResultOk, "getClassInfo2(0) answers ok");
  const unsigned char expectedId[16] = {0x0D, 0xE7, 0xAE, 0xF2, 0xDE, 0x00, 0x4E, 0x4F,
                                        'V',  'm',  'B',  'a',  'O',  'd',  'l',  'n'};
  c.Expect(std::memcmp(ci.cid, expectedId, 16) == 0,
           "class id bytes are 0D E7 AE F2 DE 00 4E 4F 'VmBa' 'Odln'");
  c.Expect(ci.cardinality == 0x7FFFFFFF, "cardinality is any number of instances");
  c.Expect(std::string(ci.category) == "Audio Module Class", "category is Audio Module Class");
  c.Expect(std::string(ci.name) == "VimbraOndelino", "class name is VimbraOndelino");
  c.Expect(ci.classFlags == 2, "class flags are 2");
  c.Expect(std::string(ci.subCategories) == "Fx|Modulation", "sub-categories are Fx|Modulation");
  c.Expect(ci.vendor[0] == 0, "class vendor is empty");
  c.Expect(std::string(ci.version) == "1.2.0", "class version is 1.2.0");
  c.Expect(std::string(ci.sdkVersion) == "VST 3.5.2", "SDK version text is VST 3.5.2");
  c.Expect(factory2->getClassInfo2(1, &ci) != kResultOk, "there is no second class");
  factory2->release();
}

void CheckBuses(Checker& c, Vst::IComponent* component) {
  c.Expect(component->getBusCount(Vst::kAudio, Vst::kInput) == 1, "one audio input bus");
  c.Expect(component->getBusCount(Vst::kAudio, Vst::kOutput) == 1, "one audio output bus");
  c.Expect(component->getBusCount(Vst::kEvent, Vst::kInput) == 0, "no event input bus");
  Vst::BusInfo in{}, out{};
  component->getBusInfo(Vst::kAudio, Vst::kInput, 0, in);
  component->getBusInfo(Vst::kAudio, Vst::kOutput, 0, out);
  c.Expect(ToUtf8(in.name) == "Main Input" && in.channelCount == 2 && in.busType == Vst::kMain &&
               (in.flags & Vst::BusInfo::kDefaultActive),
           "input bus is the stereo, default-active main bus \"Main Input\"");
  c.Expect(ToUtf8(out.name) == "Output" && out.channelCount == 2 && out.busType == Vst::kMain &&
               (out.flags & Vst::BusInfo::kDefaultActive),
           "output bus is the stereo, default-active main bus \"Output\"");
}

struct ExpectedParameter {
  Vst::ParamID id;
  const char* title;
  const char* units;
  int32 flags;
  int32 stepCount;
  double defaultNormalized;
};

void CheckParameters(Checker& c, Vst::IEditController* controller) {
  const ExpectedParameter expected[] = {
      {0x70727374, "Preset", "", 0x8000, 1, 0.0},
      {0x62706173, "Bypass", "", 0x10009, 1, 0.0},
      {0, "Oversample", "", 9, 1, 0.0},
      {1, "Input", "dB", 1, 0, 30.0 / 42.0},
      {2, "Output", "dB", 1, 0, 30.0 / 42.0},
      {3, "Dry/Wet", "%", 1, 0, 0.5},
      {4, "Mode I", "", 9, 1, 1.0},
      {5, "Mode II", "", 9, 1, 0.0},
      {6, "Mode I Rate", "Hz", 1, 0, 0.4 / 1.9},
      {7, "Mode II Rate", "Hz", 1, 0, 0.7 / 1.9},
      {8, "Mode I+II Rate", "Hz", 1, 0, 7.0 / 19.0},
      {9, "Wide", "%", 1, 0, 1.0},
      {10, "Analog Emu.", "", 9, 1, 1.0},
      {11, "Analog Hiss", "", 9, 1, 1.0},
  };
  const int32 count = controller->getParameterCount();
  c.Expect(count == 14, "14 host parameters ('prst', 'bpas', 0 to 11), got " + std::to_string(count));
  for (int32 i = 0; i < count && i < 14; ++i) {
    Vst::ParameterInfo info{};
    controller->getParameterInfo(i, info);
    const ExpectedParameter& e = expected[i];
    const std::string name = std::string("parameter ") + e.title;
    c.Expect(info.id == e.id, name + ": id");
    c.Expect(ToUtf8(info.title) == e.title, name + ": title");
    c.Expect(ToUtf8(info.units) == e.units, name + ": unit text");
    c.Expect(info.flags == e.flags, name + ": flags " + std::to_string(info.flags));
    c.Expect(info.stepCount == e.stepCount, name + ": step count");
    c.Expect(std::fabs(info.defaultNormalizedValue - e.defaultNormalized) < 1e-12, name + ": default");
    c.Expect(info.unitId == 0, name + ": root unit");
  }

  Vst::String128 text = {};
  controller->getParamStringByValue(1, 0.5, text);
  c.Expect(ToUtf8(text) == "-9.0", "\"Input\" at 0.5 reads -9.0");
  controller->getParamStringByValue(3, 0.5, text);
  c.Expect(ToUtf8(text) == "50", "\"Dry/Wet\" at 0.5 reads 50");
  controller->getParamStringByValue(4, 1.0, text);
  c.Expect(ToUtf8(text) == "on", "\"Mode I\" at 1.0 reads on");
  c.Expect(controller->getParamStringByValue(0x62706173, 1.0, text) != kResultOk,
           "the bypass parameter has no text of its own");
  c.Expect(std::fabs(controller->plainParamToNormalized(1, -9.0) - 0.5) < 1e-12,
           "\"Input\" -9 dB is normalised 0.5");
  c.Expect(std::fabs(controller->normalizedParamToPlain(1, 0.5) + 9.0) < 1e-12,
           "\"Input\" normalised 0.5 is -9 dB");
  c.Expect(std::fabs(controller->plainParamToNormalized(3, 70.0) - 0.7) < 1e-12,
           "\"Dry/Wet\" 70 is normalised 0.7");
  c.Expect(std::fabs(controller->getParamNormalized(1) - 30.0 / 42.0) < 1e-12,
           "\"Input\" currently at 30/42");
}

void CheckUnitsAndPrograms(Checker& c, Vst::IEditController* controller) {
  Vst::IUnitInfo* units = nullptr;
  if (!c.Expect(controller->queryInterface(Vst::IUnitInfo::iid, reinterpret_cast<void**>(&units)) ==
                        kResultOk && units,
                "the controller offers IUnitInfo")) {
    return;
  }
  Vst::UnitInfo unit{};
  c.Expect(units->getUnitCount() == 1, "one unit");
  c.Expect(units->getUnitInfo(0, unit) == kResultOk && ToUtf8(unit.name) == "Root Unit" &&
               unit.parentUnitId == -1 && unit.programListId == -1,
           "unit 0 is the root unit");
  Vst::ProgramListInfo list{};
  c.Expect(units->getProgramListInfo(0, list) == kResultOk && list.id == 0x70727374 &&
               ToUtf8(list.name) == "Factory Presets" && list.programCount == 1,
           "one program list 'prst' \"Factory Presets\" with one program");
  Vst::String128 name = {};
  c.Expect(units->getProgramName(0x70727374, 0, name) == kResultOk && ToUtf8(name) == "-",
           "program 0 is named -");
  units->release();

  Vst::IMidiMapping* midi = nullptr;
  if (c.Expect(controller->queryInterface(Vst::IMidiMapping::iid, reinterpret_cast<void**>(&midi)) ==
                       kResultOk && midi,
               "the controller offers IMidiMapping")) {
    Vst::ParamID id = 12345;
    c.Expect(midi->getMidiControllerAssignment(0, 0, 7, id) != kResultOk && id == 12345,
             "no MIDI controller is mapped (the plug-in takes no MIDI)");
    midi->release();
  }
}

void CheckState(Checker& c, HostedPlugin& first, HostedPlugin& second) {
  const std::vector<uint8_t> state = first.State();
  if (!c.Expect(state.size() == 100, "a fresh state is 100 bytes, got " + std::to_string(state.size()))) {
    return;
  }
  const double defaults[12] = {0, 0, 0, 50, 1, 0, 0.5, 0.8, 8, 100, 1, 1};
  for (int i = 0; i < 12; ++i) {
    c.Expect(ReadDouble(state, static_cast<size_t>(8 * i)) == defaults[i],
             "state holds the default of parameter " + std::to_string(i));
  }
  c.Expect(state[96] == 0 && state[97] == 0 && state[98] == 0 && state[99] == 0,
           "state ends with a zero bypass word");

  Vst::IEditController* controller = first.Controller();
  controller->setParamNormalized(3, 0.7);
  controller->setParamNormalized(5, 1.0);
  controller->setParamNormalized(1, 0.25);
  const std::vector<uint8_t> changed = first.State();
  HostStream stream(changed);
  c.Expect(second.Component()->setState(&stream) == kResultOk, "the second instance takes the state");
  c.Expect(second.State() == changed, "the second instance's state equals the first's");
  c.Expect(std::fabs(second.Controller()->getParamNormalized(3) - 0.7) < 1e-12,
           "the second instance's \"Dry/Wet\" is 0.7");
}

}  // namespace

int RunChecks(const PluginModule& module, bool verbose) {
  Checker c(verbose);
  if (!c.Expect(module.Ok(), "the bundle holds a module exporting GetPluginFactory, InitDll and ExitDll " + module.Error())) {
    return c.Failures();
  }
  c.Expect(module.InitDll()(), "InitDll answers true");
  IPluginFactory* factory = module.GetFactory()();
  if (c.Expect(factory != nullptr, "GetPluginFactory answers a factory")) {
    CheckFactory(c, factory, module.GetFactory());

    HostApplication host("VST3 Test Host");
    {
      HostedPlugin first(factory);
      HostedPlugin second(factory);
      if (c.Expect(first.Ok() && second.Ok(),
                   "createInstance answers one object with IComponent, IAudioProcessor and IEditController")) {
        c.Expect(first.Initialize(&host), "initialize answers ok");
        c.Expect(second.Initialize(&host), "a second instance initialises");
        CheckBuses(c, first.Component());
        CheckParameters(c, first.Controller());
        CheckUnitsAndPrograms(c, first.Controller());
        CheckState(c, first, second);
      }
    }
    c.Expect(host.References() == 1, "every reference on the host application was given back");
    factory->release();
  }
  c.Expect(module.ExitDll()(), "ExitDll answers true");
  std::printf("%d failure(s)\n", c.Failures());
  return c.Failures();
}

}  // namespace vst3host
}  // namespace vo
