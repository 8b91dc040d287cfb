#pragma once
// The editor as the framework core sees it: the plug-in object owns it and
// pushes parameter values into it. The editor framework supplies the full class.

class IGraphics {
 public:
  virtual ~IGraphics() {}

  // Moves every control bound to the parameter to value (plain values are
  // normalised first). Called with the plug-in mutex held where the caller
  // needs it; no allocation.
  virtual void SetParameterValueFromPlug(int paramIndex, double value, bool normalized) = 0;
  // Creates the back buffers; called once when the editor is connected. Allocates.
  virtual void PrepareBackBuffers() = 0;
};
