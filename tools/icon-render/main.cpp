// orvane-icon-render: draws an SVG icon at fixed pixel sizes into PNG files laid out as
// an icon theme wants them, OUTDIR/<N>x<N>/apps/<name>.png, for the desktops and file
// managers that take no SVG. Runs at build time.
//
//   orvane-icon-render SVG OUTDIR SIZE...

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

// An icon that renders fully transparent means the SVG drew nothing: a broken file
// would otherwise install as empty images.
bool HasVisiblePixels(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                return true;
            }
        }
    }
    return false;
}

bool RenderSize(QSvgRenderer& svg, int size, const QString& path) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
    }
    if (!HasVisiblePixels(image)) {
        std::fprintf(stderr, "orvane-icon-render: nothing drawn at %d pixels\n", size);
        return false;
    }
    if (!QFileInfo(path).dir().mkpath(".") || !image.save(path, "PNG")) {
        std::fprintf(stderr, "orvane-icon-render: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: orvane-icon-render SVG OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(arguments[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "orvane-icon-render: %s is no SVG\n", qPrintable(arguments[1]));
        return 1;
    }
    const QString name = QFileInfo(arguments[1]).completeBaseName();
    for (const QString& argument : arguments.mid(3)) {
        bool isNumber = false;
        const int size = argument.toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::fprintf(stderr, "orvane-icon-render: bad size '%s'\n", qPrintable(argument));
            return 2;
        }
        const QString path = QString("%1/%2x%2/apps/%3.png").arg(arguments[2]).arg(size).arg(name);
        if (!RenderSize(svg, size, path)) {
            return 1;
        }
    }
    return 0;
}
