#include "editors/common/refresh.h"

#include <array>

namespace {

std::array<RefreshRoutine, 4>& routines()
{
    static std::array<RefreshRoutine, 4> r{};
    return r;
}

} // namespace

void SetRefreshRoutine(int first, int last, RefreshRoutine routine)
{
    for (int kind = first; kind <= last; ++kind)
        if (kind >= 0 && kind < static_cast<int>(routines().size()))
            routines()[static_cast<std::size_t>(kind)] = routine;
}

void RefreshDependentControls(int kind)
{
    if (kind >= 0 && kind < static_cast<int>(routines().size()))
        if (RefreshRoutine routine = routines()[static_cast<std::size_t>(kind)])
            routine(kind);
}
