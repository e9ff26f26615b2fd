// Draws the six banner pictures and the application icon from the packaged DejaVu fonts.
//
//   draw_banners RES_DIR PACKAGING_DIR
//
// writes RES_DIR/bitmaps/135.bmp ... 140.bmp (432 x 117, 24-bit), RES_DIR/icon.png (64 x 64)
// and PACKAGING_DIR/quill-pcisp.png (128 x 128). The same fonts give the same pictures.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int kWidth = 432;
constexpr int kHeight = 117;
constexpr int kMargin = 16;

struct Banner {
    int id;
    const char* text;
    QColor color;
    bool italic;
};

const Banner kBanners[] = {
    {135, "Standby", QColor(0x10, 0x30, 0xC8), true},
    {136, "FAIL", QColor(0xE0, 0x10, 0x10), false},
    {137, "PASS", QColor(0x10, 0xA0, 0x20), false},
    {138, "Ready", QColor(0x00, 0x64, 0x00), false},
    {139, "Updating...", QColor(0x8B, 0x45, 0x13), false},
    {140, "Update complete!", QColor(0x10, 0xA0, 0x20), false},
};

QFont bannerFont(const Banner& banner) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(banner.italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    // The largest size, up to 72 px, at which the text fits the picture.
    for (int px = 72; px > 8; --px) {
        font.setPixelSize(px);
        QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(QString::fromLatin1(banner.text)) <= kWidth - 2 * kMargin &&
            metrics.height() <= kHeight - 2 * kMargin)
            break;
    }
    return font;
}

QImage drawBanner(const Banner& banner) {
    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(bannerFont(banner));
    painter.setPen(banner.color);
    painter.drawText(QRect(0, 0, kWidth, kHeight), Qt::AlignCenter,
                     QString::fromLatin1(banner.text));
    return image;
}

// A blue tile with a white chip and a yellow arrow pointing into it.
QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1E, 0x5A, 0xA8));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    painter.setBrush(Qt::white);
    for (int i = 0; i < 4; ++i) {
        painter.drawRect(QRectF(18 + i * 8, 28, 4, 30));
    }
    painter.setBrush(QColor(0x20, 0x20, 0x28));
    painter.drawRoundedRect(QRectF(14, 34, 36, 20), 3, 3);
    QPainterPath arrow;
    arrow.moveTo(27, 6);
    arrow.lineTo(37, 6);
    arrow.lineTo(37, 18);
    arrow.lineTo(45, 18);
    arrow.lineTo(32, 31);
    arrow.lineTo(19, 18);
    arrow.lineTo(27, 18);
    arrow.closeSubpath();
    painter.setBrush(QColor(0xFF, 0xC8, 0x20));
    painter.drawPath(arrow);
    return image;
}

bool save(const QImage& image, const QString& path, const char* format) {
    if (image.save(path, format)) return true;
    std::fprintf(stderr, "draw_banners: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_banners RES_DIR PACKAGING_DIR\n");
        return 64;
    }
    QFont probe(QStringLiteral("DejaVu Sans"));
    if (QFontInfo(probe).family() != QStringLiteral("DejaVu Sans")) {
        std::fprintf(stderr, "draw_banners: the DejaVu Sans font is not installed\n");
        return 1;
    }
    QDir res(QString::fromLocal8Bit(argv[1]));
    QDir packaging(QString::fromLocal8Bit(argv[2]));
    if (!res.mkpath(QStringLiteral("bitmaps")) || !packaging.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "draw_banners: cannot create the output folders\n");
        return 1;
    }
    bool ok = true;
    for (const Banner& banner : kBanners) {
        ok &= save(drawBanner(banner),
                   res.filePath(QStringLiteral("bitmaps/%1.bmp").arg(banner.id)), "BMP");
    }
    ok &= save(drawIcon(64), res.filePath(QStringLiteral("icon.png")), "PNG");
    ok &= save(drawIcon(128), packaging.filePath(QStringLiteral("quill-pcisp.png")), "PNG");
    return ok ? 0 : 1;
}
