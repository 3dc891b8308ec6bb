// Draws the program's icon: the scalable SVG and PNG pictures of the sizes
// given, both from one description of its shapes.
//   quorva_make_icon <output folder> <size>...
// writes org.quorva.Quorva.svg and org.quorva.Quorva-<size>.png.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kIconName = "org.quorva.Quorva";
constexpr double kUnits = 256;  // the shapes are laid out on a 256 x 256 grid

// One shape of the icon. A rounded rectangle (radius > 0 with width/height),
// a circle (width 0, radius), or a polygon (points).
struct Shape {
    double x = 0, y = 0, width = 0, height = 0, radius = 0;
    std::vector<QPointF> points;
    QColor fill;
    QColor stroke = Qt::transparent;
    double strokeWidth = 0;
};

std::vector<Shape> IconShapes() {
    const QColor night(0x1c, 0x3f, 0x7c);
    std::vector<Shape> shapes;
    // Tile, disc with its data ring and hole, and a play badge.
    shapes.push_back({16, 16, 224, 224, 44, {}, night});
    shapes.push_back(
        {116, 116, 0, 0, 88, {}, QColor(0xe3, 0xe9, 0xf1), QColor(0x9c, 0xab, 0xbf), 4});
    shapes.push_back({116, 116, 0, 0, 58, {}, QColor(0xbf, 0xcd, 0xde)});
    shapes.push_back({116, 116, 0, 0, 30, {}, QColor(0xe3, 0xe9, 0xf1)});
    shapes.push_back({116, 116, 0, 0, 14, {}, night});
    shapes.push_back({188, 188, 0, 0, 42, {}, QColor(0xf2, 0x8c, 0x1c), Qt::white, 6});
    shapes.push_back({0, 0, 0, 0, 0, {{174, 166}, {174, 210}, {212, 188}}, Qt::white});
    return shapes;
}

QString Hex(const QColor& color) {
    return color.alpha() == 0 ? QStringLiteral("none") : color.name(QColor::HexRgb);
}

std::string Svg(const std::vector<Shape>& shapes) {
    QString text = QStringLiteral(
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                       "viewBox=\"0 0 %1 %1\">\n")
                       .arg(kUnits);
    for (const Shape& s : shapes) {
        const QString paint = QStringLiteral(" fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\"/>\n")
                                  .arg(Hex(s.fill), Hex(s.stroke))
                                  .arg(s.strokeWidth);
        if (!s.points.empty()) {
            QString points;
            for (const QPointF& p : s.points)
                points += QStringLiteral("%1,%2 ").arg(p.x()).arg(p.y());
            text += "  <polygon points=\"" + points.trimmed() + "\"" + paint;
        } else if (s.width == 0) {
            text += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\"")
                        .arg(s.x)
                        .arg(s.y)
                        .arg(s.radius) +
                    paint;
        } else {
            text += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"")
                        .arg(s.x)
                        .arg(s.y)
                        .arg(s.width)
                        .arg(s.height)
                        .arg(s.radius) +
                    paint;
        }
    }
    return (text + "</svg>\n").toStdString();
}

QImage Picture(const std::vector<Shape>& shapes, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    for (const Shape& s : shapes) {
        painter.setBrush(s.fill);
        painter.setPen(s.strokeWidth > 0 ? QPen(s.stroke, s.strokeWidth) : QPen(Qt::NoPen));
        if (!s.points.empty())
            painter.drawPolygon(s.points.data(), static_cast<int>(s.points.size()));
        else if (s.width == 0)
            painter.drawEllipse(QPointF(s.x, s.y), s.radius, s.radius);
        else
            painter.drawRoundedRect(QRectF(s.x, s.y, s.width, s.height), s.radius, s.radius);
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder> <size>...\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string folder = std::string(argv[1]) + "/";
    const std::vector<Shape> shapes = IconShapes();
    std::ofstream svg(folder + kIconName + ".svg", std::ios::binary);
    svg << Svg(shapes);
    if (!svg.flush()) {
        std::fprintf(stderr, "cannot write %s%s.svg\n", folder.c_str(), kIconName);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const std::string png = folder + kIconName + "-" + argv[i] + ".png";
        if (size <= 0 || !Picture(shapes, size).save(QString::fromStdString(png), "png")) {
            std::fprintf(stderr, "cannot write %s\n", png.c_str());
            return 1;
        }
    }
    return 0;
}
