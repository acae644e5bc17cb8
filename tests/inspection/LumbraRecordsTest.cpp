// Deleting and viewing records from the plug-in's main window, on a data manager that reads and rewrites a
// private journal.

#include "_edrecd.h"
#include "lumbra_u.h"
#include "mlMessageDialog.h"
#include "msg_u.h"

#include "FormatSettingsGuard.h"
#include "RecordSamples.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "controls/Notebook.h"
#include "controls/SpeedButton.h"
#include "forms/ModalHook.h"
#include "graphics/Canvas.h"
#include "menus/Menus.h"
#include "registry/Registry.h"

#include <QCursor>
#include <gtest/gtest.h>

namespace {
// Three tunings and three images (ordinary, level, impact); the level image's tuning is not in the journal.
class LumbraRecords : public testing::Test {
protected:
    LumbraRecords()
    {
        TRegistry().DeleteKey("\\Software\\Kelmar\\OrmelSW\\LUMBRA");
        for (const auto &[device, id] : {std::pair{5, 7}, std::pair{5, 8}, std::pair{6, 7}})
            Samples.push_back(SampleTuning(device, id));
        ImageSamples.push_back(SampleImage(5, 9, 8, 0));
        ImageSamples.push_back(SampleImage(5, 10, 99, 1));
        ImageSamples.push_back(SampleImage(5, 11, 7, 2));
        ImageSamples[1]->BitImage.SetLength(120 * 120);
        ImageSamples[2]->SetSizeX(4);
        ImageSamples[2]->SetSizeY(3);
        Journal.LoadRecords({Samples[0].get(), Samples[1].get(), Samples[2].get(), ImageSamples[0].get(),
                             ImageSamples[1].get(), ImageSamples[2].get()});
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
    std::vector<std::unique_ptr<TLumbraTuningMessage>> Samples;
    std::vector<std::unique_ptr<TLumbraImageMessage>> ImageSamples;
    JournalFixture Journal;
    TDataManager *Manager = nullptr;
    TfrmLumbra *Form = nullptr;
};

// Answers every confirmation with the given button and counts them.
struct Confirmations {
    explicit Confirmations(int answer)
        : scope([this, answer](const TModalRequest &request) {
              auto *form = dynamic_cast<TMessageForm *>(request.Source);
              EXPECT_NE(form, nullptr);
              if (!form)
                  return int(mrCancel);
              texts << form->FindComponent("Message")->property("Caption").toString();
              buttons = form->FindComponent("Yes") && form->FindComponent("No") && form->FindComponent("Help") &&
                        !form->FindComponent("OK");
              return answer;
          })
    {
    }
    QStringList texts;
    bool buttons = false;
    TModalHookScope scope;
};
} // namespace

TEST_F(LumbraRecords, DeleteAsksRemovesExactlyThatRecordAndLeavesABlankRowWhenTheTableEmpties)
{
    TStringGrid *tunings = Form->sgTunings;
    Select(tunings, 2);
    {
        Confirmations no(mrNo);
        Form->sbTunDelete->Click();
        ASSERT_EQ(no.texts.size(), 1);
        EXPECT_EQ(no.texts[0], "This operation can't be canceled.\r\nDelete selected record?");
        EXPECT_TRUE(no.buttons);
    }
    EXPECT_EQ(Manager->TuningCount, 3);
    EXPECT_EQ(tunings->RowCount(), 4);
    EXPECT_FALSE(Manager->Modified);

    Confirmations yes(mrYes);
    Form->TunDelete1->Click();
    EXPECT_EQ(Manager->TuningCount, 2);
    EXPECT_EQ(Column(tunings, 2), QStringList({"7", "7"}));
    EXPECT_EQ(Column(tunings, 1), QStringList({"5", "6"}));
    EXPECT_TRUE(Manager->Modified);

    // The images table deletes from the images, through its own button.
    Select(Form->sgImages, 3);
    Form->sbImgDelete->Click();
    EXPECT_EQ(Manager->ImageCount, 2);
    EXPECT_EQ(Column(Form->sgImages, 2), QStringList({"9", "10"}));
    EXPECT_EQ(Manager->TuningCount, 2);

    // The last tunings go: one blank row, a wiped preview, and nothing more to delete or view.
    Select(tunings, 1);
    Form->sbTunDelete->Click();
    Select(tunings, 1);
    Form->sbTunDelete->Click();
    EXPECT_EQ(yes.texts.size(), 4);
    EXPECT_EQ(Manager->TuningCount, 0);
    ASSERT_EQ(tunings->RowCount(), 2);
    EXPECT_EQ(tunings->FixedRows(), 1);
    EXPECT_EQ(Column(tunings, 0), QStringList({""}));
    EXPECT_EQ(Column(tunings, 12), QStringList({""}));
    EXPECT_EQ(tunings->Objects(0, 1), nullptr);
    EXPECT_TRUE(TuningsFlags.NoRecord);
    EXPECT_TRUE(TuningsFlags.Emptied);
    const QImage &preview = Form->imgTun->Picture()->Bitmap()->Image();
    EXPECT_EQ(preview.pixel(54, 54), preview.pixel(1, 1));
    Form->sbTunDelete->Click();
    Form->sbTunEdit->Click();
    EXPECT_EQ(yes.texts.size(), 4);
    EXPECT_EQ(Manager->ImageCount, 2);

    // The rewrite keeps exactly the records that were not deleted.
    Manager->SaveDataFile();
    EXPECT_EQ(Journal.JournalBytes(), Journal.LineBytes(*ImageSamples[0]) + Journal.LineBytes(*ImageSamples[1]));
}

TEST_F(LumbraRecords, ViewOpensThePageOfTheRowsRecordAndOkRewritesTheRow)
{
    struct Opened {
        int page, origin;
        QString name;
    };
    QList<Opened> opened;
    QString typed;
    TModalHookScope scope([&](const TModalRequest &request) {
        auto *viewer = dynamic_cast<TfrmEditRecord *>(request.Source);
        if (!viewer)
            return int(mrCancel);
        const int page = viewer->nbEdit->PageIndex();
        opened << Opened{page, ViewerOrigin,
                         (page == vpTuning ? viewer->edTunName : page == vpImage ? viewer->edImgName
                                                                                 : viewer->Ed_impimgname)
                             ->Text()};
        if (typed.isEmpty())
            return int(mrNone);
        viewer->edComments->SetText(typed);
        ClickWidget(viewer->btOK);
        return int(mrNone);
    });

    Select(Form->sgTunings, 2);
    Form->sbTunEdit->Click();
    Select(Form->sgImages, 2);
    Form->ImgView1->Click();
    Select(Form->sgImages, 3);
    Form->sbImgEdit->Click();
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0].page, vpTuning);
    EXPECT_EQ(opened[0].origin, voTuning);
    EXPECT_EQ(opened[0].name, Samples[1]->RecordName);
    EXPECT_EQ(opened[1].page, vpImage);
    EXPECT_EQ(opened[1].origin, voImage);
    EXPECT_EQ(opened[1].name, ImageSamples[1]->RecordName);
    EXPECT_EQ(opened[2].page, vpImpactImage);
    EXPECT_FALSE(Manager->Modified);

    // OK rewrites the row from the record.
    typed = QString::fromUtf8("Осмотрено");
    Form->TunView1->Click();
    EXPECT_EQ(Form->sgTunings->Cells(12, 2), typed);
    Form->sbImgEdit->Click();
    EXPECT_EQ(Form->sgImages->Cells(12, 3), typed);
    EXPECT_EQ(Manager->ImageMessages[2]->Comments, typed);
    EXPECT_TRUE(Manager->Modified);
    typed.clear();

    // A double click opens the current row's record from a data row only, never from the header.
    opened.clear();
    for (int row : {0, 1}) {
        const TRect cell = Form->sgTunings->CellRect(1, row);
        QCursor::setPos(Form->sgTunings->Widget()->mapToGlobal(QPoint(cell.Left + 3, cell.Top + 3)));
        Form->sgTunings->OnDblClick()(Form->sgTunings);
    }
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].name, Samples[1]->RecordName);
}

