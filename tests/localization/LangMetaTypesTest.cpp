#include "mlDialog.h"
#include "mlFormStorage.h"
#include "mlLabel.h"
#include "mlLang.h"
#include "mlLngLnk.h"

#include "classes/MetaTypes.h"

#include <QMetaProperty>
#include <gtest/gtest.h>

// A type that a plug-in enters first into Qt's process-wide registry leaves the registry pointing into the
// plug-in's memory once the plug-in is unloaded. The host registers every published property type of the
// language and form-state components before it loads a plug-in; this runs in a process of its own under ctest,
// so nothing but those two calls has registered anything yet.
TEST(LangMetaTypes, TheHostRegistersEveryPublishedPropertyTypeOfTheComponents)
{
    RegisterFrameworkMetaTypes();
    RegisterLanguageMetaTypes();
    for (const QMetaObject *meta : {&TmlLang::staticMetaObject, &TmlLangLinked::staticMetaObject,
                                    &TmlLangDispatcher::staticMetaObject, &TmlFormStorage::staticMetaObject,
                                    &TmlLabel::staticMetaObject, &TmlOpenDialog::staticMetaObject}) {
        for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            const char *typeName = property.metaType().name();
            EXPECT_TRUE(QMetaType::fromName(typeName).isValid())
                << meta->className() << "." << property.name() << " of type " << typeName;
        }
    }
}
