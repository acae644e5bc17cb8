// The record viewer on its own, over a data manager that reads and rewrites a private journal.

#include "viewer/RecordViewer.h"

#include "MainWindowLang.h"
#include "RecordSamples.h"
#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/Label.h"
#include "controls/Memo.h"
#include "controls/Notebook.h"
#include "forms/ModalHook.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
TfrmEditRecord *Viewer(const TModalRequest &request) { return dynamic_cast<TfrmEditRecord *>(request.Source); }

QStringList Texts(std::initializer_list<const TControl *> controls)
{
    QStringList texts;
    for (const TControl *control : controls)
        texts << control->Text();
    return texts;
}
} // namespace

// Every field as the record holds it (numbers plain, texts trimmed); OK stays off until a change; Cancel keeps
// record and manager as they were; the texts follow the language of the window that opens the viewer.
TEST(RecordViewer, ShowsTheRecordAndCancelChangesNothing)
{
    JournalFixture fixture;
    const auto tuningSample = SampleTuning(5, 7);
    const auto imageSample = SampleImage(5, 9, 7, 0);
    imageSample->SetComments(QString::fromUtf8("  с пробелами  "));
    fixture.LoadRecords({tuningSample.get(), imageSample.get()});
    TLumbraTuningMessage *tuning = fixture.Loaded->TuningMessages[0];
    TLumbraImageMessage *image = fixture.Loaded->ImageMessages[0];
    TViewerContext context = ContextOf(fixture.Loaded.get(), image);

    QList<QStringList> shown;
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *v = Viewer(request);
        EXPECT_FALSE(v->btOK->Enabled());
        // Enter reaches no disabled OK.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(v->Widget(), &enter);
        shown << (v->nbEdit->PageIndex() == vpTuning
                      ? Texts({v->edDevice, v->edDeviceID, v->EditTuningID, v->edTunName, v->EditTransducerID,
                               v->EditDate, v->EditTime, v->EditFrequency, v->EditGain, v->EditPulse,
                               v->EditStartPoint, v->EditEndPoint, v->EditAttenuation, v->edComments})
                      : Texts({v->edImgDevName, v->edImgDevID, v->EditImageID, v->EditTuningID2, v->edImgName,
                               v->EditStartDate, v->EditStartTime, v->EditDate2, v->EditTime2, v->EditImageWidth,
                               v->EditImageHeight, v->EditStepX, v->EditStepY, v->Defectarea, v->Memo1,
                               v->EditControlMade, v->edComments}));
        v->edComments->SetText("changed");
        v->edComments->SetText("changed again");
        EXPECT_TRUE(v->btOK->Enabled());
        ClickWidget(v->btCancel);
        return int(mrNone);
    });
    EXPECT_FALSE(ViewTuningRecord(context, tuning, nullptr));
    EXPECT_FALSE(ViewImageRecord(context, image));
    tuning->Frequency = 1;
    ViewTuningRecord(context, tuning, nullptr);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0], QStringList({"LUMBRA-C", "5", "7", QString::fromUtf8("Настройка 7"), "18", "5.3.2004",
                                     "9:7:3", "10.039", "128", "3", "256", "512", "31",
                                     QString::fromUtf8("Исходный комментарий")}));
    EXPECT_EQ(shown[1], QStringList({"LUMBRA-C", "5", "9", "7", QString::fromUtf8("Изображение 9"), "1.2.2003",
                                     "4:5:6", "7.8.2004", "9:10:11", "100", "100", "2", "3", "",
                                     QString::fromUtf8("Годен\r\n"), QString::fromUtf8("Иванов"),
                                     QString::fromUtf8("с пробелами")}));
    EXPECT_EQ(shown[2][7], ".157");
    EXPECT_FALSE(fixture.Loaded->Modified);
    EXPECT_EQ(tuning->Comments, QString::fromUtf8("Исходный комментарий"));
    EXPECT_EQ(image->Comments, QString::fromUtf8("с пробелами"));

    TMainWindowLang mainWindow;
    context.LangDispatcher = mainWindow.Dispatcher;
    context.LangDispatcher->SetActiveLanguage(2);
    context.CommonLang = mainWindow.Lang;
    QStringList russian;
    TModalHookScope language([&](const TModalRequest &request) {
        TfrmEditRecord *v = Viewer(request);
        russian << v->Caption() << v->btCancel->Caption() << v->GroupBox1->Caption() << v->HelpFile();
        return int(mrNone);
    });
    ViewTuningRecord(context, tuning, nullptr);
    EXPECT_EQ(russian, QStringList({QString::fromUtf8("Просмотр записи"), QString::fromUtf8("О&тмена"),
                                    QString::fromUtf8("Свойства записи настройки:"), "lumbra_ru.hlp"}));
    EXPECT_EQ(context.LangDispatcher->LangComponentCount(), 1);
}

