#pragma once

#include "rtl/Exceptions.h"

// Shows a failure of the plug-in as "From LUMBRA-C:" and its message. A failure of the settings store that the
// user was told of in this action already, by any window of any module, is not told again.
void ReportLumbraFailure(const Exception &error);
