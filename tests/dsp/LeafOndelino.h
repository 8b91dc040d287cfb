#pragma once
// The chorus engine as a leaf type, for tests that own engines on the heap:
// deleting a leaf needs no virtual destructor, which the engine has none of.
#include "Ondelino.h"

struct LeafOndelino final : Ondelino {};
