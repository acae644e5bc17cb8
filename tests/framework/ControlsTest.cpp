#include "controls/Button.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Label.h"
#include "controls/Memo.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "controls/StatusBar.h"
#include "dialogs/OpenDialog.h"
#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/ModalHook.h"

#include "QtPrint.h"
#include "TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QStringList>
#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
struct Counter {
    int count = 0;
    QList<TObject *> senders;
    void Hit(TObject *sender)
    {
        ++count;
        senders << sender;
    }
};

void SendKey(QWidget *widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}
} // namespace

TEST(Controls, HintsReachTheApplicationUnderTheMouseAndToolTipsNeedShowHint)
{
    TForm form(nullptr);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetHint("Tool bars");
    auto *button = new TSpeedButton(&form);
    button->SetParent(panel);
    button->SetHint("Exit|Exit from Ormel Software Environment");
    auto *quiet = new TSpeedButton(&form);
    quiet->SetParent(panel);

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(button->Widget(), &enter);
    EXPECT_EQ(Application->Hint(), "Exit from Ormel Software Environment");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button->Widget(), &leave);
    EXPECT_EQ(Application->Hint(), "Tool bars");
    // A control without a hint shows its parent's.
    QCoreApplication::sendEvent(quiet->Widget(), &enter);
    EXPECT_EQ(Application->Hint(), "Tool bars");
    Application->SetHint("");

    EXPECT_EQ(GetShortHint(button->Hint()), "Exit");
    EXPECT_FALSE(button->ShowHint());
    panel->SetShowHint(true);
    EXPECT_TRUE(button->ShowHint());
    button->SetShowHint(false);
    EXPECT_FALSE(button->ShowHint());
    EXPECT_FALSE(button->ParentShowHint());
}

// Bounds from anywhere an integer reaches (a damaged settings file) leave a place whose corners still fit one.
TEST(Controls, BoundsBeyondWhatAWidgetTakesAreHeldWithinIt)
{
    TForm form(nullptr);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    for (TControl *control : {static_cast<TControl *>(panel), static_cast<TControl *>(&form)}) {
        for (const int far : {INT_MAX, INT_MIN}) {
            control->SetBounds(far, far, INT_MAX, INT_MAX);
            const QRect place = control->Widget()->geometry();
            EXPECT_EQ(qint64(place.right()), qint64(place.left()) + place.width() - 1) << far;
            EXPECT_EQ(qint64(place.bottom()), qint64(place.top()) + place.height() - 1) << far;
            EXPECT_EQ(control->Width(), QWIDGETSIZE_MAX);
            EXPECT_LE(std::abs(qint64(control->Left())), QWIDGETSIZE_MAX);
        }
        control->SetBounds(5, 6, -7, INT_MIN);
        EXPECT_EQ(control->Width(), 0);
        EXPECT_EQ(control->Height(), 0);
    }
}

TEST(Controls, ButtonsGiveTheirModalResultToTheirFormAndTakeEnterAndEscape)
{
    TForm form(nullptr);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    auto *ok = new TButton(&form);
    ok->SetParent(panel);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto *cancel = new TButton(&form);
    cancel->SetParent(panel);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    auto *edit = new TEdit(&form);
    edit->SetParent(&form);
    Counter clicks;
    ok->SetOnClick(MakeEvent<&Counter::Hit>(&clicks));

    int results[2] = {};
    for (int i = 0; i < 2; ++i) {
        const int key = i == 0 ? Qt::Key_Return : Qt::Key_Escape;
        TModalHookScope scope([&](const TModalRequest &) {
            SendKey(form.Widget(), key);
            return int(mrNone);
        });
        results[i] = form.ShowModal();
    }
    EXPECT_EQ(results[0], mrOk);
    EXPECT_EQ(results[1], mrCancel);
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(clicks.senders[0], ok);
    EXPECT_EQ(GetParentForm(ok), &form);
}

