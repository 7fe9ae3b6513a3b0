#pragma once
// Files that another program may change while the program holds them: the
// fixed signature, the collection in use. A watch tells of every change to
// one of them, on the user-interface thread, after the change: a write in
// place, a replacement by rename (editors that write a new file and rename it
// over the old one), a removal, a file made where there was none.

#include <functional>
#include <string>
#include <vector>

namespace tagrota {

class IFileWatch {
public:
    virtual ~IFileWatch() = default;
    // Watches these paths, in place of the ones before. A path where no file
    // is yet is watched for one to appear.
    virtual void Watch(const std::vector<std::string>& paths) = 0;
    // Runs with the watched path after a change to its file. A burst of
    // changes (a file written in pieces) may be told once; a change may be
    // told that the file's stamp shows to be none.
    virtual void SetOnChange(std::function<void(const std::string& path)> handler) = 0;
};

}  // namespace tagrota
