#pragma once

#include "ManagerFixture.h"
#include "Records.h"
#include "viewer/RecordViewer.h"

#include <QByteArray>
#include <QEvent>
#include <initializer_list>
#include <memory>

class QWidget;
class TControl;
class TForm;

// Records with known fields, and a data manager that read them from a private journal.
std::unique_ptr<TLumbraTuningMessage> SampleTuning(int device, int id);
// A 120 x 120 picture, blank unless filled.
std::unique_ptr<TLumbraImageMessage> SampleImage(int device, int id, int tuning, int imageType);

// What a viewer needs of its window: the manager, and the images table's current record.
TViewerContext ContextOf(TDataManager *manager, const TLumbraImageMessage *currentImage);

struct JournalFixture : ManagerFixture {
    // Writes the records' lines to the journal and reads it with a new manager.
    void LoadRecords(std::initializer_list<const TCustomLumbraMessage *> records);
    QByteArray LineBytes(const TCustomLumbraMessage &record) const;
    std::unique_ptr<TOrmelDataManager> Loaded;
};

// Presses, moves and releases the mouse over a control as the user would.
void MouseAt(TControl *control, QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held);
// Clicks a button's widget: a disabled button takes no click.
void ClickWidget(TControl *control);
