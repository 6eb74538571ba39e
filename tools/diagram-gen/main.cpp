// diagram-gen: draws every timing diagram the editors can ask for into the program's
// data folder, as JPEG files under the names the editors build.
//
//   diagram-gen <data folder>
//
// Files of the diagram folders that no editor asks for any more are removed, so the
// folder holds exactly the pictures of this build. Prints the number of pictures per
// folder, their size and the time taken.
#include "catalogue.h"
#include "diagram_painter.h"

#include "editors/h5h7/h5h7_diagrams.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMap>
#include <QSet>

#include <cstdio>

namespace {

constexpr int kJpegQuality = 60;

int fail(const QString& text)
{
    std::fprintf(stderr, "diagram-gen: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2)
        return fail(QStringLiteral("usage: diagram-gen <data folder>"));
    const QDir data(args.at(1));

    QElapsedTimer clock;
    clock.start();
    const std::vector<diagram::Picture> pictures = diagram::allPictures();

    // Every picture must be sound, named once, and the H5/H7 editor's list of the names
    // it can ask for must be exactly what is drawn for it.
    QSet<QString> names;
    QSet<QString> h5h7;
    for (const diagram::Picture& p : pictures) {
        const QString problem = diagram::validate(p.diagram);
        if (!problem.isEmpty())
            return fail(p.path + QStringLiteral(": ") + problem);
        if (names.contains(p.path))
            return fail(p.path + QStringLiteral(" drawn twice"));
        names.insert(p.path);
        if (!p.path.startsWith(QLatin1String("Picture/733/")))
            h5h7.insert(p.path);
    }
    const QStringList listed = H5DiagramPaths() + H7DiagramPaths();
    if (QSet<QString>(listed.begin(), listed.end()) != h5h7)
        return fail(QStringLiteral("the H5/H7 pictures differ from the names the editor lists"));

    QMap<QString, int> perFolder;
    qint64 bytes = 0;
    for (const diagram::Picture& p : pictures) {
        const QString file = data.filePath(p.path);
        if (!QDir().mkpath(QFileInfo(file).path()))
            return fail(QStringLiteral("cannot make the folder of ") + file);
        QImageWriter writer(file, "jpg");
        writer.setQuality(kJpegQuality);
        writer.setOptimizedWrite(true);
        if (!writer.write(diagram::paint(p.diagram)))
            return fail(file + QStringLiteral(": ") + writer.errorString());
        bytes += QFileInfo(file).size();
        ++perFolder[QFileInfo(p.path).path()];
    }

    int removed = 0;
    for (const QString& folder : perFolder.keys()) {
        QDirIterator it(data.filePath(folder), {QStringLiteral("*.jpg")}, QDir::Files);
        while (it.hasNext()) {
            const QString file = it.next();
            if (!names.contains(data.relativeFilePath(file)) && QFile::remove(file))
                ++removed;
        }
    }

    for (auto it = perFolder.cbegin(); it != perFolder.cend(); ++it)
        std::printf("diagram-gen: %-24s %4d pictures\n", qPrintable(it.key()), it.value());
    std::printf("diagram-gen: %d pictures, %.1f MB, %.2f s%s\n", int(pictures.size()), bytes / 1e6,
                clock.elapsed() / 1000.0, removed ? qPrintable(QStringLiteral(", %1 old removed").arg(removed)) : "");
    return 0;
}
