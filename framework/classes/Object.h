#pragma once

#include <QString>

// Root of the plain (non-component) classes: gives every object a virtual destructor, so lists that own
// objects can free them, and the run-time class name that exception boxes and the language texts use.
class TObject {
public:
    virtual ~TObject();
    QString ClassName() const;
};

// Unqualified class name of a polymorphic object's dynamic type ("TfrmMain", never "ns::TfrmMain").
QString ClassNameOf(const std::type_info &type);