TEST_F(LumbraRecords, TheTuningOfAnImageOpensBesideItOrAForcedWarningSaysItIsMissing)
{
    Form->DoWarnings = false;
    struct Seen {
        int page, origin, tuningsRow;
        bool warning, choiceVisible;
    };
    QList<Seen> seen;
    TModalHookScope scope([&](const TModalRequest &request) {
        if (auto *box = dynamic_cast<TfrmMessage *>(request.Source)) {
            seen << Seen{-1, ViewerOrigin, Form->sgTunings->Row(), true, box->CheckBox1->Visible()};
            return int(mrOk);
        }
        auto *viewer = dynamic_cast<TfrmEditRecord *>(request.Source);
        const int page = viewer->nbEdit->PageIndex();
        seen << Seen{page, ViewerOrigin, Form->sgTunings->Row(), false, false};
        if (page == vpImage)
            ClickWidget(viewer->buShowTunning);
        return int(mrNone);
    });
    Select(Form->sgTunings, 1);
    // Image 9 was taken with tuning 8 of device 5, in row 2.
    Select(Form->sgImages, 1);
    Form->sbImgEdit->Click();
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[1].page, vpTuning);
    EXPECT_EQ(seen[1].origin, voTuning);
    EXPECT_EQ(seen[1].tuningsRow, 2);
    EXPECT_EQ(ViewerOrigin, voImage);

    // Image 10's tuning 99 is nowhere: the warning comes although warnings are off, without its choice.
    seen.clear();
    Select(Form->sgImages, 2);
    Form->sbImgEdit->Click();
    ASSERT_EQ(seen.size(), 2);
    EXPECT_TRUE(seen[1].warning);
    EXPECT_FALSE(seen[1].choiceVisible);
    EXPECT_FALSE(Form->DoWarnings);

    // Only the rows the table shows are searched, by both keys.
    EXPECT_TRUE(Form->SelectTuningByIds(6, 7));
    EXPECT_EQ(Form->sgTunings->Row(), 3);
    EXPECT_FALSE(Form->SelectTuningByIds(6, 8));
    EXPECT_FALSE(Form->SelectTuningByIds(5, 7 + 65536));
    Form->sgTunings->DeleteRow(3);
    EXPECT_FALSE(Form->SelectTuningByIds(6, 7));
    EXPECT_NE(Manager->FindTuning(6, 7), nullptr);
}
