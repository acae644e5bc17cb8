// Record viewer benchmark (run by hand): viewer_benchmark [--runs N]
//
// Opens the record viewer on an image as the View command does, paints it whole as the screen would and closes
// it: an ordinary image with a short conclusion and an impact image of 13 x 10 values are the references, then
// conclusions of 300,000, 1,000,000 and 10,000,000 characters without a blank, and an impact image of
// 1000 x 1000 values. Each figure is the median of N runs (3 unless given).

#include "BenchTiming.h"
#include "Records.h"
#include "forms/ModalHook.h"
#include "viewer/RecordViewer.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
std::unique_ptr<TLumbraImageMessage> Image(int type, int sizeX, int sizeY, const QString &conclusion)
{
    std::unique_ptr<TLumbraImageMessage> image(NewObject<TLumbraImageMessage>(&TLumbraImageMessage::Create));
    image->SetDeviceType("LUMBRA-C");
    image->SetRecordName("Benchmark");
    image->SetImageType(quint8(type));
    image->SetSizeX(quint16(sizeX));
    image->SetSizeY(quint16(sizeY));
    image->SetWidth(120);
    image->SetHeight(120);
    image->BitImage.SetLength(type == 2 ? sizeX * sizeY : 1800);
    for (int k = 0; k < image->BitImage.Length(); ++k)
        image->BitImage[k] = quint8(k * 7 % 90);
    image->SetConclusion(conclusion);
    return image;
}

double OpenAndClose(TLumbraImageMessage *image, int runs)
{
    TViewerContext context;
    context.CurrentImage = image;
    const TModalHookScope scope([](const TModalRequest &request) {
        request.Window->grab();
        return int(mrCancel);
    });
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(Milliseconds([&] {
            if (image->ImageType == 2)
                ViewImpactImageRecord(context, image);
            else
                ViewImageRecord(context, image);
        }));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    int runs = 3;
    const QStringList args = app.arguments();
    if (const qsizetype at = args.indexOf("--runs"); at >= 0 && at + 1 < args.size())
        runs = std::max(args[at + 1].toInt(), 1);

    std::printf("record viewer, open, paint and close (median of %d)\n", runs);
    const auto report = [runs](const char *what, std::unique_ptr<TLumbraImageMessage> image) {
        std::printf("  %-40s %9.1f ms\n", what, OpenAndClose(image.get(), runs));
    };
    report("image, short conclusion (reference)", Image(0, 100, 80, "Fit for service"));
    for (const int length : {300000, 1000000, 10000000})
        report(qPrintable(QString("image, conclusion of %1 characters").arg(length)),
               Image(0, 100, 80, QString(length, u'x')));
    report("impact image 13 x 10 (reference)", Image(2, 13, 10, "Fit"));
    report("impact image 1000 x 1000", Image(2, 1000, 1000, "Fit"));
    return 0;
}
