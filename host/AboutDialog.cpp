#include "AboutDialog.h"

#include "DeviceKinds.h"
#include "MainWindow.h"
#include "controls/Image.h"
#include "controls/Panel.h"
#include "graphics/Bitmap.h"
#include "mlLabel.h"
#include "mlLang.h"
#include "mlLangDispatcher.h"

TfrmAbout::TfrmAbout(TComponent *owner) : TAboutBox(owner)
{
    BeginLoading();
    SetName(QStringLiteral("frmAbout"));
    SetCaption(QStringLiteral("About..."));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(442);
    SetClientHeight(332);
    SetHelpContext(20);

    mlLabel1 = NewTitle(QStringLiteral("mlLabel1"), 214, 8, 225, 81, 35, QStringLiteral("Ormel Software Environment"));
    AddFigures({.Left = 218, .VersionTop = 100, .MakerTop = 122, .LinkTop = 144, .RuleLeft = 216, .RuleTop = 168,
                .RuleWidth = 218, .MemoryTop = 182, .PhysMemTop = 200, .InUseTop = 226, .FreeResTop = 244},
               QStringLiteral("Version 1.03"), MakerLine, MakerWebAddress);

    Panel1 = new TPanel(this);
    Panel1->SetName(QStringLiteral("Panel1"));
    Panel1->SetParent(this);
    Panel1->SetBounds(3, 3, 205, 326);
    Panel1->SetBevelOuter(bvLowered);
    Panel1->SetCaption(QString());

    Image1 = new TImage(this);
    Image1->SetName(QStringLiteral("Image1"));
    Image1->SetParent(Panel1);
    Image1->SetBounds(2, 2, 201, 322);
    Image1->Picture()->Bitmap()->LoadFromResourceName(QStringLiteral("ABOUT"));

    AddOkButton(359, 299);

    mlLang1 = new TmlLang(this);
    mlLang1->SetName(QStringLiteral("mlLang1"));
    mlLang1->SetLangDelim(2);
    AddLangEntries(mlLang1, "", "Версия 1.03");
    mlLang1->SetNumOfLanguages(2);
    mlLang1->SetOptions(loUseExtCommonStrings);
    if (frmMain)
        mlLang1->SetLangDispatcher(frmMain->mlLangDispatcher1);

    SetOnCreate(MakeEvent<&TAboutBox::FormCreate>(this));
    EndLoading();
}
