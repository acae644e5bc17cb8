#include "_edrecd.h"

#include "RecordSamples.h"
#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/Memo.h"
#include "controls/Notebook.h"
#include "controls/Panel.h"
#include "forms/ModalHook.h"
#include "forms/Screen.h"
#include "mlLang.h"
#include "mlLangDispatcher.h"

#include <gtest/gtest.h>

namespace {
TfrmEditRecord *Viewer(const TModalRequest &request) { return dynamic_cast<TfrmEditRecord *>(request.Source); }

TViewerContext ContextOf(TDataManager *manager, const TLumbraImageMessage *currentImage = nullptr)
{
    TViewerContext context;
    context.Manager = manager;
    context.CurrentImage = currentImage;
    return context;
}
} // namespace

TEST(RecordViewer, ShowsEveryFieldAndCancelLeavesRecordAndManagerAlone)
{
    JournalFixture fixture;
    const auto tuningSample = SampleTuning(5, 7);
    const auto imageSample = SampleImage(5, 9, 7, 0);
    imageSample->SetComments(QString::fromUtf8("  с пробелами  "));
    fixture.LoadRecords({tuningSample.get(), imageSample.get()});
    TLumbraTuningMessage *tuning = fixture.Loaded->TuningMessages[0];
    TLumbraImageMessage *image = fixture.Loaded->ImageMessages[0];
    const TViewerContext context = ContextOf(fixture.Loaded.get(), image);

    int shown = 0;
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        ++shown;
        EXPECT_FALSE(viewer->btOK->Enabled());
        if (viewer->nbEdit->PageIndex() == vpTuning) {
            EXPECT_EQ(viewer->edDevice->Text(), "LUMBRA-C");
            EXPECT_EQ(viewer->edDeviceID->Text(), "5");
            EXPECT_EQ(viewer->EditTuningID->Text(), "7");
            EXPECT_EQ(viewer->edTunName->Text(), QString::fromUtf8("Настройка 7"));
            EXPECT_EQ(viewer->EditTransducerID->Text(), "18");
            EXPECT_EQ(viewer->EditDate->Text(), "5.3.2004");
            EXPECT_EQ(viewer->EditTime->Text(), "9:7:3");
            EXPECT_EQ(viewer->EditFrequency->Text(), "10.039");
            EXPECT_EQ(viewer->EditGain->Text(), "128");
            EXPECT_EQ(viewer->EditPulse->Text(), "3");
            EXPECT_EQ(viewer->EditStartPoint->Text(), "256");
            EXPECT_EQ(viewer->EditEndPoint->Text(), "512");
            EXPECT_EQ(viewer->EditAttenuation->Text(), "31");
            EXPECT_EQ(viewer->edComments->Text(), QString::fromUtf8("Исходный комментарий"));
            EXPECT_TRUE(viewer->edTunName->ReadOnly());
        } else {
            EXPECT_EQ(viewer->edImgDevName->Text(), "LUMBRA-C");
            EXPECT_EQ(viewer->EditImageID->Text(), "9");
            EXPECT_EQ(viewer->EditTuningID2->Text(), "7");
            EXPECT_EQ(viewer->EditStartDate->Text(), "1.2.2003");
            EXPECT_EQ(viewer->EditStartTime->Text(), "4:5:6");
            EXPECT_EQ(viewer->EditDate2->Text(), "7.8.2004");
            EXPECT_EQ(viewer->EditTime2->Text(), "9:10:11");
            EXPECT_EQ(viewer->EditImageWidth->Text(), "100");
            EXPECT_EQ(viewer->EditStepX->Text(), "2");
            EXPECT_EQ(viewer->EditStepY->Text(), "3");
            EXPECT_EQ(viewer->Defectarea->Text(), "");
            EXPECT_EQ(viewer->edComments->Text(), QString::fromUtf8("с пробелами"));
            EXPECT_EQ(viewer->Memo1->Lines()->Strings(0), QString::fromUtf8("Годен"));
            EXPECT_EQ(viewer->EditControlMade->Text(), QString::fromUtf8("Иванов"));
        }
        // A change enables OK, a later one keeps it so; Cancel still throws the edit away.
        viewer->edComments->SetText("changed");
        EXPECT_TRUE(viewer->btOK->Enabled());
        viewer->edComments->SetText("changed again");
        EXPECT_TRUE(viewer->btOK->Enabled());
        ClickWidget(viewer->btCancel);
        return int(mrNone);
    });
    EXPECT_FALSE(ViewTuningRecord(context, tuning, nullptr));
    EXPECT_FALSE(ViewImageRecord(context, image));
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(fixture.Loaded->Modified);
    EXPECT_EQ(tuning->Comments, QString::fromUtf8("Исходный комментарий"));
    EXPECT_EQ(image->Comments, QString::fromUtf8("с пробелами"));
    EXPECT_EQ(image->Conclusion, QString::fromUtf8("Годен"));

    // Frequency codes below 51 show no digit before the separator, 51 is a whole 8.
    for (const auto &[code, text] : {std::pair{1, ".157"}, std::pair{51, "8"}}) {
        tuning->Frequency = quint8(code);
        QString shownText;
        TModalHookScope frequency([&](const TModalRequest &request) {
            shownText = Viewer(request)->EditFrequency->Text();
            return int(mrNone);
        });
        ViewTuningRecord(context, tuning, nullptr);
        EXPECT_EQ(shownText, text);
    }
    EXPECT_FALSE(ViewTuningRecord(context, nullptr, nullptr));
}

