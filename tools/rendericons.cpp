// Draws the program's SVG pictures as PNG at the sizes the windows use, so
// that start-up reads small bitmaps instead of rendering vector drawings:
//   rendericons <svg folder> <png folder>
// Run by scripts/render-icons.sh after a picture changes; the PNGs are
// committed beside the SVGs they come from.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPainter>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        qWarning("usage: rendericons <svg folder> <png folder>");
        return 2;
    }
    const QDir from(QString::fromLocal8Bit(argv[1]));
    QDir to(QString::fromLocal8Bit(argv[2]));
    to.mkpath(QStringLiteral("."));
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
            const QImage image = icon.pixmap(size, size).toImage();
            if (image.isNull()) return 1;
            if (!image.save(to.filePath(QStringLiteral("%1-%2.png").arg(stem).arg(size)))) return 1;
            ++written;
        }
    }
    return written > 0 ? 0 : 1;
}
