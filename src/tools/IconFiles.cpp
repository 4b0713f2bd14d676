// Writes the program's icon files for the desktop from the same drawing the
// program shows: a scalable SVG and PNGs at the hicolor theme's sizes.
//   quolan-icon-files <output folder> <icon name>
// makes <folder>/hicolor/scalable/apps/<name>.svg and
// <folder>/hicolor/<n>x<n>/apps/<name>.png.

#include "gui/pictures/PaintedIcon.h"
#include "gui/pictures/Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <array>
#include <cstdio>

namespace {

constexpr std::array kPngSizes{16, 24, 32, 48, 64, 128, 256};

QString appsFolder(const QString& root, const QString& size) {
    QString folder = root + QStringLiteral("/hicolor/") + size + QStringLiteral("/apps");
    QDir().mkpath(folder);
    return folder;
}

bool writeSvg(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    const QSizeF design = quolan::kProgramIconDesignSize;
    svg.setSize(design.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), design));
    svg.setTitle(QStringLiteral("Quolan"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    quolan::drawProgramIcon(painter);
    return painter.end();
}

bool writePng(const QString& path, int size) {
    const QPixmap pixmap = quolan::paintedPixmap(quolan::drawProgramIcon,
                                                 quolan::kProgramIconDesignSize, QSize(size, size));
    return pixmap.save(path, "PNG");
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fputs("usage: quolan-icon-files OUTPUT-FOLDER ICON-NAME\n", stderr);
        return 2;
    }
    const QString& root = args[1];
    const QString& name = args[2];

    bool ok = writeSvg(appsFolder(root, QStringLiteral("scalable")) + '/' + name +
                       QStringLiteral(".svg"));
    for (int size : kPngSizes) {
        const QString folder = appsFolder(root, QStringLiteral("%1x%1").arg(size));
        ok = writePng(folder + '/' + name + QStringLiteral(".png"), size) && ok;
    }
    if (!ok) {
        std::fputs("quolan-icon-files: an icon file could not be written\n", stderr);
        return 1;
    }
    return 0;
}
