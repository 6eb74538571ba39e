#include "editors/h9/refresh.h"

#include "editors/h9/frmModeSetting_H9.h"

namespace {
std::function<void(int)>& h5h7Handler()
{
    static std::function<void(int)> handler;
    return handler;
}
} // namespace

void SetRefreshHandlerH5H7(std::function<void(int kind)> handler) { h5h7Handler() = std::move(handler); }

void RefreshDependentControls(int kind)
{
    if (kind == 0) {
        // filled in with the editor's behaviour
        return;
    }
    if (kind >= 1 && kind <= 3 && h5h7Handler())
        h5h7Handler()(kind);
}