TEST(RecordViewer, OkWritesEveryTextThroughTheManagerAndTheJournalHoldsExactlyTheEdit)
{
    JournalFixture fixture;
    const auto tuningSample = SampleTuning(5, 7);
    const auto otherTuning = SampleTuning(5, 8);
    const auto imageSample = SampleImage(5, 9, 7, 0);
    auto impactSample = SampleImage(6, 10, 7, 2);
    impactSample->SetSizeX(4);
    impactSample->SetSizeY(3);
    fixture.LoadRecords({tuningSample.get(), otherTuning.get(), imageSample.get(), impactSample.get()});
    TDataManager *manager = fixture.Loaded.get();
    TLumbraTuningMessage *tuning = manager->TuningMessages[0];
    TLumbraImageMessage *image = manager->ImageMessages[0];
    TLumbraImageMessage *impact = manager->ImageMessages[1];

    const QString name = QString::fromUtf8("Новое имя");
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        switch (viewer->nbEdit->PageIndex()) {
        case vpTuning:
            viewer->edTunName->SetText(name);
            viewer->edComments->SetText(QString::fromUtf8("Проверено"));
            break;
        case vpImage:
            viewer->edImgName->SetText(name);
            viewer->edComments->SetText(QString::fromUtf8("Трещина"));
            viewer->EditControlMade->SetText(QString::fromUtf8("Петров"));
            viewer->Memo1->SetText(QString::fromUtf8("Брак\r\nв зоне 2"));
            break;
        default:
            // Typing the old comment back still counts as a change.
            viewer->edComments->SetText("x");
            viewer->edComments->SetText(QString::fromUtf8("Комментарий"));
            break;
        }
        ClickWidget(viewer->btOK);
        return int(mrNone);
    });
    const TViewerContext context = ContextOf(manager, image);
    EXPECT_TRUE(ViewTuningRecord(context, tuning, nullptr));
    EXPECT_TRUE(manager->Modified);
    manager->SetModified(false);
    EXPECT_TRUE(ViewImageRecord(context, image));
    EXPECT_TRUE(manager->Modified);
    manager->SetModified(false);
    EXPECT_TRUE(ViewImpactImageRecord(ContextOf(manager, impact), impact));
    EXPECT_TRUE(manager->Modified);

    EXPECT_EQ(tuning->RecordName, name);
    EXPECT_EQ(tuning->Comments, QString::fromUtf8("Проверено"));
    EXPECT_EQ(image->RecordName, name);
    EXPECT_EQ(image->Comments, QString::fromUtf8("Трещина"));
    EXPECT_EQ(image->ControlMade, QString::fromUtf8("Петров"));
    EXPECT_EQ(image->Conclusion, QString::fromUtf8("Брак\r\nв зоне 2\r\n"));
    EXPECT_EQ(impact->Comments, QString::fromUtf8("Комментарий"));
    EXPECT_EQ(impact->RecordName, impactSample->RecordName);
    EXPECT_EQ(impact->Conclusion, QString::fromUtf8("Годен\r\n"));

    // The rewrite holds the edits in their fields and every other byte as it was.
    manager->SaveDataFile();
    tuningSample->SetRecordName(name);
    tuningSample->SetComments(QString::fromUtf8("Проверено"));
    imageSample->SetRecordName(name);
    imageSample->SetComments(QString::fromUtf8("Трещина"));
    imageSample->SetControlMade(QString::fromUtf8("Петров"));
    imageSample->SetConclusion(QString::fromUtf8("Брак в зоне 2 "));
    impactSample->SetImageType(2);
    impactSample->SetConclusion(QString::fromUtf8("Годен "));
    const QByteArray expected = fixture.LineBytes(*tuningSample) + fixture.LineBytes(*otherTuning) +
                                fixture.LineBytes(*imageSample) + fixture.LineBytes(*impactSample);
    EXPECT_EQ(fixture.JournalBytes(), expected);
}

