#include "classes/MetaTypes.h"
#include "mlPluginManager.h"

#include <QApplication>
#include <cstdio>

namespace {
// Until the main window exists, the program loads the plug-ins beside it and names them.
struct TLoadReport {
    void PlugInLoaded(TObject *sender, const QString &itemName, int item, int)
    {
        const auto *manager = static_cast<TmlPluginManager *>(sender);
        std::printf("%s order %d\n", qPrintable(itemName), manager->Infos()[item - 1]->Order);
    }
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    RegisterFrameworkMetaTypes();
    TLoadReport report;
    TmlPluginManager manager(nullptr);
    manager.SetOnLoadPlugIn(MakeEvent<&TLoadReport::PlugInLoaded>(&report));
    manager.LoadPlugins();
    return 0;
}
