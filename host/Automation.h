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
//   key KEY                   presses the key (F1, or one letter) in the main window
//   lookup LIST NAME          the main window's text of that name in its Strings, DlgsCaptions or Locales list,
//                             in the active language (the first language's where that one is empty)
//   memory BYTES PERCENT      the machine's memory figures from now on
//   answer RESULT [ACTION...] answers the next modal window: a form's modal result, a message box's button,
//                             1 or 0 for a dialog; before that, ACTIONs: "Name.Property=value" sets a
//                             property of the form's component, "click=Name" presses its button,
//                             "key=KEY" presses the key in the form, "file=PATH" picks the file in a file dialog
//   wait MS                   lets the program run on its own for MS milliseconds
//   close                     closes the main window
// Every modal window, help request, shell request and progress line of the splash window is reported too.
// Report lines are a kind and TAB-separated name=value pairs; TABs and line breaks in values are escaped.
void StartAutomation();
