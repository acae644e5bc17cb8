#pragma once

class QWidget;

// A window handle is the window's widget: the host hands its application window to the plug-ins, whose windows
// then belong to it.
using HWND = QWidget *;
