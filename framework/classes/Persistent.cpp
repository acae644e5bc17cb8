#include "classes/Persistent.h"

TPersistent::TPersistent() : QObject(nullptr) {}

TPersistent::~TPersistent() = default;
