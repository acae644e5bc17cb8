#include "forms/Application.h"
#include "forms/Screen.h"

// One unit for both, so that their order is fixed: the application, which frees the forms it still owns,
// goes before the screen those forms leave. A plug-in's globals go while the program still runs.
namespace {
TScreen screenInstance;
TApplication applicationInstance;
} // namespace

TScreen *const Screen = &screenInstance;
TApplication *const Application = &applicationInstance;
