#include "CommandLine.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "engine/NeverAgain.h"
#include "engine/PrintSignature.h"
#include "platform/IniSettings.h"
#include "platform/InstanceChannel.h"
#include "platform/PrivateCache.h"
#include "platform/ProgramFolders.h"
#include "platform/SystemServices.h"
#include "platform/VersionInfo.h"

namespace tagrota::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kWindowProgramName = "tagrota-window";
// How long `--print` waits for a running copy to answer: a copy busy with a
// long load cannot answer meanwhile, and a mail reader waits for the signature.
constexpr auto kPrintWait = std::chrono::milliseconds(2000);

// The options the window's toolkit takes for itself, with their values where
// they have one; accepted here and left to it.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin",       "qwindowgeometry",
    "qwindowtitle", "qwindowicon",        "display",       "style",        "stylesheet",
    "session",      "geometry",           "title",         "qmljsdebugger"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

struct Option {
    std::string_view names;  // as the help shows them
    std::string_view description;
};
constexpr Option kOptions[] = {
    {"-h, --help", "Shows these options and ends."},
    {"-v, --version", "Shows the version and ends."},
    {"--print",
     "Writes one freshly composed signature to standard output and ends; opens no window. A "
     "running Tagrota composes it from what it holds now."},
    {"--rotate", "Makes the running Tagrota write a new signature now, and ends."},
};

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::string_view (&names)[N]) {
    for (const std::string_view known : names)
        if (name == known) return true;
    return false;
}

std::string VersionText() {
    const VersionInfo& version = ProgramVersion();
    return "Tagrota " + std::to_string(version.Major) + "." + std::to_string(version.Minor) + "." +
           std::to_string(version.Revision) + "\n";
}

// The text broken into lines of at most `width` characters, each but the
// first indented by `indent`.
std::string Wrapped(std::string_view text, std::size_t indent, std::size_t width) {
    std::string out, line;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(at, end - at);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            out += line + "\n" + std::string(indent, ' ');
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
        at = end + 1;
    }
    return out + line + "\n";
}

std::string HelpText() {
    std::string text =
        "Usage: tagrota [options]\n" +
        Wrapped(
            "Keeps your mail or news signature fresh: rewrites the signature file every few "
            "seconds with your fixed lines and one quotation from a collection.",
            0, 79) +
        "\nOptions:\n";
    std::size_t column = 0;
    for (const Option& option : kOptions) column = std::max(column, option.names.size());
    for (const Option& option : kOptions) {
        const std::string names = "  " + std::string(option.names);
        text += names + std::string(column + 4 - names.size(), ' ') +
                Wrapped(option.description, column + 4, 79 - column - 4);
    }
    return text;
}

void Write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

int PrintSignature() {
    IniSettingsReader settings;
    const std::string location = IniSettingsReader::Location("Tagrota");
    // A running copy composes the signature from what it holds now: the
    // fixed text as it stands in its editor, the collection in use, its
    // settings. One that does not answer in time (busy with a long load) is
    // not waited for: the signature then comes from the files.
    const InstanceClient copy(InstanceBasePath(location, false));
    if (copy.LockHeld()) {
        std::string answer;
        const InstanceClient::Reply reply = copy.Send(kPrintRequest, &answer, kPrintWait);
        if (reply == InstanceClient::Reply::Heard && answer.starts_with(kPrintAnswer)) {
            Write(stdout, std::string_view(answer).substr(kPrintAnswer.size()));
            return 0;
        }
        if (reply == InstanceClient::Reply::NoAnswer)
            Write(stderr, "tagrota: Tagrota is running with the settings in " + location +
                              ", but it did not answer within 2 seconds; the signature is "
                              "composed from the files.\n");
    }

    StdFileSystem files;
    SystemClock clock;
    SplitMixRandom random;
    // The same files the program would use, but no folder is created for them.
    const ProgramFolders folders = LocateProgramFolders(ProgramFolder(), CurrentUserEnvironment());
    // The collection's index is the one file this may write.
    const PrintedSignature signature = ComposePrintedSignature(
        settings, files, clock, random, folders.dataDir, PrivateCacheFolder(),
        NeverAgainFolder(UserDataFolder(CurrentUserEnvironment())));
    if (const FileStatus read = settings.ReadStatus("Tagrota"); !read)
        Write(stderr, "tagrota: The settings file " + location +
                          " could not be read whole: " + read.reason +
                          "; settings that could not be read are at their defaults, and the "
                          "file is left as it is.\n");
    for (const std::string& problem : signature.problems)
        Write(stderr, "tagrota: " + problem + "\n");
    Write(stdout, signature.text);
    return 0;
}

