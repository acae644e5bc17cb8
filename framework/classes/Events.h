#pragma once

class TObject;

// An event handler as the framework stores it: two words, the code to run and the object it runs on.
// The same shape crosses the plug-in contract, so it stays a plain aggregate with a C-callable code word.
template <typename... Args>
struct TMethod {
    using CodeType = void (*)(void *data, Args... args);
    CodeType Code = nullptr;
    void *Data = nullptr;

    bool Assigned() const { return Code != nullptr; }
    void operator()(Args... args) const
    {
        if (Code)
            Code(Data, args...);
    }
    friend bool operator==(const TMethod &a, const TMethod &b) = default;
};

using TNotifyEvent = TMethod<TObject *>;

namespace detail {
template <auto Method>
struct MethodThunk;

template <typename Class, typename... Args, void (Class::*Method)(Args...)>
struct MethodThunk<Method> {
    using Event = TMethod<Args...>;
    using Owner = Class;
    static void Call(void *data, Args... args) { (static_cast<Class *>(data)->*Method)(args...); }
};
} // namespace detail

// Binds a member function to an object: MakeEvent<&TfrmMain::PMLoadComplete>(this).
template <auto Method, typename Class>
typename detail::MethodThunk<Method>::Event MakeEvent(Class *object)
{
    using Thunk = detail::MethodThunk<Method>;
    return {&Thunk::Call, static_cast<void *>(static_cast<typename Thunk::Owner *>(object))};
}
