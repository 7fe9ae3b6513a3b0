#pragma once
// The start of Qt's platform, watched. Where no display can be reached, Qt
// prints several lines of its own, advises reinstalling, and aborts with a
// core dump; the program instead prints one line that says what is wrong and
// how to run it, and ends with status 1.

namespace tagrota::qt {

class QtDisplayWatch {
public:
    // Before the application object is created. Qt's messages are held back
    // until the display is reached.
    QtDisplayWatch();
    ~QtDisplayWatch();
    QtDisplayWatch(const QtDisplayWatch&) = delete;
    QtDisplayWatch& operator=(const QtDisplayWatch&) = delete;

    // Once the application object exists: the messages held back are shown.
    void Reached();
};

}  // namespace tagrota::qt
