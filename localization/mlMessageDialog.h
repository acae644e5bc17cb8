#pragma once

#include "forms/Form.h"

#include <QString>
#include <initializer_list>

class TmlCustomLang;

// Kinds of message dialog: each but the custom one has a title among the dialog captions and a system icon;
// the custom one carries the application's title and no icon.
enum TMsgDlgType : quint8 { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// The buttons in the order they stand in a dialog; bit i of a button set stands for button i.
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = quint16;

constexpr TMsgDlgButtons MsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons)
{
    TMsgDlgButtons set = 0;
    for (const TMsgDlgBtn button : buttons)
        set |= TMsgDlgButtons(1u << button);
    return set;
}

// A message dialog built at run time in the system's message font: an icon, the message and a row of buttons,
// all measured in the font's average character.
class TMessageForm : public TForm {
    Q_OBJECT
public:
    explicit TMessageForm(TComponent *owner);

    // The Help button: shows the help topic of the form's help context and leaves the dialog open.
    void HelpButtonClick(TObject *sender);
};

// The Strings entry named by the number's decimal text, as LookupString gives it.
QString LookupStringByNumber(TmlCustomLang *lang, qint32 number);

// A new dialog, centred on the screen and not shown; the caller owns it. Title and button captions are the
// dialog captions of the language component in its active language, or in its first language where that
// text is empty.
TMessageForm *CreateMessageForm(TmlCustomLang *lang, const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons);

// Shows the dialog modally and answers its modal result (mrYes, mrNo, mrOk, mrCancel, ...). X and Y, when not
// negative, place its left and top edge instead of centring it; the help file, when given, is the one its Help
// button opens.
TModalResult ShowMessageDlg(TmlCustomLang *lang, const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons,
                            int helpContext);
TModalResult ShowMessageDlgPos(TmlCustomLang *lang, const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons,
                               int helpContext, int x, int y, const QString &helpFile);
