#pragma once

#include <QEvent>
#include <QPoint>
#include <QString>

class QWidget;
class TComponent;
class TControl;

// Reaches the windows of every module, the host's and the plug-ins', for the script driver. A module's
// Application and Screen list only its own forms and each module has its own copy of the framework's code and
// globals, so these walk Qt's list of windows (one Qt per process), read the controls through Qt and their
// published properties, and act the way a user does: Qt clicks, key and mouse events, and Qt's own setters,
// which run the handlers of the module that made the control.

// A window of a form with that Name or class ("frmLumbra", "TfrmLumbra"), the modal one on top first when several
// match; null when there is none.
QWidget *FindWindow(const QString &name);
// The component of that Name on the window's form; null when there is none.
TComponent *WindowComponent(QWidget *window, const QString &name);

// "window" lines: every window of a form, shown or not.
void ReportWindows();
// "control" lines: every component of the window's form: name, class, text, visible and enabled (as the user
// would see them while the window shows), and a button's or check box's state, a list's item index, a value.
void ReportControls(QWidget *window);
// A "grid" line (rows, columns, current cell, top row, column widths with -1 for hidden ones), then one "row"
// line per row, header row 0 included, its cells as fields 0, 1, 2, ...
void ReportGrid(const TControl *grid);
// A "status" line per status bar of the window: its simple text and panel texts as fields 0, 1, ...
void ReportStatus(QWidget *window);

// A left click on the header cell of the column.
void ClickHeader(const TControl *grid, int col);
// A left click, or a double click, on the row's first shown cell, scrolled into view first.
void ClickRow(const TControl *grid, int row, bool twice);
// Presses a button, speed button or check box, triggers a menu entry, clicks any other control.
void PressControl(TComponent *component);
// The mouse over the control: arriving at one point, dragging with the left button to the other, resting there.
void DragControl(const TControl *control, QPoint from, QPoint to);
// One step of the mouse over the control at the point: a left-button press (QEvent::MouseButtonPress), a move or
// a release. Moves between a press and its release carry the held button.
void MouseStep(const TControl *control, QEvent::Type type, QPoint at);
// Puts the value into an edit, spin edit or memo as typing would.
void SetValue(const TControl *control, const QString &value);
// Chooses an item of a drop-down list or a page of a page control as the user would.
void ChooseItem(const TControl *control, int index);
// Chooses entry `entry` of the window's menu-bar entry `menu` (separators count).
void ChooseMenuEntry(QWidget *window, int menu, int entry);
// Saves the picture of a window or control, as it would stand on the screen, to the file (PNG by its extension).
void SavePicture(QWidget *widget, const QString &file);
