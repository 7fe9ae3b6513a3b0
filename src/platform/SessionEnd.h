#pragma once
// The end of the desktop session, as the session manager puts it to the
// program.

namespace tagrota {

class ISessionEnd {
public:
    virtual ~ISessionEnd() = default;
    // Whether the program may ask the user now. Asking may wait for the
    // session manager's leave.
    virtual bool AllowsInteraction() = 0;
    // The program is done asking.
    virtual void Release() = 0;
    // The program runs on: the end of the session is called off.
    virtual void Cancel() = 0;
};

}  // namespace tagrota
