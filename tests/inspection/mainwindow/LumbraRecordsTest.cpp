// Deleting and viewing records from the plug-in's main window, on a data manager that reads and rewrites a
// private journal.

#include "mainwindow/LumbraWindow.h"
#include "mainwindow/WarningBox.h"
#include "mlMessageDialog.h"
#include "mlLangDispatcher.h"
#include "tables/CriteriaDialog.h"
#include "viewer/RecordViewer.h"

#include "FormatSettingsGuard.h"
#include "RecordSamples.h"
#include "controls/Button.h"
#include "controls/ComboBox.h"
#include "controls/PageControl.h"
#include "controls/CheckBox.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/Notebook.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "forms/ModalHook.h"
#include "forms/Screen.h"
#include "menus/Menus.h"
#include "registry/Registry.h"

#include <QCursor>
#include <gtest/gtest.h>

namespace {
// Tunings (5, 7), (5, 8), (6, 7); images 9 (ordinary, of tuning 8), 10 (level, of a tuning 99 that is not in
// the journal) and 11 (impact).
class LumbraRecords : public testing::Test {
protected:
    LumbraRecords()
    {
        TRegistry().DeleteKey("\\Software\\Kelmar\\OrmelSW\\LUMBRA");
        for (const auto &[device, id] : {std::pair{5, 7}, std::pair{5, 8}, std::pair{6, 7}})
            Tunings.push_back(SampleTuning(device, id));
        Images.push_back(SampleImage(5, 9, 8, 0));
        Images.push_back(SampleImage(5, 10, 99, 1));
        Images.push_back(SampleImage(5, 11, 7, 2));
        Images[1]->BitImage.SetLength(120 * 120);
        Images[2]->SetSizeX(4);
        Images[2]->SetSizeY(3);
        Journal.LoadRecords({Tunings[0].get(), Tunings[1].get(), Tunings[2].get(), Images[0].get(), Images[1].get(),
                             Images[2].get()});
        Manager = Journal.Loaded.get();
        TDataManager *cell = Manager;
        std::uint8_t isDataManager = 1;
        RegisterLumbra(nullptr, &isDataManager, &cell, nullptr);
        Form = frmLumbra;
        TmpObj->DoConfigAction(nullptr);
    }
    ~LumbraRecords() override { UnregisterLumbra(); }

    void Select(TStringGrid *grid, int row)
    {
        grid->SetRow(row);
        bool canSelect = true;
        Form->sgTuningsSelectCell(grid, 0, row, canSelect);
    }
    static QStringList Column(const TStringGrid *grid, int col)
    {
        QStringList cells;
        for (int row = 1; row < grid->RowCount(); ++row)
            cells << grid->Cells(col, row);
        return cells;
    }

    FormatSettingsGuard Guard;
    std::vector<std::unique_ptr<TLumbraTuningMessage>> Tunings;
    std::vector<std::unique_ptr<TLumbraImageMessage>> Images;
    JournalFixture Journal;
    TDataManager *Manager = nullptr;
    TfrmLumbra *Form = nullptr;
};

TfrmEditRecord *Viewer(const TModalRequest &request) { return dynamic_cast<TfrmEditRecord *>(request.Source); }
} // namespace

// No keeps everything; Yes removes the row's record from the manager and the row, from either table by its
// button or menu; the last row going leaves a blank row, a wiped preview and commands that do nothing; the
// rewrite holds exactly the records left.
TEST_F(LumbraRecords, DeleteRemovesExactlyTheRowsRecordAfterTheConfirmation)
{
    int answer = mrNo;
    QStringList asked;
    TModalHookScope scope([&](const TModalRequest &request) {
        auto *dialog = dynamic_cast<TMessageForm *>(request.Source);
        EXPECT_TRUE(dialog && dialog->FindComponent("Yes") && dialog->FindComponent("No") &&
                    dialog->FindComponent("Help"));
        asked << (dialog ? dialog->FindComponent("Message")->property("Caption").toString() : QString());
        return answer;
    });
    TStringGrid *tunings = Form->sgTunings;
    Select(tunings, 2);
    Form->sbTunDelete->Click();
    EXPECT_EQ(asked, QStringList({"This operation can't be canceled.\r\nDelete selected record?"}));
    EXPECT_EQ(Manager->TuningCount, 3);
    EXPECT_EQ(tunings->RowCount(), 4);
    EXPECT_FALSE(Manager->Modified);

    answer = mrYes;
    Form->TunDelete1->Click();
    EXPECT_EQ(Column(tunings, 1) + Column(tunings, 2), QStringList({"5", "6", "7", "7"}));
    EXPECT_EQ(Manager->TuningCount, 2);
    EXPECT_TRUE(Manager->Modified);
    Select(Form->sgImages, 3);
    Form->sbImgDelete->Click();
    EXPECT_EQ(Column(Form->sgImages, 2), QStringList({"9", "10"}));
    EXPECT_EQ(Manager->ImageCount, 2);

    for (int i = 0; i < 2; ++i) {
        Select(tunings, 1);
        Form->sbTunDelete->Click();
    }
    EXPECT_EQ(Manager->TuningCount, 0);
    ASSERT_EQ(tunings->RowCount(), 2);
    EXPECT_EQ(tunings->FixedRows(), 1);
    EXPECT_EQ(Column(tunings, 0) + Column(tunings, 12), QStringList({"", ""}));
    EXPECT_EQ(tunings->Objects(0, 1), nullptr);
    EXPECT_TRUE(TuningsFlags.NoRecord && TuningsFlags.Emptied);
    const QImage &preview = Form->imgTun->Picture()->Bitmap()->Image();
    EXPECT_EQ(preview.pixel(54, 54), preview.pixel(1, 1));
    Form->sbTunDelete->Click();
    Form->sbTunEdit->Click();
    EXPECT_EQ(asked.size(), 5);

    Manager->SaveDataFile();
    EXPECT_EQ(Journal.JournalBytes(), Journal.LineBytes(*Images[0]) + Journal.LineBytes(*Images[1]));
}