TEST(Controls, ControlsFollowTheirParentsFontUntilTheyGetTheirOwn)
{
    TForm form(nullptr);
    auto *bar = new TStatusBar(&form);
    auto *label = new TLabel(&form);
    bar->SetParent(&form);
    label->SetParent(&form);
    form.Font()->SetName("Tahoma");
    form.Font()->SetCharset(RUSSIAN_CHARSET);
    EXPECT_EQ(label->Font()->Name(), "Tahoma");
    EXPECT_EQ(label->Font()->Charset(), RUSSIAN_CHARSET);
    EXPECT_TRUE(label->ParentFont());
    bar->Font()->SetName("Arial");
    EXPECT_FALSE(bar->ParentFont());
    form.Font()->SetSize(12);
    EXPECT_EQ(bar->Font()->Name(), "Arial");
    EXPECT_EQ(label->Font()->Size(), 12);
    bar->SetParentFont(true);
    EXPECT_EQ(bar->Font()->Name(), "Tahoma");
    // The form's canvas measures in the form's font.
    EXPECT_EQ(form.Canvas()->Font()->Name(), "Tahoma");
    EXPECT_GT(form.Canvas()->TextWidth("Ormel"), 0);
}

TEST(Controls, AlignedControlsShareTheClientAreaAndFollowItsSize)
{
    struct TResizeProbe {
        TControl *watched;
        int width = 0;
        void Resized(TObject *) { width = watched->Width(); }
    };
    TForm form(nullptr);
    form.SetBounds(0, 0, 550, 100);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(alTop);
    panel->SetHeight(35);
    auto *bar = new TStatusBar(&form);
    bar->SetParent(&form);
    EXPECT_EQ(panel->Width(), 550);
    EXPECT_EQ(bar->Top(), form.ClientHeight() - bar->Height());
    auto *tool1 = new TForm(&form);
    tool1->SetAlign(alLeft);
    tool1->SetWidth(81);
    tool1->SetParent(panel);
    tool1->Show();
    auto *tool2 = new TForm(&form);
    tool2->SetAlign(alLeft);
    tool2->SetLeft(200);
    tool2->SetWidth(53);
    tool2->SetParent(panel);
    tool2->Show();
    // Inside the panel's raised edge.
    EXPECT_EQ(tool1->Left(), 1);
    EXPECT_EQ(tool2->Left(), 82);
    EXPECT_EQ(tool2->Top(), 1);
    EXPECT_EQ(tool2->Height(), 33);
    // Both bevels and the border keep their room.
    panel->SetBevelInner(bvRaised);
    panel->SetBevelOuter(bvLowered);
    panel->SetBorderWidth(1);
    EXPECT_EQ(tool1->Left(), 3);
    EXPECT_EQ(tool2->Left(), 84);
    EXPECT_EQ(tool2->Height(), 29);
    panel->SetBorderWidth(0);
    EXPECT_EQ(tool1->Left(), 2);
    EXPECT_EQ(tool2->Height(), 31);
    TResizeProbe probe{panel};
    form.SetOnResize(MakeEvent<&TResizeProbe::Resized>(&probe));
    form.SetWidth(700);
    EXPECT_EQ(panel->Width(), 700);
    EXPECT_EQ(probe.width, 700);
    form.SetHeight(150);
    EXPECT_EQ(bar->Top() + bar->Height(), form.ClientHeight());
    // Freeing a parent leaves the controls it held without one.
    delete panel;
    EXPECT_EQ(tool1->Parent(), nullptr);
}

TEST(Controls, StatusBarShowsItsSimpleTextOrItsPanels)
{
    TForm form(nullptr);
    auto *bar = new TStatusBar(&form);
    bar->SetParent(&form);
    bar->SetColor(clWhite);
    bar->Font()->SetColor(clBlack);
    const auto inkIn = [&](int from, int to) {
        const QImage image = bar->Snapshot();
        int ink = 0;
        for (int x = from; x < to; ++x)
            for (int y = 4; y < image.height() - 2; ++y)
                ink += qGray(image.pixel(x, y)) < 100;
        return ink;
    };
    bar->SetWidth(300);
    bar->Panels()->Add()->SetWidth(100);
    bar->Panels()->Add();
    EXPECT_EQ(inkIn(0, 300), 0);
    bar->Panels()->Items(1)->SetText("Ready");
    EXPECT_EQ(inkIn(0, 100), 0);
    EXPECT_GT(inkIn(100, 300), 0);
    bar->SetSimplePanel(true);
    bar->SetSimpleText("Change options");
    EXPECT_GT(inkIn(0, 100), 0);
    delete bar->Panels()->Items(0);
    EXPECT_EQ(bar->Panels()->Count(), 1);
}

