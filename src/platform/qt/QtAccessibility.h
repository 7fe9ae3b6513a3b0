#pragma once
// What screen readers learn of the controls on the accessibility bus besides
// what Qt tells them: the program's names and descriptions, names for the
// parts Qt builds into a control, and the toolbar's buttons as buttons.

#include <string>

class QAbstractButton;
class QWidget;

namespace tagrota::qt {

// The name and description a screen reader gives the widget (none where
// empty: the widget's own caption then names it), and names for the scroll
// bars of a scrolling widget.
void SetAccessibleText(QWidget& widget, const std::string& name, const std::string& description);

// Names the scroll bars of a scrolling widget (an editor, a list), which Qt
// leaves nameless; nothing for any other widget.
void NameScrollBars(QWidget& widget);

// A button of the toolbar is a push button to a screen reader, and a toggle
// also says whether it is pressed. Qt describes any button that can stay
// pressed as a check box. Call it before anything else is done to the
// button.
void DescribeToolbarButton(QAbstractButton& button, bool toggle);

}  // namespace tagrota::qt
