// Twips and pixels, fonts and images on Qt Widgets. Fonts stand in for the
// families a place names where those are not installed; images are read late.

#include "platform/qt/QtImages.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/qt/QtServices.h"

namespace tagrota::qt {
namespace {

// Whether a font family is installed. Asking the font database resolves the
// name through the system's font configuration each time, and every control
// with a font asks: the answers are kept for the run.
bool Installed(const QString& family) {
    static QHash<QString, bool> known;
    auto found = known.constFind(family);
    if (found == known.constEnd()) found = known.insert(family, QFontDatabase::hasFamily(family));
    return found.value();
}

// A condensed sans-serif: a narrow family where one is installed, otherwise
// the default sans-serif drawn condensed.
QFont NarrowFont() {
    for (const char* family :
         {"Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans Condensed"}) {
        if (Installed(QString::fromLatin1(family))) {
            QFont font = QApplication::font();
            font.setFamily(QString::fromLatin1(family));
            return font;
        }
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStretch(QFont::Condensed);
    return font;
}

// An icon that reads its image files only when it is first drawn or asked
// about. The window, its toolbar and its tabs hold some twenty pictures in
// several sizes; decoding them all while the window is composed would hold up
// the first signature.
class LateImageEngine final : public QIconEngine {
public:
    explicit LateImageEngine(QStringList files) : files_(std::move(files)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // At the scale of 1 the icon's engine is asked for exactly this size; the
    // icon that holds this engine deals with the scale.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, 1.0, mode, state);
    }
    // On a high-resolution screen: the picture drawn for that scale (the @2x
    // file where there is one), not a small one stretched.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override {
        Icon().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString& file, const QSize& size, QIcon::Mode mode,
                 QIcon::State state) override {
        Icon().addFile(file, size, mode, state);
    }
    // Only files that exist are given, so the icon has pictures before they
    // are read.
    bool isNull() override { return files_.isEmpty() && icon_.isNull(); }
    QString key() const override { return QStringLiteral("TagrotaLateImage"); }
    QIconEngine* clone() const override { return new LateImageEngine(*this); }

private:
    LateImageEngine(const LateImageEngine&) = default;

    QIcon& Icon() {
        if (!files_.isEmpty()) {
            for (const QString& file : std::as_const(files_)) icon_.addFile(file);
            files_.clear();
        }
        return icon_;
    }

    QStringList files_;  // still to be read
    QIcon icon_;
};

}  // namespace

bool HasFont(const TextFont& wanted) {
    return !wanted.Name.empty() || wanted.Size > 0;
}

// ---- Twips, fonts and images ----

int TwipScale::ToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

int TwipScale::ToTwips(int pixels, double dpi) {
    return dpi > 0 ? static_cast<int>(std::lround(pixels * kTwipsPerInch / dpi))
                   : pixels * kTwipsPerStandardPixel;
}

QRect TwipScale::ToPixels(const Rect& twips) const {
    return QRect(ToPixels(twips.Left, dpiX), ToPixels(twips.Top, dpiY),
                 std::max(0, ToPixels(twips.Width, dpiX)),
                 std::max(0, ToPixels(twips.Height, dpiY)));
}

Rect TwipScale::ToTwips(const QRect& pixels, const Rect& last) const {
    auto back = [](int px, int lastTwips, double dpi) {
        return ToPixels(lastTwips, dpi) == px ? lastTwips : ToTwips(px, dpi);
    };
    return {back(pixels.x(), last.Left, dpiX), back(pixels.y(), last.Top, dpiY),
            back(pixels.width(), last.Width, dpiX), back(pixels.height(), last.Height, dpiY)};
}

TwipScale ScaleOf(const QWidget* widget) {
    QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

QFont FontFor(const TextFont& wanted) {
    QFont font = QApplication::font();
    if (!wanted.Name.empty()) {
        const QString family = Q(wanted.Name);
        const QString name = family.toLower();
        // An installed font is taken as it is; so is an unknown one that is
        // not, after the stand-ins for the known ones.
        if (Installed(family)) {  // NOLINT(bugprone-branch-clone)
            font.setFamily(family);
        } else if (name == u"courier new" || name == u"courier") {
            font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        } else if (name == u"ms sans serif" || name == u"ms shell dlg") {
            font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        } else if (name.contains(u"narrow")) {
            font = NarrowFont();
        } else {
            // Let the font configuration find its nearest.
            font.setFamily(family);
        }
    }
    if (wanted.Size > 0) font.setPointSizeF(wanted.Size);
    return font;
}

QIcon ImageIcon(const std::string& name) {
    if (name.empty()) return {};
    const QString base = QStringLiteral(":/images/") + Q(name);
    QStringList files;
    for (const char* suffix : {".png", "@2x.png", "-16.png", "-24.png", "-32.png", "-48.png",
                               "-64.png", "-128.png", "-256.png"}) {
        const QString file = base + QLatin1String(suffix);
        if (QFile::exists(file)) files.append(file);
    }
    if (files.isEmpty()) return {};
    return QIcon(new LateImageEngine(std::move(files)));
}

}  // namespace tagrota::qt