// Buttons, menus and a double click on a data row open the page of the current row's record with the viewer
// origin of its table; a double click on the header opens nothing; OK rewrites the row.
TEST_F(LumbraRecords, ViewOpensThePageOfTheRowsRecordAndOkRewritesTheRow)
{
    QList<QList<int>> opened;
    QString typed;
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        opened << QList<int>({viewer->nbEdit->PageIndex(), ViewerOrigin});
        if (!typed.isEmpty()) {
            viewer->edComments->SetText(typed);
            ClickWidget(viewer->btOK);
        }
        return int(mrNone);
    });
    Select(Form->sgTunings, 2);
    Form->sbTunEdit->Click();
    Select(Form->sgImages, 2);
    Form->ImgView1->Click();
    Select(Form->sgImages, 3);
    Form->sbImgEdit->Click();
    for (int row : {0, 1}) {
        const TRect cell = Form->sgTunings->CellRect(1, row);
        QCursor::setPos(Form->sgTunings->Widget()->mapToGlobal(QPoint(cell.Left + 3, cell.Top + 3)));
        Form->sgTunings->OnDblClick()(Form->sgTunings);
    }
    EXPECT_EQ(opened, QList<QList<int>>({{vpTuning, voTuning}, {vpImage, voImage}, {vpImpactImage, voImage},
                                         {vpTuning, voTuning}}));
    EXPECT_FALSE(Manager->Modified);

    typed = QString::fromUtf8("Осмотрено");
    Form->TunView1->Click();
    Form->sbImgEdit->Click();
    EXPECT_EQ(Form->sgTunings->Cells(12, 2), typed);
    EXPECT_EQ(Form->sgImages->Cells(12, 3), typed);
    EXPECT_EQ(Manager->ImageMessages[2]->Comments, typed);
    EXPECT_TRUE(Manager->Modified);
}

// A row shows its record's texts as they are: after the viewer's OK renamed and commented it, through a filter
// that finds it by the new name and one that shows every row again, after another row's record was deleted,
// through language switches, which rewrite only the dates, and when the data manager reports records changed.
TEST_F(LumbraRecords, RowsShowTheRecordsTextsAfterEditsDeletesFiltersAndLanguageSwitches)
{
    TStringGrid *tunings = Form->sgTunings;
    const auto view = [&](int row, const QString &name, const QString &comments) {
        Select(tunings, row);
        TModalHookScope scope([&](const TModalRequest &request) {
            TfrmEditRecord *viewer = Viewer(request);
            viewer->edTunName->SetText(name);
            viewer->edComments->SetText(comments);
            ClickWidget(viewer->btOK);
            return int(mrNone);
        });
        Form->sbTunEdit->Click();
    };
    const auto nameCriterion = [&](int code, const QString &value) {
        TModalHookScope scope([&](const TModalRequest &request) {
            auto *dialog = dynamic_cast<TfrmGridCrit *>(request.Source);
            dialog->pcFields->SetActivePageIndex(3);
            dialog->pcFieldsChange(dialog->pcFields);
            dialog->cbDataCrit->SetItemIndex(code);
            dialog->edDataValue->SetText(value);
            return int(mrOk);
        });
        Form->sbTunCrit->Click();
    };
    const QString seventh = QString::fromUtf8("Настройка 7");
    view(2, "Pump", "Checked");
    EXPECT_EQ(Column(tunings, 3) + Column(tunings, 12),
              QStringList({seventh, "Pump", seventh, Tunings[0]->Comments, "Checked", Tunings[0]->Comments}));
    nameCriterion(7, "Pump");
    EXPECT_EQ(Column(tunings, 3) + Column(tunings, 12), QStringList({"Pump", "Checked"}));
    nameCriterion(0, "");
    EXPECT_EQ(Column(tunings, 3), QStringList({seventh, "Pump", seventh}));

    {
        TModalHookScope yes([](const TModalRequest &) { return int(mrYes); });
        Select(tunings, 1);
        Form->sbTunDelete->Click();
    }
    view(2, "Wheel", "");
    Form->mlLangDispatcher1->SetActiveLanguage(2);
    EXPECT_EQ(Column(tunings, 2) + Column(tunings, 3) + Column(tunings, 5) + Column(tunings, 12),
              QStringList({"8", "7", "Pump", "Wheel", "05.03.2004 09:07:03", "05.03.2004 09:07:03", "Checked", ""}));
    Form->mlLangDispatcher1->SetActiveLanguage(1);
    EXPECT_EQ(Column(tunings, 3) + Column(tunings, 5),
              QStringList({"Pump", "Wheel", "05/03/2004 09:07:03", "05/03/2004 09:07:03"}));

    Manager->TuningMessages[1]->SetComments("Changed by another program");
    lumbra_u::OnDataChanged();
    EXPECT_EQ(Column(tunings, 12), QStringList({"Checked", "Changed by another program"}));
}

