#pragma once

#include <QString>

class QWidget;

// The script driver's side of Qt's common dialogs, the plug-ins' too: the print dialog, the print preview window
// and the colour dialog, which no form stands behind.

// A line of what the dialog shows: "printdialog" (title, the PDF file it prints to, page range, copies),
// "preview" (title, pages, the PDF file it prints to) or "colordialog" (title, colour as #rrggbb); none for
// any other window.
void ReportCommonDialog(QWidget *window);

// One action of an answer on such a dialog; false when the action is not one of these:
//   color=#RRGGBB   makes that the colour dialog's current colour
//   pdf=PATH        the print dialog's or the preview's printer writes that PDF file; the preview prints at once
//   print           presses the preview's print button (its print dialog is the next modal window answered)
//   page=N          the preview shows its page N
bool ActOnCommonDialog(QWidget *window, const QString &action, const QString &value);