TEST(Controls, SpeedButtonsOfAGroupAreDownOneAtATime)
{
    TForm form(nullptr);
    TSpeedButton *buttons[3];
    Counter clicks;
    for (TSpeedButton *&button : buttons) {
        button = new TSpeedButton(&form);
        button->SetParent(&form);
        button->SetGroupIndex(1);
        button->SetOnClick(MakeEvent<&Counter::Hit>(&clicks));
    }
    static_cast<QAbstractButton *>(buttons[0]->Widget())->click();
    EXPECT_TRUE(buttons[0]->Down());
    static_cast<QAbstractButton *>(buttons[2]->Widget())->click();
    EXPECT_FALSE(buttons[0]->Down());
    EXPECT_TRUE(buttons[2]->Down());
    static_cast<QAbstractButton *>(buttons[2]->Widget())->click();
    EXPECT_TRUE(buttons[2]->Down());
    buttons[2]->SetAllowAllUp(true);
    static_cast<QAbstractButton *>(buttons[2]->Widget())->click();
    EXPECT_FALSE(buttons[2]->Down());
    EXPECT_EQ(clicks.count, 4);
    // Without a group a button never stays down.
    buttons[1]->SetGroupIndex(0);
    buttons[1]->SetDown(true);
    EXPECT_FALSE(buttons[1]->Down());
    // The glyph is the button's own copy.
    TBitmap glyph;
    glyph.SetSize(16, 16);
    buttons[1]->SetGlyph(&glyph);
    glyph.SetSize(4, 4);
    EXPECT_EQ(buttons[1]->Glyph()->Width(), 16);
}

TEST(Controls, TextControlsKeepTheirListsAndReportChanges)
{
    TForm form(nullptr);
    auto *memo = new TMemo(&form);
    memo->Lines()->Add("first");
    memo->Lines()->Add("second");
    EXPECT_EQ(memo->Text(), "first\r\nsecond\r\n");
    static_cast<QPlainTextEdit *>(memo->Widget())->setPlainText("one\ntwo\nthree");
    EXPECT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Strings(2), "three");

    auto *combo = new TComboBox(&form);
    combo->SetStyle(csDropDownList);
    combo->Items()->SetCommaText("Red,Green,Blue");
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "Green");
    combo->Items()->SetStrings(1, "Lime");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "Lime");
    combo->SetItemIndex(7);
    EXPECT_EQ(combo->ItemIndex(), -1);

    auto *edit = new TEdit(&form);
    Counter changes;
    edit->SetOnChange(MakeEvent<&Counter::Hit>(&changes));
    edit->SetText("ormeldata.txt");
    edit->SetText("ormeldata.txt");
    EXPECT_EQ(changes.count, 1);
    edit->SetMaxLength(4);
    static_cast<QLineEdit *>(edit->Widget())->setText("abcdefgh");
    EXPECT_EQ(edit->Text(), "abcd");
}

TEST(Controls, PagesAreShownOneAtATime)
{
    TForm form(nullptr);
    auto *pages = new TPageControl(&form);
    pages->SetParent(&form);
    auto *sheet = new TTabSheet(&form);
    sheet->SetCaption("Data Manager");
    sheet->SetPageControl(pages);
    auto *second = new TTabSheet(&form);
    second->SetParent(pages);
    second->SetCaption("Other");
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->Pages(0), sheet);
    EXPECT_EQ(pages->ActivePage(), sheet);
    EXPECT_EQ(static_cast<QTabWidget *>(pages->Widget())->tabText(1), "Other");
    pages->SetActivePageIndex(1);
    EXPECT_EQ(pages->ActivePage(), second);
    second->SetPageIndex(0);
    EXPECT_EQ(pages->Pages(0), second);
    delete second;
    EXPECT_EQ(pages->PageCount(), 1);
}