TEST(RecordViewer, SizesFollowThePageAndTheTuningStandsBesideItsImageViewer)
{
    JournalFixture fixture;
    const auto tuningSample = SampleTuning(5, 7);
    const auto imageSample = SampleImage(5, 9, 7, 0);
    fixture.LoadRecords({tuningSample.get(), imageSample.get()});
    TLumbraTuningMessage *tuning = fixture.Loaded->TuningMessages[0];
    TLumbraImageMessage *image = fixture.Loaded->ImageMessages[0];
    TViewerContext context = ContextOf(fixture.Loaded.get(), image);

    struct Seen {
        int left, top, width, height, callerLeft, expectedHeight;
    };
    QList<Seen> seen;
    TForm *imageViewer = nullptr;
    int askedDevice = -1, askedTuning = -1;
    context.ShowTuning = [&](int device, int id, TfrmEditRecord *caller) {
        askedDevice = device;
        askedTuning = id;
        ViewTuningRecord(context, tuning, caller);
    };
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        const bool tuningPage = viewer->nbEdit->PageIndex() == vpTuning;
        const int expectedHeight =
            tuningPage ? viewer->pnTop->Height() + viewer->EditAttenuation->Top() + viewer->EditAttenuation->Height() +
                             viewer->paBottom->Height() + 35
                       : viewer->pnTop->Height() + viewer->GroupBox7->Top() + viewer->GroupBox7->Height() +
                             viewer->paBottom->Height() + 100;
        seen << Seen{viewer->Left(), viewer->Top(), viewer->Width(), viewer->Height(),
                     imageViewer ? imageViewer->Left() : 0, expectedHeight};
        if (!tuningPage) {
            imageViewer = viewer;
            ClickWidget(viewer->buShowTunning);
            seen << Seen{viewer->Left(), 0, 0, 0, 0, 0};
        }
        return int(mrNone);
    });
    ViewImageRecord(context, image);
    EXPECT_EQ(askedDevice, 5);
    EXPECT_EQ(askedTuning, 7);
    ASSERT_EQ(seen.size(), 3);
    const Seen &imageSeen = seen[0], &tuningSeen = seen[1];
    EXPECT_EQ(imageSeen.height, imageSeen.expectedHeight);
    EXPECT_EQ(tuningSeen.height, tuningSeen.expectedHeight);
    EXPECT_EQ(imageSeen.left, (Screen->Width() - imageSeen.width) / 2);
    EXPECT_EQ(imageSeen.top, (Screen->Height() - imageSeen.height) / 2);
    // The tuning stands right of the image viewer, at its top; the image viewer makes room when the screen is
    // too narrow for both and goes back when the tuning closes.
    EXPECT_EQ(tuningSeen.top, imageSeen.top);
    const int expectedCallerLeft = Screen->Width() < imageSeen.left + imageSeen.width + tuningSeen.width
                                       ? Screen->Width() - imageSeen.width - tuningSeen.width
                                       : imageSeen.left;
    EXPECT_EQ(tuningSeen.callerLeft, expectedCallerLeft);
    EXPECT_EQ(tuningSeen.left, expectedCallerLeft + imageSeen.width);
    EXPECT_EQ(seen[2].left, imageSeen.left);

    // A narrow caller far from the edge stays where it is; one at the edge is moved.
    for (int callerLeft : {0, Screen->Width() - 100}) {
        TForm caller(nullptr);
        caller.SetBounds(callerLeft, 40, 100, 100);
        seen.clear();
        imageViewer = &caller;
        ViewTuningRecord(context, tuning, &caller);
        ASSERT_EQ(seen.size(), 1);
        const bool fits = callerLeft + 100 + seen[0].width <= Screen->Width();
        EXPECT_EQ(seen[0].callerLeft, fits ? callerLeft : Screen->Width() - 100 - seen[0].width);
        EXPECT_EQ(seen[0].left, seen[0].callerLeft + 100);
        EXPECT_EQ(seen[0].top, 40);
        EXPECT_EQ(caller.Left(), callerLeft);
    }
}

TEST(RecordViewer, SpeaksTheLanguageOfTheWindowThatOpensIt)
{
    JournalFixture fixture;
    const auto tuning = SampleTuning(5, 7);
    TForm mainWindow(nullptr);
    auto *lang = new TmlLang(&mainWindow);
    auto *dispatcher = new TmlLangDispatcher(&mainWindow);
    dispatcher->SetNumOfLanguages(2);
    lang->SetLangDispatcher(dispatcher);
    dispatcher->SetActiveLanguage(2);
    TViewerContext context = ContextOf(fixture.Manager.get());
    context.LangDispatcher = dispatcher;
    context.CommonLang = lang;

    QStringList texts;
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        texts << viewer->Caption() << viewer->btCancel->Caption() << viewer->GroupBox1->Caption()
              << viewer->FindComponent("lbEditDate")->property("Caption").toString() << viewer->HelpFile();
        return int(mrNone);
    });
    ViewTuningRecord(context, tuning.get(), nullptr);
    EXPECT_EQ(texts, QStringList({QString::fromUtf8("Просмотр записи"), QString::fromUtf8("О&тмена"),
                                  QString::fromUtf8("Свойства записи настройки:"), QString::fromUtf8("Дата::"),
                                  "lumbra_ru.hlp"}));
    EXPECT_EQ(dispatcher->LangComponentCount(), 1);
}
