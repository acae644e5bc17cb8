#pragma once

#include <QStringList>

class TControl;

// The script driver's mouse: a left button pressed, moved and released at points of a control, in its client
// coordinates, as a user's hand does. Between a press and its release every move carries the held button.
//   mouse-down WINDOW NAME X Y, mouse-move WINDOW NAME X Y, mouse-up WINDOW NAME X Y
//   drag WINDOW NAME X1 Y1 X2 Y2      the mouse comes to the first point, presses there, moves to the second,
//                                     releases there and rests
// False when the command is none of these.
bool RunMouseCommand(const QString &command, const QStringList &args, const TControl *control);