// ">>" finds the image's tuning among the shown rows by both keys and opens it right of the image viewer, which
// moves left for that time when the screen is too narrow for both; a missing tuning gives the warning although
// warnings are off, without its choice.
TEST_F(LumbraRecords, TheTuningOfAnImageOpensBesideItOrAForcedWarningSaysItIsMissing)
{
    Form->DoWarnings = false;
    struct Seen {
        int page, origin, tuningsRow, left, top, width, height, expectedHeight;
        bool choice;
    };
    QList<Seen> seen;
    TForm *imageViewer = nullptr;
    int callerLeftDuringTuning = 0;
    TModalHookScope scope([&](const TModalRequest &request) {
        if (auto *box = dynamic_cast<TfrmMessage *>(request.Source)) {
            seen << Seen{-1, ViewerOrigin, 0, 0, 0, 0, 0, 0, box->CheckBox1->Visible()};
            return int(mrOk);
        }
        TfrmEditRecord *v = Viewer(request);
        const int page = v->nbEdit->PageIndex();
        const int height = page == vpTuning ? v->pnTop->Height() + v->EditAttenuation->Top() +
                                                  v->EditAttenuation->Height() + v->paBottom->Height() + 35
                                            : v->pnTop->Height() + v->GroupBox7->Top() + v->GroupBox7->Height() +
                                                  v->paBottom->Height() + 100;
        seen << Seen{page,        ViewerOrigin, Form->sgTunings->Row(), v->Left(), v->Top(), v->Width(),
                     v->Height(), height,       false};
        if (page == vpImage) {
            imageViewer = v;
            ClickWidget(v->buShowTunning);
        } else if (imageViewer) {
            callerLeftDuringTuning = imageViewer->Left();
        }
        return int(mrNone);
    });
    Select(Form->sgTunings, 1);
    Select(Form->sgImages, 1);
    Form->sbImgEdit->Click();
    ASSERT_EQ(seen.size(), 2);
    const Seen image = seen[0], tuning = seen[1];
    EXPECT_EQ(QList<int>({image.height, tuning.height}), QList<int>({image.expectedHeight, tuning.expectedHeight}));
    EXPECT_EQ(QList<int>({image.left, image.top}),
              QList<int>({(Screen->Width() - image.width) / 2, (Screen->Height() - image.height) / 2}));
    EXPECT_EQ(QList<int>({tuning.page, tuning.origin, tuning.tuningsRow, tuning.top}),
              QList<int>({vpTuning, voTuning, 2, image.top}));
    const bool fits = image.left + image.width + tuning.width <= Screen->Width();
    EXPECT_EQ(callerLeftDuringTuning, fits ? image.left : Screen->Width() - image.width - tuning.width);
    EXPECT_EQ(tuning.left, callerLeftDuringTuning + image.width);
    EXPECT_EQ(ViewerOrigin, voImage);

    seen.clear();
    Select(Form->sgImages, 2);
    Form->sbImgEdit->Click();
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[1].page, -1);
    EXPECT_FALSE(seen[1].choice);

    // A narrow caller away from the edge stays; one at the edge moves for the time of the view and comes back.
    for (int callerLeft : {0, Screen->Width() - 100}) {
        TForm caller(nullptr);
        caller.SetBounds(callerLeft, 40, 100, 100);
        imageViewer = &caller;
        seen.clear();
        ViewTuningRecord(ContextOf(Manager, nullptr), Manager->TuningMessages[0], &caller);
        ASSERT_EQ(seen.size(), 1);
        const int expected = callerLeft + 100 + seen[0].width <= Screen->Width()
                                 ? callerLeft
                                 : Screen->Width() - 100 - seen[0].width;
        EXPECT_EQ(QList<int>({callerLeftDuringTuning, seen[0].left, seen[0].top, caller.Left()}),
                  QList<int>({expected, expected + 100, 40, callerLeft}));
    }

    // Only the rows the table shows are searched.
    EXPECT_TRUE(Form->SelectTuningByIds(6, 7));
    EXPECT_EQ(Form->sgTunings->Row(), 3);
    EXPECT_FALSE(Form->SelectTuningByIds(6, 8));
    EXPECT_FALSE(Form->SelectTuningByIds(5, 7 + 65536));
    Form->sgTunings->DeleteRow(3);
    EXPECT_FALSE(Form->SelectTuningByIds(6, 7));
    EXPECT_NE(Manager->FindTuning(6, 7), nullptr);
}
