#pragma once

#include "classes/Component.h"
#include "classes/Events.h"

#include <QFileDialog>
#include <QMap>
#include <QPointer>
#include <QString>


enum TOpenOption : unsigned {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofFileMustExist = 1u << 12,
    ofOldStyleDialog = 1u << 19,
};
using TOpenOptions = unsigned;

// Identifiers of the open dialog's controls whose texts can be set while it shows.
enum : int {
    IDOK_BUTTON = 1,
    IDCANCEL_BUTTON = 2,
    pshHelp = 1038,
    chx1 = 1040,
    stc2 = 1089,
    stc3 = 1090,
    stc4 = 1091,
    stcNoId = 65535,
};

// The file-open dialog. Filter holds name and mask pairs separated by "|" ("Text files (*.txt)|*.txt"); Execute
// shows the dialog (through the modal hook, kind mkCommonDialog, when one is set) and answers whether the user
// chose a file, which is then in FileName. DoShow runs once the dialog window exists, before the user sees it.
class TOpenDialog : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString DefaultExt READ DefaultExt WRITE SetDefaultExt)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
    Q_PROPERTY(int FilterIndex READ FilterIndex WRITE SetFilterIndex)
    Q_PROPERTY(QString InitialDir READ InitialDir WRITE SetInitialDir)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(TOpenOptions Options READ Options WRITE SetOptions)

public:
    explicit TOpenDialog(TComponent *owner);
    ~TOpenDialog() override;

    const QString &DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const QString &ext) { defaultExt_ = ext; }
    const QString &FileName() const { return fileName_; }
    void SetFileName(const QString &name) { fileName_ = name; }
    const QString &Filter() const { return filter_; }
    void SetFilter(const QString &filter) { filter_ = filter; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const QString &InitialDir() const { return initialDir_; }
    void SetInitialDir(const QString &dir) { initialDir_ = dir; }
    const QString &Title() const { return title_; }
    void SetTitle(const QString &title) { title_ = title; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions options) { options_ = options; }

    bool Execute();

    // While the dialog shows: sets the text of one of its controls (stc2 "Files of type", stc3 "File name",
    // stc4 "Look in" (in the old-style dialog "Drives", with stcNoId for "Look in"), chx1 "Read-only", pshHelp
    // "Help", IDOK_BUTTON "Open", IDCANCEL_BUTTON "Cancel"). Answers false when the dialog is not showing.
    bool SetControlText(int control, const QString &text);
    // The text last set for a control during the current or last showing; empty when none was set.
    QString ControlText(int control) const { return controlTexts_.value(control); }
    // The dialog window while it shows.
    QFileDialog *Dialog() const { return dialog_; }

    TNotifyEvent OnShow() const { return onShow_; }
    void SetOnShow(TNotifyEvent event) { onShow_ = event; }

protected:
    virtual void DoShow();

private:
    QString defaultExt_;
    QString fileName_;
    QString filter_;
    int filterIndex_ = 1;
    QString initialDir_;
    QString title_;
    TOpenOptions options_ = ofHideReadOnly;
    QPointer<QFileDialog> dialog_;
    QMap<int, QString> controlTexts_;
    TNotifyEvent onShow_;
};

// Qt's filter list for a "name|mask|name|mask" filter.
QStringList QtNameFilters(const QString &filter);
