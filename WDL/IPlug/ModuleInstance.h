#pragma once
// The instance handle of the plug-in module (Windows builds): the module
// entry stores it, and the editor loads its bitmap resources through it.

// Written by the module entry while the loader serialises it; read afterwards.
extern void* gModuleInstance;
