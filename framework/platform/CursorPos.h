#pragma once

#include "classes/Types.h"

// Where the mouse pointer is, in screen coordinates.
TPoint GetCursorPos();
