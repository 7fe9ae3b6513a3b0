// Tagrota: keeps a mail or news signature file fresh.
//
// Until the main window arrives, the program runs without one: it reads its
// settings, loads the fixed signature and the collection, writes a first
// signature at once and a new one at every period, and writes its settings
// back when it is ended (SIGTERM, SIGINT, or the end of the session).

#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <csignal>

#include "engine/ProgramState.h"
#include "engine/Settings.h"
#include "engine/SignatureEngine.h"
#include "platform/SystemServices.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/qt/QtServices.h"

namespace {

int signalPipe[2] = {-1, -1};

// Only hands the signal to the event loop; the closing runs there.
extern "C" void OnTerminate(int signal) {
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] auto n = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagrota"));
    QApplication::setApplicationVersion(QStringLiteral(TAGROTA_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    // SIGTERM and SIGINT end the program through its ordinary closing. They are
    // handled first thing, so that one arriving while start-up shows a message
    // still writes the settings.
    bool terminating = false;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, [&terminating] {
            char byte;
            [[maybe_unused]] auto n = ::read(signalPipe[0], &byte, 1);
            terminating = true;
            // An open message box or dialog is dismissed as if by Escape, so
            // whatever waits on it can finish before the closing.
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
                    dialog->reject();
            QCoreApplication::quit();
        });
        struct sigaction action {};
        action.sa_handler = OnTerminate;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGINT, &action, nullptr);
    }

    using namespace tagrota;
    StdFileSystem files;
    qt::QtSettingsStore store;
    qt::QtMessageBox messages;
    SystemClock clock;
    SplitMixRandom random;
    const std::string programDir = qt::ProgramDirectory();

    // The editors of the main window, held in memory for now.
    headless::TextEditor txtFixedSig(files), txtRandom(files), txtCurrent(files);
    headless::TextControl txtRPath, txtCPath;

    ProgramState state;
    SignatureEngine engine(state, {txtFixedSig, txtRandom, txtCurrent, txtRPath},
                           {files, messages, clock, random, programDir});

    SettingsReader reader(store, programDir);
    const WindowGeometry geometry = reader.ReadGeometry();
    reader.ReadProgramSettings(state);
    txtRPath.SetText(state.RandomPath);
    txtCPath.SetText(state.CurrentPath);
    state.AboutNumber = 7;

    qt::QtTimer Timer1;
    Timer1.SetOnTick([&] { engine.Rotate(); });
    Timer1.SetEnabled(false);
    Timer1.SetInterval(state.SigDuration * 1000);
    Timer1.SetEnabled(true);

    state.IgnoreEvent = true;
    state.FixedDirty = state.RandomDirty = false;
    engine.LoadFixedSignature();
    engine.LoadCollectionFirstHalf();
    engine.LoadCurrentSignature(txtCPath.GetText());
    state.IgnoreEvent = false;
    engine.Randomize();
    engine.SplitAndFallBack({});
    engine.Rotate();

    auto close = [&] { WriteSettings(store, state, geometry); };
    if (terminating) {  // asked to end while starting up
        close();
        return 0;
    }
    QObject::connect(&app, &QCoreApplication::aboutToQuit, close);
    return QApplication::exec();
}
