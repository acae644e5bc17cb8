#pragma once

#include "forms/Form.h"
#include "mlLang.h"
#include "mlLangDispatcher.h"

// The plug-in's main window as its other windows see it: a language component on a dispatcher of two
// languages, English active.
struct TMainWindowLang {
    TMainWindowLang()
    {
        Dispatcher->SetNumOfLanguages(2);
        Lang->SetLangDispatcher(Dispatcher);
    }

    TForm Form{nullptr};
    TmlLang *Lang = new TmlLang(&Form);
    TmlLangDispatcher *Dispatcher = new TmlLangDispatcher(&Form);
};
