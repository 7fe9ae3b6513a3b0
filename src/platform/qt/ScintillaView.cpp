// The module tagrota_scintilla: the collection's editor's Scintilla view,
// which fills a large text beside the event loop. Only this file uses
// QScintilla; the program loads it the first time a view is wanted.

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <cstddef>
#include <thread>

#include "platform/qt/ScintillaModule.h"

// Scintilla's loader: a document that is filled away from the view, on any
// thread, and then given to a view whole (SCI_CREATELOADER). QScintilla does
// not install Scintilla's own declaration; this one is the same, under the
// same name.
class ILoader {
public:
    virtual int Release() = 0;
    virtual int AddData(const char* data, std::ptrdiff_t length) = 0;
    virtual void* ConvertToDocument() = 0;

protected:
    ~ILoader() = default;
};

namespace tagrota::qt {
namespace {

using Sci = QsciScintillaBase;

// A text up to this size goes into the view at once (about 5 ms a megabyte
// here); a larger one shows this much at once and loads beside the event loop.
// Growing a document of a hundred megabytes in the view would hold the event
// loop for over 100 ms at a time, each time its buffer is enlarged.
constexpr std::size_t kAtOnce = std::size_t{1} << 20;
// The loader takes the text in slices of this size.
constexpr std::size_t kSlice = std::size_t{1} << 20;

// The property that marks our views for the accessibility factory below.
constexpr const char* kLargeText = "tagrotaLargeText";

// QScintilla's own accessibility object counts the characters from the start
// of the text up to the cursor at every repaint and every change: seconds per
// keystroke deep into a large text. Our views are described to assistive
// technology as a plain editable text instead.
class LargeTextAccessible final : public QAccessibleWidget {
public:
    explicit LargeTextAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::EditableText) {}
};

QAccessibleInterface* LargeTextFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QsciScintilla") && object && object->isWidgetType() &&
        object->property(kLargeText).toBool())
        return new LargeTextAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// Factories are asked in the reverse order of their installing, so ours,
