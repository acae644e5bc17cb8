#include "images/CompositeSheet.h"

#include "LangEntry.h"
#include "controls/Image.h"
#include "controls/Panel.h"
#include "controls/ScrollBox.h"
#include "controls/StatusBar.h"
#include "forms/Application.h"
#include "forms/Cursors.h"
#include "mainwindow/LumbraAboutBox.h"
#include "mainwindow/LumbraWindow.h"
#include "menus/Menus.h"
#include "mlLngLnk.h"
#include "platform/Help.h"
#include "printing/Printer.h"
#include "printing/ReportPage.h"
#include "reports/PrintFailure.h"
#include "reports/ReportAllImage.h"

#include <memory>

TAllImageForm *AllImageForm = nullptr;

namespace {
constexpr int Spacing = TCompositeSlots::Spacing;

struct TMenuEntry {
    TMenuItem *TAllImageForm::*Field;
    const char *Name;
    TMenuItem *TAllImageForm::*Parent;
    const char *English;
    const char *Russian;
    TNotifyEvent::CodeType Click;
};

using F = TAllImageForm;
template <auto Method>
constexpr TNotifyEvent::CodeType Handler = &detail::MethodThunk<Method>::Call;

// The popup's entries and the main menu's; an entry that names a parent goes under it.
const TMenuEntry PopupEntries[] = {
    {&F::Delete1, "Delete1", nullptr, "Delete", "Удалить", Handler<&F::Delete1Click>},
    {&F::N1, "N1", nullptr, "-", "", nullptr},
    {&F::Preview1, "Preview1", nullptr, "Preview", "Отчет", Handler<&F::ToolButton1Click>},
};
const TMenuEntry MainEntries[] = {
    {&F::Preview2, "Preview2", nullptr, "&Preview", "Отчет", Handler<&F::ToolButton1Click>},
    {&F::Clearall1, "Clearall1", nullptr, "&Clear all", "Удалить все", Handler<&F::ToolButton2Click>},
    {&F::Help1, "Help1", nullptr, "&Help", "Помощь", nullptr},
    {&F::Context1, "Context1", &F::Help1, "C&ontext", "Содержание", Handler<&F::Context1Click>},
    {&F::Index1, "Index1", &F::Help1, "&Index", "Указатель", Handler<&F::Index1Click>},
    {&F::N2, "N2", &F::Help1, "-", "", nullptr},
    {&F::About1, "About1", &F::Help1, "&About", "О программе", Handler<&F::About1Click>},
};

// The banner of the printed sheet; the device type of the image selected in the main window closes it.
QString BannerLine(bool russian)
{
    const TStringGrid *grid = frmLumbra ? frmLumbra->sgImages : nullptr;
    const auto *image = grid ? dynamic_cast<const TLumbraImageMessage *>(grid->Objects(0, grid->Row())) : nullptr;
    const QString device = image ? image->GetDeviceType() : QString();
    return russian ? QStringLiteral("Управление данными ЛУМБРА, версия 1.0. Тип прибора: ") + device
                   : QStringLiteral("LUMBRA Data Management, version 1.0. Device type: ") + device;
}
} // namespace

TAllImageForm::TAllImageForm(TComponent *owner) : TForm(owner)
{
    BeginLoading();
    SetName(QStringLiteral("AllImageForm"));
    Widget()->setObjectName(Name());
    SetCaption(QStringLiteral("Arrange images"));
    SetClientWidth(6 * Spacing + 24);
    SetClientHeight(560);
    SetHelpContext(10);
    SetHelpFile(QStringLiteral("AllImage_Eng"));

    mlLangLinked1 = new TmlLangLinked(this);
    mlLangLinked1->SetName(QStringLiteral("mlLangLinked1"));
    AddLangEntry(mlLangLinked1, mlLangLinked1->Captions(), QStringLiteral("TAllImageForm"),
                 QStringLiteral("Arrange images"), QStringLiteral("Склейка изображений"));
    AddLangEntry(mlLangLinked1, mlLangLinked1->OtherStrings(), QStringLiteral("TAllImageForm.HelpFile"),
                 QStringLiteral("AllImage_Eng"), QStringLiteral("AllImage"));

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName(QStringLiteral("StatusBar1"));
    StatusBar1->SetParent(this);
    StatusBar1->SetAlign(alBottom);
    for (int width : {150, 180, 150})
        StatusBar1->Panels()->Add()->SetWidth(width);

    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName(QStringLiteral("ScrollBox1"));
    ScrollBox1->SetParent(this);
    ScrollBox1->SetAlign(alClient);
    Panel1 = new TPanel(this);
    Panel1->SetName(QStringLiteral("Panel1"));
    Panel1->Widget()->setObjectName(Panel1->Name());
    Panel1->SetParent(ScrollBox1);
    Panel1->SetBounds(0, 0, TCompositeSlots::Columns * Spacing + 1, TCompositeSlots::Rows * Spacing + 1);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetCaption(QString());
    Panel1->SetColor(clWhite);
    Panel1->SetOnMouseDown(MakeEvent<&F::Panel1MouseDown>(this));
    Panel1->SetOnMouseMove(MakeEvent<&F::Panel1MouseMove>(this));
    Panel1->SetOnMouseUp(MakeEvent<&F::Panel1MouseUp>(this));

    BuildMenus();
    mlLangLinked1->SetNumOfLanguages(2);
    EndLoading();
}