TEST(Controls, APageControlFreedBeforeItsPagesCallsNoHandlerAndLetsThemGo)
{
    TForm form(nullptr);
    // Pages that another owner created first outlive the page control.
    auto *first = new TTabSheet(&form);
    auto *second = new TTabSheet(&form);
    auto *pages = new TPageControl(&form);
    first->SetPageControl(pages);
    second->SetPageControl(pages);
    Counter changes;
    pages->SetOnChange(MakeEvent<&Counter::Hit>(&changes));
    delete pages;
    EXPECT_EQ(changes.count, 0);
    EXPECT_EQ(first->Parent(), nullptr);
    EXPECT_EQ(second->Parent(), nullptr);
    EXPECT_EQ(form.ComponentCount(), 2);
}

TEST(Controls, AContainerReportsFocusLeavingItForAnotherControlOnly)
{
    TForm form(nullptr);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    auto *inner = new TEdit(&form);
    inner->SetParent(panel);
    auto *outer = new TEdit(&form);
    outer->SetParent(&form);
    Counter exits;
    panel->SetOnExit(MakeEvent<&Counter::Hit>(&exits));
    QWidget popup(nullptr, Qt::Popup);
    const auto move = [](TControl *from, QWidget *to) { emit qApp->focusChanged(from->Widget(), to); };

    move(inner, &popup);
    move(inner, nullptr);
    move(outer, inner->Widget());
    move(inner, panel->Widget());
    EXPECT_EQ(exits.count, 0);
    move(inner, outer->Widget());
    move(panel, outer->Widget());
    EXPECT_EQ(exits.count, 2);
    EXPECT_EQ(exits.senders.value(0), panel);
}

TEST(Controls, OpenDialogIsAnsweredByTheHookAndCaptionsItsControlsWhileShowing)
{
    TempDir dir;
    dir.Write("journal.txt", "x");
    class TCaptionedDialog : public TOpenDialog {
    public:
        using TOpenDialog::TOpenDialog;

    protected:
        void DoShow() override
        {
            SetControlText(stc3, "&Имя файла:");
            SetControlText(IDOK_BUTTON, "&Открыть");
            TOpenDialog::DoShow();
        }
    };
    TCaptionedDialog dialog(nullptr);
    dialog.SetFilter("Text files (*.txt)|*.txt|All files (*.*)|*.*");
    dialog.SetTitle("Select default data file...");
    dialog.SetInitialDir(dir.Path());
    QString title;
    QStringList filters;
    QString fileLabel;
    {
        TModalHookScope scope([&](const TModalRequest &request) {
            auto *window = qobject_cast<QFileDialog *>(request.Window);
            title = request.Caption;
            filters = window->nameFilters();
            fileLabel = window->labelText(QFileDialog::FileName);
            window->selectFile(dir.File("journal.txt"));
            return 1;
        });
        EXPECT_TRUE(dialog.Execute());
    }
    EXPECT_EQ(title, "Select default data file...");
    EXPECT_EQ(filters, QStringList({"Text files (*.txt)", "All files (*.*)"}));
    EXPECT_EQ(fileLabel, "&Имя файла:");
    EXPECT_EQ(dialog.ControlText(IDOK_BUTTON), "&Открыть");
    EXPECT_EQ(dialog.FileName(), dir.File("journal.txt"));
    EXPECT_FALSE(dialog.SetControlText(stc2, "late"));

    TModalHookScope cancel([](const TModalRequest &) { return 0; });
    dialog.SetFileName("kept.txt");
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "kept.txt");
    EXPECT_EQ(QtNameFilters("Journals|*.txt;*.log"), QStringList({"Journals (*.txt *.log)"}));
}

TEST(Controls, AMoveHandlerHearsTheMouseAlsoWithNoButtonHeld)
{
    TForm form(nullptr);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    QList<QPoint> moves;
    panel->SetOnMouseMove({[](void *data, TObject *, TShiftState, int x, int y) {
                               static_cast<QList<QPoint> *>(data)->append(QPoint(x, y));
                           },
                           &moves});
    QMouseEvent hover(QEvent::MouseMove, QPointF(7, 8), panel->Widget()->mapToGlobal(QPointF(7, 8)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(panel->Widget(), &hover);
    EXPECT_EQ(moves, QList<QPoint>{QPoint(7, 8)});
}
