#pragma once
// The collection's editor shows its text in a Scintilla view (QScintilla).
// The view lives in a module of its own, tagrota_scintilla, loaded the first
// time a view is wanted: QScintilla and the libraries it pulls in cost
// milliseconds at every start, and most starts never show the view.
//
// The module sits beside the executable in the build tree, and in the
// library folder beside the executable's bin folder once installed
// (ScintillaModuleDir). It is loaded only from a trusted place
// (WhyNotTrusted in ProgramFolders.h): code that another user could have put
// beside a copy run from a shared folder never runs as this user.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

class QWidget;
class QsciScintilla;

namespace tagrota::qt {

// One Scintilla view over a UTF-8 text with CR LF line ends. The widget
// belongs to the parent it was made in; the view object only drives it.
class IScintillaView {
public:
    virtual ~IScintillaView() = default;

    virtual QWidget* Widget() = 0;
    virtual QsciScintilla* Scintilla() = 0;
    // `changing`: the text is about to change (not while filling).
    // `afterEvent`: after every event of the widget.
    virtual void SetHandlers(std::function<void()> changing, std::function<void()> afterEvent) = 0;

    // Puts `text` (none: empty) in place of the view's text, without
    // notifications or undo steps. A short text goes in at once and true is
    // returned. A long one shows its first lines at once while the rest is
    // loaded on a thread of its own into a document of its own; the view is
    // read only meanwhile, and the text must stay alive until the load ends.
    virtual bool StartFill(std::shared_ptr<const std::string> text) = 0;
    // While loading: the bytes loaded so far, and whether the load is done.
    virtual std::size_t Loaded() const = 0;
    virtual bool LoadDone() const = 0;
    // Waits for the load, then puts the whole text in the view.
    virtual void FinishLoad() = 0;
    // Stops a load under way and drops its document.
    virtual void CancelLoad() = 0;
    // After a fill: undo steps and change notifications on, the text marked
    // unmodified, read only as asked.
    virtual void EndFill(bool readOnly) = 0;

    // The view's text as it stands, valid until the next change of the view.
    virtual std::string_view Text() const = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    // Whether the text differs from the one last marked unmodified (an undo
    // back to it makes it unmodified again).
    virtual bool Modified() const = 0;
    virtual void MarkUnmodified() = 0;
    // The selection as byte offsets into Text(): its start and its end.
    virtual std::pair<std::size_t, std::size_t> Selection() const = 0;
    // Selects from `start` to `end` and scrolls the selection into view.
    virtual void Select(std::size_t start, std::size_t end) = 0;
};

// The function the module exports under this name.
using MakeScintillaView = IScintillaView* (*)(QWidget* parent);
inline constexpr const char* kMakeScintillaViewSymbol = "tagrota_make_scintilla_view";
inline constexpr const char* kScintillaModuleName = "tagrota_scintilla.so";

// The module, loaded at the first call: its maker of views, or none and why
// it could not be loaded (which file, and the system's reason).
struct ScintillaModule {
    MakeScintillaView make = nullptr;
    std::string error;
};
const ScintillaModule& LoadScintillaModule();

// Why the module found is not to be loaded at all, as a sentence naming it
// and the place that is not trusted; "" when it may be loaded (or none was
// found, which LoadScintillaModule reports). Decided once, without loading.
std::string ScintillaModuleRefused();

// The installed module's folder, below the installation prefix:
// lib/<multiarch>/tagrota (lib/x86_64-linux-gnu/tagrota on Debian), or
// lib/tagrota where the system has no multiarch folders.
std::string ScintillaModuleDir();
// The module of a program in `programFolder`: beside it (the build tree, a
// copied program folder), else in ScintillaModuleDir beside its bin folder
// (an installed copy). `path` is the real path of the one found, or where an
// installed copy would have it; `refused` says why the one found is not
// trusted, "" when it is.
struct ScintillaModuleFound {
    std::string path, refused;
};
ScintillaModuleFound FindScintillaModule(const std::string& programFolder);

// Loads the module from this file instead of the one beside the executable
// (for tests and benchmarks, which do not sit beside it); empty: as usual.
void UseScintillaModuleAt(std::string path);
// Looks for the module as a program in this folder would (for tests).
void LookForScintillaModuleIn(std::string programFolder);

}  // namespace tagrota::qt