// installed after QScintilla's, answers first; an object QScintilla made
// before that is dropped.
void UsePlainAccessibility(QsciScintilla& view) {
    static const bool installed = [] {
        QAccessible::installFactory(LargeTextFactory);
        return true;
    }();
    (void)installed;
    view.setProperty(kLargeText, true);
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&view);
    if (made && !dynamic_cast<LargeTextAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

// A cut after a line end at or before `end`, so that no character and no CR LF
// is cut in two; `end` itself where the piece holds none.
std::size_t CutAfterLineEnd(std::string_view text, std::size_t from, std::size_t end) {
    if (end >= text.size()) return text.size();
    const std::size_t lineEnd = text.substr(from, end - from).rfind('\n');
    return lineEnd == std::string_view::npos ? end : from + lineEnd + 1;
}

// A load under way: the text, the loader's document, and the thread that
// fills it.
struct DocumentLoader {
    std::shared_ptr<const std::string> text;
    ILoader* loader = nullptr;
    std::atomic<std::size_t> loaded{0};
    std::atomic<bool> cancel{false}, done{false};
    bool ok = true;  // written by the thread until it is joined
    std::thread thread;

    void Run() {
        const std::string_view all(*text);
        std::size_t at = 0;
        while (at < all.size() && !cancel) {
            const std::size_t end = CutAfterLineEnd(all, at, at + kSlice);
            if (loader->AddData(all.data() + at, static_cast<std::ptrdiff_t>(end - at)) !=
                Sci::SC_STATUS_OK) {
                ok = false;
                break;
            }
            at = end;
            loaded = at;
        }
        done = true;
    }
};

// The Scintilla widget. Its change notifications are the "before" ones only:
// QScintilla's own handling of the others counts the characters from the
// start of the text at every change, seconds per keystroke deep into a large
// text. A change is told once the event that made it is handled.
class ScintillaWidget final : public QsciScintilla {
public:
    explicit ScintillaWidget(QWidget* parent) : QsciScintilla(parent) {}
    std::function<void()> afterEvent;

protected:
    // QScintilla types a key's text only when its first UTF-16 unit is a
    // printable character; a character outside the Basic Multilingual Plane
    // (an emoji) comes as a surrogate pair, whose first unit is not, and was
    // dropped. Such text goes in as typed text here, in place of the
    // selection.
    void keyPressEvent(QKeyEvent* e) override {
        const QString text = e->text();
        const auto commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        if (!text.isEmpty() && text.front().isHighSurrogate() && !(e->modifiers() & commands)) {
            if (!isReadOnly()) {
                const QByteArray bytes = text.toUtf8();
                SendScintilla(SCI_REPLACESEL, 0UL, bytes.constData());
            }
            e->accept();
            return;
        }
        QsciScintilla::keyPressEvent(e);
    }
    bool event(QEvent* e) override {
        const bool handled = QsciScintilla::event(e);
        if (afterEvent) afterEvent();
        return handled;
    }
    bool viewportEvent(QEvent* e) override {
        const bool handled = QsciScintilla::viewportEvent(e);
        if (afterEvent) afterEvent();
        return handled;
    }
};

constexpr unsigned long kChangeEvents = Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE;

// Sets the document's way of reading: UTF-8, CR LF for Enter, tabs of 8.
void SetDocumentModes(QsciScintilla& view) {
    view.setUtf8(true);
    view.SendScintilla(Sci::SCI_SETEOLMODE, Sci::SC_EOL_CRLF);
    view.SendScintilla(Sci::SCI_SETTABWIDTH, 8UL);
}

class ScintillaView final : public IScintillaView {
public:
    explicit ScintillaView(QWidget* parent) : view_(new ScintillaWidget(parent)) {
        UsePlainAccessibility(*view_);
        // A document without a style byte beside every character: the text
        // is plain, and a large one would cost its size once more. The view
        // holds the document from here on, and frees it as it goes.
        const long document = view_->SendScintilla(Sci::SCI_CREATEDOCUMENT, 0UL,
                                                   long{Sci::SC_DOCUMENTOPTION_STYLES_NONE});
        view_->SendScintilla(Sci::SCI_SETDOCPOINTER, 0UL, document);
        view_->SendScintilla(Sci::SCI_RELEASEDOCUMENT, 0UL, document);
        SetDocumentModes(*view_);
        view_->SendScintilla(Sci::SCI_SETPASTECONVERTENDINGS, 1UL);
        view_->setFont(parent->font());
        for (int margin = 0; margin < 5; ++margin) view_->setMarginWidth(margin, 0);
        view_->SendScintilla(Sci::SCI_SETMARGINLEFT, 0UL, 4L);
        // No annotations: with them shown (QScintilla's default) every
        // change of document sets the height of each line, 300 ms for a
        // text of five million lines.
        view_->SendScintilla(Sci::SCI_ANNOTATIONSETVISIBLE, 0UL);
        view_->SendScintilla(Sci::SCI_SETSCROLLWIDTH, 1UL);
        view_->SendScintilla(Sci::SCI_SETSCROLLWIDTHTRACKING, 1UL);
        QObject::connect(view_, &QsciScintillaBase::SCN_MODIFIED, &context_, [this](int, int type) {
            if ((type & static_cast<int>(kChangeEvents)) && changing_) changing_();
        });
    }
    ~ScintillaView() override {
        CancelLoad();
        if (view_) view_->afterEvent = nullptr;
    }
    ScintillaView(const ScintillaView&) = delete;
    ScintillaView& operator=(const ScintillaView&) = delete;

    QWidget* Widget() override { return view_; }
    QsciScintilla* Scintilla() override { return view_; }
    void SetHandlers(std::function<void()> changing, std::function<void()> afterEvent) override {
        changing_ = std::move(changing);
        view_->afterEvent = std::move(afterEvent);
    }

    bool StartFill(std::shared_ptr<const std::string> text) override {
        CancelLoad();
        // No notifications, no undo steps and no user edits while the view
        // fills.
        view_->SendScintilla(Sci::SCI_SETMODEVENTMASK, 0UL);
        view_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0UL);
        view_->SendScintilla(Sci::SCI_SETREADONLY, 0UL);
        view_->SendScintilla(Sci::SCI_CLEARALL);
        const std::string_view all = text ? std::string_view(*text) : std::string_view();
        const std::size_t first = CutAfterLineEnd(all, 0, kAtOnce);
        // The loader starts empty: its buffer grows on its own thread. It is
        // made before the first lines go in, as making one resets the view's
        // count of the lines it shows.
        ILoader* loader = nullptr;
        if (first < all.size())
            // Scintilla answers with a pointer in its integer result.
            // NOLINTNEXTLINE(performance-no-int-to-ptr)
            loader = reinterpret_cast<ILoader*>(view_->SendScintilla(
                Sci::SCI_CREATELOADER, 0UL, long{Sci::SC_DOCUMENTOPTION_STYLES_NONE}));
        view_->SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(first), all.data());
        if (first < all.size() && !loader) {
            // No loader: the view takes the rest at once.
            view_->SendScintilla(Sci::SCI_APPENDTEXT,
                                 static_cast<unsigned long>(all.size() - first),
                                 all.data() + first);
        }
        if (!loader) return true;
        view_->SendScintilla(Sci::SCI_SETREADONLY, 1UL);
        loader_ = std::make_unique<DocumentLoader>();
        loader_->text = std::move(text);
        loader_->loader = loader;
        DocumentLoader* load = loader_.get();
        load->thread = std::thread([load] { load->Run(); });
        return false;
    }

    std::size_t Loaded() const override { return loader_ ? loader_->loaded.load() : 0; }
    bool LoadDone() const override { return !loader_ || loader_->done; }

    void FinishLoad() override {
        if (!loader_) return;
        loader_->thread.join();
        std::unique_ptr<DocumentLoader> load = std::move(loader_);
        if (!load->ok) {
            // The loader gave up (out of memory): the view takes the rest
            // itself.
            load->loader->Release();
            const std::string_view all(*load->text);
            const auto inView = static_cast<std::size_t>(view_->SendScintilla(Sci::SCI_GETLENGTH));
            view_->SendScintilla(Sci::SCI_SETREADONLY, 0UL);
            view_->SendScintilla(Sci::SCI_APPENDTEXT,
                                 static_cast<unsigned long>(all.size() - inView),
                                 all.data() + inView);
            return;
        }
        // The view takes the whole document where it shows the first lines;
        // it holds the document from here on and frees it as it goes.
        const long topLine = view_->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
        const long xOffset = view_->SendScintilla(Sci::SCI_GETXOFFSET);
        auto* document = load->loader->ConvertToDocument();
        view_->SendScintilla(Sci::SCI_SETDOCPOINTER, 0UL, document);
        view_->SendScintilla(Sci::SCI_RELEASEDOCUMENT, 0UL, document);
        SetDocumentModes(*view_);
        view_->SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(topLine));
        view_->SendScintilla(Sci::SCI_SETXOFFSET, static_cast<unsigned long>(xOffset));
    }

    void CancelLoad() override {
        if (!loader_) return;
        loader_->cancel = true;
        loader_->thread.join();
        loader_->loader->Release();
        loader_.reset();
    }

    void EndFill(bool readOnly) override {
        SetReadOnly(readOnly);
        view_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1UL);
        view_->SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
        view_->SendScintilla(Sci::SCI_SETSAVEPOINT);
        view_->SendScintilla(Sci::SCI_SETMODEVENTMASK, kChangeEvents);
    }

    std::string_view Text() const override {
        const auto length = static_cast<std::size_t>(view_->SendScintilla(Sci::SCI_GETLENGTH));
        if (length == 0) return {};
        // The document's bytes in one piece (its gap moved to the end).
        const auto* bytes =
            // NOLINTNEXTLINE(performance-no-int-to-ptr): a pointer, as above
            reinterpret_cast<const char*>(view_->SendScintilla(Sci::SCI_GETCHARACTERPOINTER));
        return std::string_view(bytes, length);
    }
    void SetReadOnly(bool readOnly) override {
        view_->SendScintilla(Sci::SCI_SETREADONLY, readOnly ? 1UL : 0UL);
    }
    bool Modified() const override { return view_->SendScintilla(Sci::SCI_GETMODIFY) != 0; }
    void MarkUnmodified() override { view_->SendScintilla(Sci::SCI_SETSAVEPOINT); }
    std::pair<std::size_t, std::size_t> Selection() const override {
        return {static_cast<std::size_t>(view_->SendScintilla(Sci::SCI_GETSELECTIONSTART)),
                static_cast<std::size_t>(view_->SendScintilla(Sci::SCI_GETSELECTIONEND))};
    }
    void Select(std::size_t start, std::size_t end) override {
        // The caret at the end, scrolled into view with its line.
        view_->SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(start),
                             static_cast<long>(end));
        view_->SendScintilla(Sci::SCI_SCROLLRANGE, static_cast<unsigned long>(end),
                             static_cast<long>(start));
    }

private:
    QPointer<ScintillaWidget> view_;
    QObject context_;  // ends the widget's connections to this object
    std::function<void()> changing_;
    std::unique_ptr<DocumentLoader> loader_;
};

}  // namespace
}  // namespace tagrota::qt

extern "C" Q_DECL_EXPORT tagrota::qt::IScintillaView* tagrota_make_scintilla_view(QWidget* parent) {
    return new tagrota::qt::ScintillaView(parent);
}