void TAllImageForm::BuildMenus()
{
    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetName(QStringLiteral("PopupMenu1"));
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName(QStringLiteral("MainMenu1"));
    const auto add = [this](const TMenuEntry &entry, TMenu *menu) {
        auto *item = new TMenuItem(this);
        this->*entry.Field = item;
        const QString name = QString::fromUtf8(entry.Name);
        item->SetName(name);
        item->SetCaption(QString::fromUtf8(entry.English));
        AddLangEntry(mlLangLinked1, mlLangLinked1->Captions(), name, QString::fromUtf8(entry.English),
                     QString::fromUtf8(entry.Russian));
        if (entry.Click)
            item->SetOnClick({entry.Click, this});
        (entry.Parent ? this->*entry.Parent : menu->Items())->Add(item);
    };
    for (const TMenuEntry &entry : PopupEntries)
        add(entry, PopupMenu1);
    for (const TMenuEntry &entry : MainEntries)
        add(entry, MainMenu1);
    Panel1->SetPopupMenu(PopupMenu1);
    SetMenu(MainMenu1);
}

bool TAllImageForm::Russian() const { return mlLangLinked1->ActiveLanguage() == 2; }

TImage *TAllImageForm::AddImage(int imageId)
{
    TCompositeSlots &sheet = CompositeSlots;
    if (sheet.NextImageNumber > ImageCount)
        return nullptr;
    int number = 1;
    while (number <= ImageCount && Images[number - 1].Present)
        ++number;
    int cell = 1;
    while (cell <= ImageCount && sheet.Slots[cell - 1].Used)
        ++cell;
    if (number > ImageCount || cell > ImageCount)
        return nullptr;
    auto *image = new TImage(Panel1);
    image->SetParent(Panel1);
    image->SetEnabled(false);
    TCompositeSlot &slot = sheet.Slots[cell - 1];
    image->SetBounds(slot.X, slot.Y, PreviewSize, PreviewSize);
    Images[number - 1] = {image, true};
    slot.Used = true;
    slot.ImageNumber = number;
    slot.ImageID = imageId;
    ++sheet.NextImageNumber;
    return image;
}

int TAllImageForm::CellAt(int x, int y) const
{
    for (int cell = 1; cell <= ImageCount; ++cell) {
        const TCompositeSlot &slot = CompositeSlots.Slots[cell - 1];
        if (slot.Used && slot.X <= x && x <= slot.X + Spacing && slot.Y <= y && y <= slot.Y + Spacing)
            return cell;
    }
    return 0;
}

void TAllImageForm::Panel1MouseDown(TObject *, TMouseButton button, TShiftState, int x, int y)
{
    const int cell = CellAt(x, y);
    if (button != mbLeft) {
        SelectedImage = cell ? CompositeSlots.Slots[cell - 1].ImageNumber : 0;
        SelectedCell = cell;
        Delete1->SetEnabled(cell != 0);
        Delete1->SetCaption(cell ? QStringLiteral("Delete ") + QString::number(SelectedImage)
                                 : QStringLiteral("Delete"));
        return;
    }
    SelectedCell = cell;
    if (!cell)
        return;
    Dragging = true;
    Panel1->SetCursor(crDrag);
}

