#pragma once
// The windows and controls of the user interface on Qt 6 Widgets.
