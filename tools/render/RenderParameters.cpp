#include "RenderParameters.h"

#include "IPlugBase.h"
#include "RenderOptions.h"

namespace vo {
namespace {

bool IsSwitch(const IPlugParameter& param) { return param.GetKind() == IPlugParameter::kTypeBool; }

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

// A plain value with its unit, as "12 dB" or "50 %".
std::string WithUnit(double value, const IPlugParameter& param) {
  return Number(value) + (*param.Label() ? " " : "") + param.Label();
}

int FindParam(const IPlugBase& plug, const std::string& name) {
  for (int i = 0; i < plug.NParams(); ++i)
    if (name == plug.GetParam(i)->Name()) return i;
  return -1;
}

std::string AllNames(const IPlugBase& plug) {
  std::string names;
  for (int i = 0; i < plug.NParams(); ++i)
    names += std::string(i ? ", \"" : "\"") + plug.GetParam(i)->Name() + "\"";
  return names;
}

}  // namespace

void PrintParameters(const IPlugBase& plug, FILE* out) {
  for (int i = 0; i < plug.NParams(); ++i) {
    const IPlugParameter& param = *plug.GetParam(i);
    std::string range;
    if (IsSwitch(param))
      range = std::string("switch, 0 (off) or 1 (on), default ") + (param.GetDefault() >= 0.5 ? "1" : "0");
    else
      range = Number(param.GetMin()) + " to " + WithUnit(param.GetMax(), param) + ", default " +
              WithUnit(param.GetDefault(), param);
    std::fprintf(out, "  %-16s  %s\n", param.Name(), range.c_str());
  }
}

bool ApplySettings(IPlugBase& plug, const std::vector<std::pair<std::string, std::string>>& settings,
                   std::string* problem) {
  for (const auto& [name, text] : settings) {
    const std::string setting = "--set \"" + name + "=" + text + "\"";
    const int index = FindParam(plug, name);
    double value = 0.0;
    if (index < 0) {
      *problem = setting + ": the plug-in has no parameter \"" + name + "\"; its parameters are " + AllNames(plug);
      return false;
    }
    if (!ParseNumber(text, &value)) {
      *problem = setting + ": \"" + text + "\" is not a finite number";
      return false;
    }
    IPlugParameter* param = plug.GetParam(index);
    if (IsSwitch(*param) && value != 0.0 && value != 1.0) {
      const bool on = value >= 0.5;
      param->RestoreValue(on ? 1.0 : 0.0);
      std::fprintf(stderr, "%s: \"%s\" is a switch (0 = off, 1 = on); %s is taken as %s\n", setting.c_str(),
                   name.c_str(), text.c_str(), on ? "on" : "off");
      continue;
    }
    param->RestoreValue(value);
    if (param->Value() != value)
      std::fprintf(stderr, "%s: %s is outside \"%s\"'s range %g to %g; %g is used\n", setting.c_str(),
                   text.c_str(), name.c_str(), param->GetMin(), param->GetMax(), param->Value());
  }
  return true;
}

}  // namespace vo
