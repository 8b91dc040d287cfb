#include "ModuleInstance.h"

void* gModuleInstance = nullptr;
