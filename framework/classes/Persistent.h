#pragma once

#include "classes/Object.h"

#include <QObject>

// Base of every object with published properties. Published properties are the Q_PROPERTYs a class
// declares; QObject's own objectName is not one of them.
class TPersistent : public QObject, public TObject {
    Q_OBJECT
public:
    TPersistent();
    ~TPersistent() override;
};
