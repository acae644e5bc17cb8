#pragma once

#include "classes/Component.h"

#include <QPointer>
#include <QPrintDialog>


// The standard print dialog on the module's printer. Execute answers whether the user confirmed it; the
// choices made in it (printer, copies, page range) stay with the printer. Answered by the modal hook (kind
// mkCommonDialog, non-zero confirms) when one is set.
class TPrintDialog : public TComponent {
    Q_OBJECT
public:
    explicit TPrintDialog(TComponent *owner);

    bool Execute();
    // The dialog window while it shows.
    QPrintDialog *Dialog() const { return dialog_; }

private:
    QPointer<QPrintDialog> dialog_;
};
