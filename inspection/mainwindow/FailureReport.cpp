#include "mainwindow/FailureReport.h"

#include "forms/Application.h"
#include "registry/RegistryStore.h"

void ReportLumbraFailure(const Exception &error)
{
    if (dynamic_cast<const ERegistryException *>(&error) && !FirstToTellStoreFailure())
        return;
    Application->MessageBox(QStringLiteral("From LUMBRA-C:") + error.Message(), Application->Title(), MB_OK);
}
