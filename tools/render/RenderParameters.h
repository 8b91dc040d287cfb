#pragma once
// The plug-in's parameters as the render tool names and sets them, all taken
// from the plug-in's own parameter list: the help's table, and the --set
// settings applied to an instance.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

class IPlugBase;

namespace vo {

// One line per parameter: name, range with unit, default (switches as 0 or 1).
void PrintParameters(const IPlugBase& plug, FILE* out);

// Sets each named parameter to its plain value, in order. Said on standard
// error, the render going on: a value outside the range (clamped into it),
// a switch given other than 0 or 1 (taken as on from 0.5 up, as the plug-in
// reads it). False with *problem for a name the plug-in lacks (the valid
// names listed) or a value that is no finite number.
bool ApplySettings(IPlugBase& plug, const std::vector<std::pair<std::string, std::string>>& settings,
                   std::string* problem);

}  // namespace vo
