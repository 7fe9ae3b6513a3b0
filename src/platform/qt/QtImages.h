#pragma once
// Twips and pixels, fonts and images on Qt: what every control of the Qt
// platform converts with.

#include <QFont>
#include <QIcon>
#include <QRect>
#include <string>

#include "platform/Twips.h"
#include "platform/Window.h"

class QWidget;

namespace tagrota::qt {

// Twips and logical pixels on a screen of the given resolution, each axis with
// its own dots per inch.
struct TwipScale {
    double dpiX = kStandardDpi, dpiY = kStandardDpi;

    static int ToPixels(int twips, double dpi);
    static int ToTwips(int pixels, double dpi);
    QRect ToPixels(const Rect& twips) const;
    // The rectangle in twips. Where an edge or size still has the pixel value
    // that `last` converts to, `last`'s own twips are kept, so a place that is
    // no whole number of pixels reads back exactly as it was set.
    Rect ToTwips(const QRect& pixels, const Rect& last) const;
};

// The scale of the screen the widget is on (the primary screen before it has
// one).
TwipScale ScaleOf(const QWidget* widget);

// The font a TextFont names, with a stand-in where the family is not installed.
QFont FontFor(const TextFont& wanted);

// Whether a control's place names a font of its own (a family or a size).
bool HasFont(const TextFont& wanted);

// The named image from the resources (":/images/<name>.png" and its other
// sizes: "<name>@2x.png", "<name>-16.png", "<name>-32.png"...); an empty icon
// when there is none.
QIcon ImageIcon(const std::string& name);

}  // namespace tagrota::qt
