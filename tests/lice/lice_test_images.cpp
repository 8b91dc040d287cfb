// A resource-only DLL for the resource loading tests; it exports nothing.