// OK on each page writes name, comment, control-made text and conclusion into the manager's record and marks
// the manager modified, also when the text typed is the old one; the rewrite then differs from the journal
// read exactly in the edited fields.
TEST(RecordViewer, OkWritesEveryTextAndTheJournalHoldsExactlyTheEdit)
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
        default: {
            // Typing the old text back still counts as a change; Enter takes the enabled OK.
            viewer->edComments->SetText("x");
            viewer->edComments->SetText(QString::fromUtf8("Комментарий"));
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(viewer->Widget(), &enter);
            return int(mrNone);
        }
        }
        ClickWidget(viewer->btOK);
        return int(mrNone);
    });
    const TViewerContext context = ContextOf(manager, manager->ImageMessages[0]);
    for (int page = vpTuning; page <= vpImpactImage; ++page) {
        manager->SetModified(false);
        EXPECT_TRUE(page == vpTuning  ? ViewTuningRecord(context, manager->TuningMessages[0], nullptr)
                    : page == vpImage ? ViewImageRecord(context, manager->ImageMessages[0])
                                      : ViewImpactImageRecord(context, impact));
        EXPECT_TRUE(manager->Modified);
    }
    EXPECT_EQ(manager->ImageMessages[0]->Conclusion, QString::fromUtf8("Брак\r\nв зоне 2\r\n"));
    EXPECT_EQ(impact->RecordName, impactSample->RecordName);

    manager->SaveDataFile();
    tuningSample->SetRecordName(name);
    tuningSample->SetComments(QString::fromUtf8("Проверено"));
    imageSample->SetRecordName(name);
    imageSample->SetComments(QString::fromUtf8("Трещина"));
    imageSample->SetControlMade(QString::fromUtf8("Петров"));
    imageSample->SetConclusion(QString::fromUtf8("Брак в зоне 2 "));
    impactSample->SetConclusion(QString::fromUtf8("Годен "));
    EXPECT_EQ(fixture.JournalBytes(), fixture.LineBytes(*tuningSample) + fixture.LineBytes(*otherTuning) +
                                          fixture.LineBytes(*imageSample) + fixture.LineBytes(*impactSample));
}

// On every page and in both languages each label stands whole beside its field, and every text, however long,
// opens showing its beginning.
TEST(RecordViewer, LabelsStandWholeAndLongTextsOpenAtTheirBeginning)
{
    JournalFixture fixture;
    const QString name = QString::fromUtf8("Начало имени ") + QString(27, u'ж');
    const QString text = QString::fromUtf8("Начало текста ") + QString(86, u'ж');
    const auto tuning = SampleTuning(5, 7);
    tuning->SetRecordName(name);
    tuning->SetComments(text);
    auto image = SampleImage(5, 9, 7, 0);
    auto impact = SampleImage(5, 10, 7, 2);
    impact->SetSizeX(30);
    impact->SetSizeY(60);
    for (TLumbraImageMessage *record : {image.get(), impact.get()}) {
        record->SetRecordName(name);
        record->SetComments(text);
        record->SetControlMade(text.left(60));
    }
    TMainWindowLang mainWindow;
    TViewerContext context = ContextOf(fixture.Manager.get(), image.get());
    context.LangDispatcher = mainWindow.Dispatcher;
    context.CommonLang = mainWindow.Lang;

    int views = 0;
    QStringList cut, scrolled;
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        ++views;
        for (int i = 0; i < viewer->ComponentCount(); ++i) {
            const auto *label = dynamic_cast<const TLabel *>(viewer->Components(i));
            const TWinControl *field = label ? label->FocusControl() : nullptr;
            if (!field || !label->Widget()->isVisibleTo(viewer->Widget()))
                continue;
            const bool beside = label->Top() >= field->Top() && label->Top() < field->Top() + field->Height();
            if (label->Left() + label->Width() > (beside ? field->Left() : label->Parent()->ClientWidth()))
                cut << QString("%1 %2").arg(viewer->nbEdit->PageIndex()).arg(label->Caption());
        }
        for (int i = 0; i < viewer->ComponentCount(); ++i)
            if (const auto *edit = dynamic_cast<const TEdit *>(viewer->Components(i)))
                if (static_cast<const QLineEdit *>(edit->Widget())->cursorPosition() != 0)
                    scrolled << edit->Name();
        return int(mrCancel);
    });
    for (const int language : {1, 2}) {
        mainWindow.Dispatcher->SetActiveLanguage(language);
        ViewTuningRecord(context, tuning.get(), nullptr);
        ViewImageRecord(context, image.get());
        ViewImpactImageRecord(context, impact.get());
    }
    EXPECT_EQ(views, 6);
    EXPECT_EQ(cut, QStringList());
    EXPECT_EQ(scrolled, QStringList());
}
