#pragma once

#include <QString>
#include <exception>
#include <string>

// The general exception class every handler of the program catches; the message is what the user reads.
class Exception : public std::exception {
public:
    explicit Exception(const QString &message);
    const QString &Message() const { return message_; }
    const char *what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

#define ORMEL_EXCEPTION(Name, Base)                                                                          \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
    };

ORMEL_EXCEPTION(EIntError, Exception)
ORMEL_EXCEPTION(ERangeError, EIntError)
ORMEL_EXCEPTION(EDivByZero, EIntError)
ORMEL_EXCEPTION(EMathError, Exception)
ORMEL_EXCEPTION(EInvalidOp, EMathError)
ORMEL_EXCEPTION(EZeroDivide, EMathError)
ORMEL_EXCEPTION(EOverflow, EMathError)
ORMEL_EXCEPTION(EConvertError, Exception)
ORMEL_EXCEPTION(EInOutError, Exception)
ORMEL_EXCEPTION(EListError, Exception)
ORMEL_EXCEPTION(EInvalidCast, Exception)
ORMEL_EXCEPTION(EAbstractError, Exception)
ORMEL_EXCEPTION(EInvalidOperation, Exception)
ORMEL_EXCEPTION(EComponentError, Exception)
ORMEL_EXCEPTION(ERegistryException, Exception)

#undef ORMEL_EXCEPTION
