#pragma once
// Each form of the program has one instance, loaded on first use and unloaded when
// it closes; the next use loads it again with fresh state.
#include <QPointer>
#include <QWidget>

namespace platform {

template <class T>
class SingleForm {
public:
    // The instance, loaded now when it is not. While the form's own constructor runs
    // (its load step), this already returns the form under construction.
    static T& instance()
    {
        if (s_instance)
            return *s_instance;
        if (s_constructing)
            return *static_cast<T*>(s_constructing);
        T* form = new T();
        s_constructing = nullptr;
        s_instance = form;
        return *form;
    }
    static bool isLoaded() { return !s_instance.isNull() || s_constructing; }
    static T* loaded()
    {
        if (s_instance)
            return s_instance.data();
        return s_constructing ? static_cast<T*>(s_constructing) : nullptr;
    }
    // Unloads the instance. Deletion is deferred so code of the form still on the
    // stack (a handler that closed its own window) can return safely.
    static void unload()
    {
        if (T* w = s_instance.data()) {
            s_instance.clear();
            w->hide();
            w->deleteLater();
        }
    }

    // Unloads the instance without deleting it, for a form whose code is still running
    // further down the stack (a command that closed its own window and goes on to open
    // the next one): the caller deletes it once that code has returned.
    static T* release()
    {
        T* w = s_instance.data();
        s_instance.clear();
        return w;
    }

protected:
    // Only instance() creates forms; remembering the base (no cast yet) lets the
    // form's constructor reach itself through instance().
    SingleForm() { s_constructing = this; }
    ~SingleForm()
    {
        if (s_constructing == this)
            s_constructing = nullptr;
    }

private:
    static inline QPointer<T> s_instance;
    static inline SingleForm* s_constructing = nullptr;
};

} // namespace platform
