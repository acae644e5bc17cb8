#include "classes/MetaTypes.h"

#include "classes/Strings.h"
#include "controls/Bevel.h"
#include "controls/ComboBox.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/PageControl.h"
#include "controls/StatusBar.h"
#include "dialogs/OpenDialog.h"
#include "forms/Form.h"
#include "graphics/Bitmap.h"
#include "graphics/Picture.h"
#include "menus/Menus.h"

#include <QMetaType>

void RegisterFrameworkMetaTypes()
{
    qRegisterMetaType<TStrings *>();
    qRegisterMetaType<TStringList *>();
    qRegisterMetaType<TFont *>();
    qRegisterMetaType<TBitmap *>();
    qRegisterMetaType<TPicture *>();
    qRegisterMetaType<TCollection *>();
    qRegisterMetaType<TStatusPanels *>();
    qRegisterMetaType<TBasicAction *>();
    qRegisterMetaType<TSizeConstraints *>();
    qRegisterMetaType<TWinControl *>();
    qRegisterMetaType<TTabSheet *>();
    qRegisterMetaType<TMainMenu *>();
    qRegisterMetaType<TImageList *>();
    // Enumerations of published properties live in the same registry.
    qRegisterMetaType<TAlign>();
    qRegisterMetaType<TAlignment>();
    qRegisterMetaType<TPanelBevel>();
    qRegisterMetaType<TBevelShape>();
    qRegisterMetaType<TBevelStyle>();
    qRegisterMetaType<TComboBoxStyle>();
    qRegisterMetaType<TFormBorderStyle>();
    qRegisterMetaType<TPosition>();
    qRegisterMetaType<TWindowState>();
}