int AskToRotate() {
    const std::string location = IniSettingsReader::Location("Tagrota");
    const InstanceClient copy(InstanceBasePath(location, false));
    // No lock held: no copy runs, whatever socket a crashed one left.
    if (copy.LockHeld()) {
        switch (copy.Send(kRotateRequest)) {
            case InstanceClient::Reply::Heard:
                return 0;
            case InstanceClient::Reply::NoAnswer:
                Write(stderr, "tagrota: Tagrota is running with the settings in " + location +
                                  ", but it did not answer.\n");
                return 1;
            case InstanceClient::Reply::NoHolder:
                break;
        }
    }
    Write(stderr, "tagrota: Tagrota is not running with the settings in " + location +
                      ", so there is nothing to rotate.\n");
    return 1;
}

}  // namespace

Command ParseCommandLine(const std::vector<std::string>& arguments) {
    bool help = false, version = false, print = false, rotate = false;
    std::string unexpected;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            if (i + 1 < arguments.size() && unexpected.empty()) unexpected = arguments[i + 1];
            break;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            if (unexpected.empty()) unexpected = argument;
            continue;
        }
        // One dash or two: Qt's options come with one and a long name.
        std::string_view name(argument);
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        const bool hasValue = equals != std::string_view::npos;
        const std::string_view bare = name.substr(0, equals);
        if (IsOneOf(bare, kQtOptionsWithValue)) {
            if (!hasValue && ++i >= arguments.size())
                return {CommandAction::Error, "Missing value after '" + argument + "'.\n"};
            continue;
        }
        const bool flag = bare == "h" || bare == "help" || bare == "v" || bare == "version" ||
                          bare == "print" || bare == "rotate" || IsOneOf(bare, kQtFlags);
        if (!flag) return {CommandAction::Error, "Unknown option '" + std::string(bare) + "'.\n"};
        if (hasValue)
            return {CommandAction::Error,
                    "Unexpected value after '" + argument.substr(0, argument.find('=')) + "'.\n"};
        help = help || bare == "h" || bare == "help";
        version = version || bare == "v" || bare == "version";
        print = print || bare == "print";
        rotate = rotate || bare == "rotate";
    }
    if (!unexpected.empty())
        return {CommandAction::Error, "Unexpected argument '" + unexpected + "'.\n"};
    if (help) return {CommandAction::Help, HelpText()};
    if (version) return {CommandAction::Version, VersionText()};
    if (print && rotate)
        return {CommandAction::Error, "--print and --rotate cannot be given together.\n"};
    if (print) return {CommandAction::Print, {}};
    if (rotate) return {CommandAction::Rotate, {}};
    return {};
}

int RunCommandLine(int argc, char* argv[]) {
    // The usual start has nothing to read.
    if (argc <= 1) return -1;
    const Command command = ParseCommandLine(std::vector<std::string>(argv, argv + argc));
    switch (command.action) {
        case CommandAction::Start:
            return -1;
        case CommandAction::Help:
        case CommandAction::Version:
            Write(stdout, command.text);
            return 0;
        case CommandAction::Error:
            Write(stderr, "tagrota: " + command.text + "Try 'tagrota --help' for the options.\n");
            return 2;
        case CommandAction::Print:
            return PrintSignature();
        case CommandAction::Rotate:
            return AskToRotate();
    }
    return -1;
}

WindowProgram FindWindowProgram(const std::string& programFolder) {
    const std::string installed =
        (fs::path(programFolder) / ".." / TAGROTA_WINDOW_DIR / kWindowProgramName)
            .lexically_normal()
            .string();
    for (const std::string& candidate :
         {(fs::path(programFolder) / kWindowProgramName).string(), installed}) {
        std::error_code ec;
        if (!fs::exists(candidate, ec)) continue;
        // The real file is checked and run, so that no link can be turned to
        // another one in between.
        const std::string real = RealPath(candidate);
        const std::string why = WhyNotTrusted(
            candidate, InstalledPlaces(std::string(TAGROTA_WINDOW_DIR) + "/" + kWindowProgramName));
        if (why.empty()) return {real, ""};
        return {"", "Tagrota's window program " + (real.empty() ? candidate : real) +
                        " is not started, since it is not in a safe place: " + why + "."};
    }
    return {"", "Tagrota's window program is missing: it is neither " +
                    (fs::path(programFolder) / kWindowProgramName).string() + " nor " + installed +
                    "."};
}

std::string ProgramFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec).string() : self.parent_path().string();
}

}  // namespace tagrota::cli
