#include "platform/qt/QtWindow.h"
