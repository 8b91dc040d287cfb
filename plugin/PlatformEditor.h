#pragma once
// The editor view of the platform being built: the Windows view in the
// Windows deliverables, the headless stand-in where there are no windows.
// Creating thread; allocates.

class IGraphics;
class IPlugBase;

IGraphics* CreatePlatformEditor(IPlugBase* plug, int width, int height, int fps);
