#include "platform/bitmaps.h"

#include "resources/bitmaps.h"

#include <QHash>

namespace platform {

namespace {

struct Registry {
    QHash<QString, BitmapPainter> painters;
    QHash<QString, QPixmap> cache;
};

Registry& registry()
{
    static Registry r;
    static bool filled = false;
    if (!filled) {
        filled = true;
        resources::registerBuiltInBitmaps();
    }
    return r;
}

} // namespace

void registerBitmap(const QString& name, BitmapPainter painter)
{
    Registry& r = registry();
    const QString key = name.toUpper();
    r.painters.insert(key, std::move(painter));
    r.cache.remove(key);
}

bool hasBitmap(const QString& name) { return registry().painters.contains(name.toUpper()); }

QPixmap LoadResPicture(const QString& name)
{
    Registry& r = registry();
    const QString key = name.toUpper();
    auto cached = r.cache.constFind(key);
    if (cached != r.cache.constEnd())
        return *cached;
    auto it = r.painters.constFind(key);
    if (it == r.painters.constEnd())
        return {};
    QPixmap pm = (*it)();
    r.cache.insert(key, pm);
    return pm;
}

} // namespace platform
