// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's SVG pictures as PNG:
//   rendericons <svg folder> <png folder>
//     every picture at the sizes the windows use, so that start-up reads small
//     bitmaps instead of rendering vector drawings. Run by
//     scripts/render-icons.sh after a picture changes; the PNGs are committed
//     beside the SVGs they come from.
//   rendericons <picture.svg> <icon theme folder> <size>...
//     one picture at each size, as <folder>/<size>x<size>/apps/<name>.png:
//     the desktop's icon theme, made at every build and installed beside the
//     SVG for menus and file managers that do not draw SVG.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>

namespace {

bool draw(const QIcon& icon, int size, const QString& file) {
    const QImage image = icon.pixmap(size, size).toImage();
    // A missing SVG plugin (libqt6svg6) gives an empty picture, not an error.
    if (image.isNull() || image.size() != QSize(size, size)) {
        qWarning("cannot draw %s at %d px", qPrintable(file), size);
        return false;
    }
    return QDir().mkpath(QFileInfo(file).path()) && image.save(file);
}

int drawForWindows(const QDir& from, const QDir& to) {
    int written = 0;
    for (const QString& file : from.entryList({QStringLiteral("*.svg")}, QDir::Files)) {
        const QIcon icon(from.filePath(file));
        const QString stem = file.chopped(4);
        // The row buttons' pictures at 16, the toolbar's at 24, the program's
        // own at 64; each also at twice the size for screens of high density.
        const bool rowButton =
            stem == QLatin1String("elimina-riga") || stem == QLatin1String("copia");
        const int size1 = rowButton ? 16 : stem == QLatin1String("fenoverra") ? 64 : 24;
        for (const int size : {size1, 2 * size1}) {
            if (!draw(icon, size, to.filePath(QStringLiteral("%1-%2.png").arg(stem).arg(size))))
                return 1;
            ++written;
        }
    }
    return written > 0 ? 0 : 1;
}

int drawForTheme(const QString& svg, const QDir& theme, const QStringList& sizes) {
    const QIcon icon(svg);
    const QString name = QFileInfo(svg).completeBaseName();
    for (const QString& text : sizes) {
        const int size = text.toInt();
        if (size <= 0 ||
            !draw(icon, size,
                  theme.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name))))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 3 && arguments[1].endsWith(QLatin1String(".svg")))
        return drawForTheme(arguments[1], QDir(arguments[2]), arguments.mid(3));
    if (arguments.size() == 3) return drawForWindows(QDir(arguments[1]), QDir(arguments[2]));
    qWarning("usage: rendericons <svg folder> <png folder>\n"
             "       rendericons <picture.svg> <icon theme folder> <size>...");
    return 2;
}
