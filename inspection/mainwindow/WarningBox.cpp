#include "mainwindow/WarningBox.h"

#include "LangEntry.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "graphics/Bitmap.h"
#include "mlLngLnk.h"
#include "mlMessageDialog.h"
#include "platform/SystemResources.h"

#include <memory>

namespace {
TWarningsLink &Warnings()
{
    static TWarningsLink link;
    return link;
}
} // namespace

void LinkWarnings(TWarningsLink link) { Warnings() = std::move(link); }

TfrmMessage::TfrmMessage(TComponent *owner) : TForm(owner)
{
    BeginLoading();
    SetName(QStringLiteral("frmMessage"));
    SetCaption(QStringLiteral("Warning"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(369);
    SetClientHeight(101);

    Image1 = new TImage(this);
    Image1->SetName(QStringLiteral("Image1"));
    Image1->SetParent(this);
    Image1->SetBounds(8, 8, 32, 32);

    lbMessage = new TLabel(this);
    lbMessage->SetName(QStringLiteral("lbMessage"));
    lbMessage->SetParent(this);
    lbMessage->SetAutoSize(false);
    lbMessage->SetWordWrap(true);
    lbMessage->SetBounds(52, 8, 309, 52);
    lbMessage->SetCaption(QString());

    CheckBox1 = new TCheckBox(this);
    CheckBox1->SetName(QStringLiteral("CheckBox1"));
    CheckBox1->SetParent(this);
    CheckBox1->SetBounds(8, 72, 220, 17);
    CheckBox1->SetCaption(QStringLiteral("Don't show again"));
    CheckBox1->SetOnClick(MakeEvent<&TfrmMessage::CheckBox1Click>(this));

    Button1 = new TButton(this);
    Button1->SetName(QStringLiteral("Button1"));
    Button1->SetParent(this);
    Button1->SetBounds(286, 68, 75, 25);
    Button1->SetCaption(QStringLiteral("&OK"));
    Button1->SetDefault(true);
    Button1->SetCancel(true);
    Button1->SetModalResult(mrOk);

    mlLangLinked1 = new TmlLangLinked(this);
    mlLangLinked1->SetName(QStringLiteral("mlLangLinked1"));
    const auto add = [this](TStrings *list, const QString &name, const QString &english, const QString &russian) {
        AddLangEntry(mlLangLinked1, list, name, english, russian);
    };
    add(mlLangLinked1->Captions(), "TfrmMessage", "Warning", "Предупреждение");
    add(mlLangLinked1->Captions(), "Button1", "&OK", "&OK");
    add(mlLangLinked1->Captions(), "CheckBox1", "Don't show again", "Не показывать далее");
    add(mlLangLinked1->Strings(), "0", "Fail to find an appropriate tuning for the selected image!",
        "Настройка, при которой было получено данное изображение, не найдена!");
    mlLangLinked1->SetNumOfLanguages(2);
    mlLangLinked1->Follow(Warnings().Lang);

    SetOnCreate(MakeEvent<&TfrmMessage::FormCreate>(this));
    EndLoading();
}

void TfrmMessage::FormCreate(TObject *) { Image1->Picture()->Bitmap()->SetImage(LoadIcon(IDI_EXCLAMATION)); }

void TfrmMessage::CheckBox1Click(TObject *)
{
    if (const auto &setDoWarnings = Warnings().SetDoWarnings)
        setDoWarnings(!CheckBox1->Checked());
}

void ShowNoTuningWarning(bool forced)
{
    const TWarningsLink &link = Warnings();
    if (!forced && link.DoWarnings && !link.DoWarnings())
        return;
    const std::unique_ptr<TfrmMessage> box(new TfrmMessage(nullptr));
    box->lbMessage->SetCaption(LookupStringByNumber(box->mlLangLinked1, 0));
    if (forced || !link.SetDoWarnings)
        box->CheckBox1->Hide();
    box->ShowModal();
}
