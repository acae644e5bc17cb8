#include "classes/Object.h"

#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

TObject::~TObject() = default;

QString TObject::ClassName() const { return ClassNameOf(typeid(*this)); }

QString ClassNameOf(const std::type_info &type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                      std::free);
    QString name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : type.name());
    const qsizetype colons = name.lastIndexOf(QLatin1String("::"));
    return colons < 0 ? name : name.mid(colons + 2);
}
