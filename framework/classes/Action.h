#pragma once

#include "classes/Component.h"

// What a control or menu item can be linked to. No window of the program links one, but a linked control keeps
// the texts its action gives it, so the link itself exists.
class TBasicAction : public TComponent {
    Q_OBJECT
public:
    using TComponent::TComponent;
};
