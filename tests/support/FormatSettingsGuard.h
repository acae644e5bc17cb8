#pragma once

#include "rtl/FormatSettings.h"

// Puts the process locale settings back when a test that changes them ends; starts from "." and ",".
class FormatSettingsGuard {
public:
    FormatSettingsGuard()
    {
        FormatSettings.DecimalSeparator = u'.';
        FormatSettings.ThousandSeparator = u',';
    }
    ~FormatSettingsGuard() { FormatSettings = saved_; }

private:
    TFormatSettings saved_ = FormatSettings;
};
