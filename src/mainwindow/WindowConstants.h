#pragma once
// Figures of the main window that more than one of its files uses.

#include "engine/ProgramState.h"
#include "platform/Window.h"

namespace tagrota {

// The smallest the window may be, in twips.
inline constexpr int kMinWidth = 6300, kMinHeight = 7200;

// The font of the windows that list findings and quotations set aside.
inline const TextFont kListFont{"MS Sans Serif", 9.75};

// The find bar's height, in twips.
inline constexpr int kFindBarHeight = 480;

// The About button's animation: the images of ImageList1 ("About", "About2",
// "About3", "About4") it shows in turn, one every 20 seconds, from the first.
inline constexpr Integer kAboutImages[] = {7, 9, 10, 11};
inline constexpr Integer kFirstAboutImage = kAboutImages[0];
inline constexpr int kAnimationInterval = 20000;

}  // namespace tagrota
