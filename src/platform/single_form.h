#pragma once
// Each form of the program has one instance, loaded on first use and unloaded when
// it closes; the next use loads it again with fresh state.
#include <QPointer>
#include <QWidget>

namespace platform {

template <class T>
class SingleForm {
public:
    // The instance, loaded now when it is not.
    static T& instance()
    {
        if (!s_instance)
            new T();
        return *s_instance;
    }
    static bool isLoaded() { return !s_instance.isNull(); }
    static T* loaded() { return s_instance.data(); }
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

private:
    static inline QPointer<T> s_instance;

protected:
    // Registers the instance before the form's own constructor runs, so the form's
    // load step can already reach itself through instance(). List the Qt widget base
    // before this one.
    SingleForm() { s_instance = static_cast<T*>(this); }
    ~SingleForm() = default;
};

} // namespace platform
