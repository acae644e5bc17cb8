#include "mainwindow/LumbraAboutBox.h"

#include "DeviceKinds.h"
#include "mlLabel.h"
#include "mlLngLnk.h"

#include <memory>

TfrmLumbraAbout::TfrmLumbraAbout(TComponent *owner, TmlCustomLang *commonLang) : TAboutBox(owner)
{
    BeginLoading();
    SetName(QStringLiteral("frmLumbraAbout"));
    SetCaption(QStringLiteral("About..."));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(330);
    SetClientHeight(224);
    SetHelpContext(20);

    Label1 = NewTitle(QStringLiteral("Label1"), 8, 8, 314, 40, 28, QStringLiteral("LUMBRA Data Management"));
    AddFigures({.Left = 12, .VersionTop = 58, .MakerTop = 80, .LinkTop = 100, .RuleLeft = 8, .RuleTop = 124,
                .RuleWidth = 314, .MemoryTop = 134, .PhysMemTop = 152, .InUseTop = 174, .FreeResTop = 192},
               QStringLiteral("Version 1.0"), MakerLine, MakerWebAddress);
    AddOkButton(247, 191);

    mlLangLinked1 = new TmlLangLinked(this);
    mlLangLinked1->SetName(QStringLiteral("mlLangLinked1"));
    AddLangEntries(mlLangLinked1, "Управление данными ЛУМБРА", "Версия 1.0");
    mlLangLinked1->SetNumOfLanguages(2);
    mlLangLinked1->Follow(commonLang);

    SetOnCreate(MakeEvent<&TAboutBox::FormCreate>(this));
    EndLoading();
}

void ShowLumbraAbout(TmlCustomLang *commonLang)
{
    const std::unique_ptr<TfrmLumbraAbout> box(new TfrmLumbraAbout(nullptr, commonLang));
    box->ShowModal();
}
