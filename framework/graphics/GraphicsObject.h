#pragma once

#include "classes/Events.h"
#include "classes/Persistent.h"

// Base of pens, brushes and fonts: OnChange runs after every change of a value, so the control that owns
// the object can apply it again.
class TGraphicsObject : public TPersistent {
    Q_OBJECT
public:
    TNotifyEvent OnChange;

protected:
    void Changed() { OnChange(this); }
};
