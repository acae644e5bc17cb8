#pragma once

// Lets a script drive the running program and report what it shows, for the end-to-end tests. Off unless the
// environment variable ORMEL_AUTOMATION names a script file; the report goes to the standard output.
//
// The script has one command per line, its fields separated by TABs. Once the main window is shown the
// commands run in order, and the program is closed after the last one:
//   dump                      the main window: menus, tool bars, status line
//   click NAME                chooses the main window's menu entry or presses its button of that name
//   click-menu I J            chooses entry J of the menu bar's entry I
//   click-tool T B            presses button B of tool bar T on the tool-bar panel
//   hover-menu I J            highlights entry J of the menu bar's entry I
//   hover-tool T B            moves the mouse onto button B of tool bar T
//   key KEY [WINDOW]          presses the key (F1, or one letter) in the main window, or in the window named
//   lookup LIST NAME          the main window's text of that name in its Strings, DlgsCaptions or Locales list,
//                             in the active language (the first language's where that one is empty)
//   memory BYTES PERCENT      the machine's memory figures from now on
//   answer RESULT [ACTION...] answers the next modal window, the plug-ins' too: a form's modal result, a message
//                             box's button, 1 or 0 for a dialog; before that, ACTIONs: "Name.Property=value"
//                             sets a property of the form's component, "click=Name" presses its button,
//                             "set=Name:VALUE" and "choose=Name:INDEX" as the commands below, "key=KEY"
//                             presses the key (F1, Enter, Escape or one letter) in the form, "file=PATH" picks
//                             the file in a file dialog, "shot=FILE" saves the window's picture; in the print
//                             dialog, print preview and colour dialog "pdf=PATH", "print", "page=N" and
//                             "color=#RRGGBB" (host/AutomationDialogs.h); RESULT 0 leaves a form the result its
//                             actions gave it
//   modal                     takes the next modal window's turn among the answers and keeps it open: the commands
//                             after this one run while it shows, and can open and answer windows of their own,
//                             until one closes it (its OK button, say) or "end-modal RESULT" ends it with that
//                             modal result; the commands after that run once it is gone
//   wait MS                   lets the program run on its own for MS milliseconds
//   pause FILE                makes FILE and waits until it is gone (a minute at most): a test does what another
//                             program would at that moment
//   show-help                 from now on the host's help requests, still reported, are also shown as the program
//                             shows them: the page, or the box that names the missing help file (the plug-ins'
//                             help requests are always shown so)
//   watch-cursor              from now on notes whether the busy cursor shows while the program handles events
//   cursor                    reports whether it did since "watch-cursor" (busy=1) and the cursor now, and stops
//   close [WINDOW]            closes the main window, or the window named, as its close box does
// WINDOW names any module's window by its form's Name or class (frmMain, frmLumbra, TfrmLumbra; of several, the
// modal one on top), NAME and GRID a control or menu entry of its form by Name:
//   windows                   every form's window: name, class, caption, shown, modal, place and size
//   controls WINDOW           every component of the window: name, class, text (a memo's lines), visible,
//                             enabled, state (checked, down, item index, read-only)
//   grid WINDOW GRID          the grid's size, current row and column, top row, column widths (-1 hidden),
//                             then every row (0 the header) with its cells as fields 0, 1, ...
//   status WINDOW             the texts of the window's status line
//   header WINDOW GRID COL    clicks the header cell of column COL
//   select WINDOW GRID ROW    clicks row ROW (1 the first data row)
//   dblclick WINDOW GRID ROW  double-clicks row ROW
//   set WINDOW NAME VALUE     types VALUE into the edit, spin edit or memo
//   choose WINDOW NAME INDEX  chooses item INDEX of the drop-down list, or page INDEX of the page control
//   press WINDOW NAME         presses the button, speed button or check box, or chooses the menu entry
//   menu WINDOW I J           chooses entry J of the window's menu-bar entry I (separators count)
//   drag WINDOW NAME X1 Y1 X2 Y2  the mouse comes to (X1, Y1) of the control, presses the left button, moves to
//                             (X2, Y2), releases it there and rests
//   mouse-down WINDOW NAME X Y    presses the left mouse button at the point of the control (client pixels)
//   mouse-move WINDOW NAME X Y    moves the mouse there, the button still held after a mouse-down
//   mouse-up WINDOW NAME X Y      releases the button there
//   shot WINDOW FILE [NAME]   saves the picture of the window, or of its control NAME, as it would stand on the
//                             screen (PNG), modal or not
// Every modal window, help request, shell request, file opened on the desktop (a help page, any module's) and
// progress line of the splash window is reported too, and what a print dialog, print preview or colour dialog
// shows, and each progress text a plug-in tells ("progress": the window it shows in, the text, whether the busy
// cursor is on).
// Report lines are a kind and TAB-separated name=value pairs; TABs and line breaks in values are escaped.
void StartAutomation();
