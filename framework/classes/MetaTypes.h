#pragma once

// Registers the pointer types of the framework's class-kind published properties with Qt's process-wide type
// registry. The host calls it before it loads any plug-in: a type that a plug-in registered first would leave
// the registry pointing into the plug-in's memory once the plug-in is unloaded. Add every new class-kind
// property type here.
void RegisterFrameworkMetaTypes();
