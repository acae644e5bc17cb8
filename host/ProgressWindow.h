#pragma once

#include "forms/Form.h"

#include <QObject>

class TPanel;

// The small window that tells, with the busy cursor, that the program is still at work once its main window
// has gone (a plug-in saving its data at the end); the text is in Panel1.
class TfrmProgress : public TForm {
    Q_OBJECT
public:
    explicit TfrmProgress(TComponent *owner);

    TPanel *Panel1;
};

extern TfrmProgress *frmProgress;

// Shows what a plug-in tells of its progress through the application object's progress property (the plug-in
// contract): on the splash while it shows, else in frmProgress, made for the first text and freed with the
// busy cursor when the plug-in says it is done.
class TProgressDisplay : public QObject {
public:
    TProgressDisplay();
    ~TProgressDisplay() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Show(const QString &text);
    void Close();
};