void TAllImageForm::Panel1MouseMove(TObject *, TShiftState, int x, int y)
{
    if (Dragging) {
        MoveSelectedTo(x, y);
        return;
    }
    const int cell = CellAt(x, y);
    Panel1->SetCursor(cell ? crDrag : crDefault);
    const int number = cell ? CompositeSlots.Slots[cell - 1].ImageNumber : 0;
    const QString count = QString::number(CompositeSlots.NextImageNumber - 1);
    const bool russian = Russian();
    StatusBar1->Panels()->Items(0)->SetText((russian ? QStringLiteral("Изображение= ") : QStringLiteral("Image= ")) +
                                            QString::number(number) + u'/' + count);
    const QString idTitle = russian ? QStringLiteral("ID Изображения= ") : QStringLiteral("Image ID=");
    StatusBar1->Panels()->Items(1)->SetText(
        cell ? (russian ? idTitle : idTitle + u' ') + QString::number(CompositeSlots.Slots[cell - 1].ImageID)
             : idTitle);
    StatusBar1->Panels()->Items(2)->SetText(QStringLiteral("X= %1 Y= %2").arg(x).arg(y));
}

// A point left of or above the sheet has no cell either.
void TAllImageForm::MoveSelectedTo(int x, int y)
{
    if (x < 0 || y < 0 || SelectedCell == 0)
        return;
    const int column = x / Spacing;
    const int row = y / Spacing;
    if (column >= TCompositeSlots::Columns || row >= TCompositeSlots::Rows)
        return;
    const int target = row * TCompositeSlots::Columns + column + 1;
    TCompositeSlot &to = CompositeSlots.Slots[target - 1];
    if (to.Used)
        return;
    TCompositeSlot &from = CompositeSlots.Slots[SelectedCell - 1];
    from.Used = false;
    to.Used = true;
    to.ImageNumber = from.ImageNumber;
    to.ImageID = from.ImageID;
    if (TImage *image = Images[to.ImageNumber - 1].Image)
        image->SetBounds(to.X, to.Y, image->Width(), image->Height());
    SelectedCell = target;
}

void TAllImageForm::Panel1MouseUp(TObject *, TMouseButton, TShiftState, int, int)
{
    Dragging = false;
    Panel1->SetCursor(crDefault);
}

// Only an image still on the sheet can go: a second delete of the same one changes nothing.
void TAllImageForm::Delete1Click(TObject *)
{
    if (SelectedImage < 1 || SelectedImage > ImageCount || !Images[SelectedImage - 1].Present)
        return;
    --CompositeSlots.NextImageNumber;
    delete std::exchange(Images[SelectedImage - 1], {}).Image;
    CompositeSlots.Slots[SelectedCell - 1].Used = false;
    SelectedImage = 0;
    SelectedCell = 0;
}

void TAllImageForm::ToolButton2Click(TObject *)
{
    for (TCompositeImage &entry : Images)
        delete std::exchange(entry, {}).Image;
    for (TCompositeSlot &slot : CompositeSlots.Slots)
        slot.Used = false;
    CompositeSlots.NextImageNumber = 1;
    SelectedImage = 0;
    SelectedCell = 0;
    Close();
}

void TAllImageForm::ToolButton1Click(TObject *)
{
    const TBusyCursor busy;
    const std::unique_ptr<TReportAllImageForm> report(new TReportAllImageForm(nullptr));
    report->ReportPage1->SetReportTitle(Caption());
    report->SetBanner(BannerLine(Russian()));
    for (const TCompositeImage &entry : Images)
        if (entry.Present)
            report->AddImage(entry.Image);
    try {
        report->ReportPage1->Preview();
    } catch (const EPrintFailed &failure) {
        // The sheet's own language component holds no box captions; the main window's does.
        ShowPrintFailure(frmLumbra ? frmLumbra->mlLangLinked1 : mlLangLinked1, failure);
    }
}

void TAllImageForm::Context1Click(TObject *) { Application->HelpContext(HelpContext()); }

void TAllImageForm::Index1Click(TObject *) { Application->HelpCommand(HELP_FINDER, 0); }

void TAllImageForm::About1Click(TObject *) { ShowLumbraAbout(mlLangLinked1); }
