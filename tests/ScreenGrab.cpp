// Saves a picture of the whole screen as a PNG: the end-to-end test's camera.
// It waits for the window to paint (the screen, one colour until then, shows
// more than one), for ten seconds at most, then saves what is there.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <cstdio>

namespace {

bool OneColour(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return true;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] != first) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s picture.png\n", argv[0]);
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::fprintf(stderr, "no screen to photograph\n");
        return 1;
    }
    QPixmap picture = screen->grabWindow(0);
    for (int tries = 0; tries < 100 && OneColour(picture.toImage()); ++tries) {
        QThread::msleep(100);
        picture = screen->grabWindow(0);
    }
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not save the screen to %s\n", argv[1]);
        return 1;
    }
    return 0;
}
