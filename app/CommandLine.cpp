#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "engine/PrintSignature.h"
#include "platform/ProgramFolders.h"
#include "platform/SystemServices.h"
#include "platform/VersionInfo.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSingleInstance.h"

namespace tagrota::qt {
namespace {

// The options Qt's application object takes for itself, with their values
// where they have one; accepted here and left to it.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin",       "qwindowgeometry",
    "qwindowtitle", "qwindowicon",        "display",       "style",        "stylesheet",
    "session",      "geometry",           "title",         "qmljsdebugger"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString VersionText() {
    const VersionInfo& version = ProgramVersion();
    return QStringLiteral("Tagrota %1.%2.%3\n")
        .arg(version.Major)
        .arg(version.Minor)
        .arg(version.Revision);
}

void Write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

int PrintSignature() {
    StdFileSystem files;
    // A mail reader may run this for every mail: it writes no file, not even
    // a copy of a damaged settings file.
    QtSettingsStore settings(nullptr, SettingsAccess::ReadOnly);
    SystemClock clock;
    SplitMixRandom random;
    // The same files the program would use, but no folder is created for them.
    const ProgramFolders folders =
        LocateProgramFolders(ProgramDirectory(), CurrentUserEnvironment());
    const PrintedSignature signature =
        ComposePrintedSignature(settings, files, clock, random, folders.dataDir);
    if (const FileStatus read = settings.ReadStatus("Tagrota"); !read)
        Write(stderr, "tagrota: The settings file " + settings.Where("Tagrota") +
                          " could not be read whole: " + read.reason +
                          "; settings that could not be read are at their defaults, and the "
                          "file is left as it is.\n");
    for (const std::string& problem : signature.problems)
        Write(stderr, "tagrota: " + problem + "\n");
    Write(stdout, signature.text);
    return 0;
}

int AskToRotate() {
    const std::string settings = QtSettingsStore::Location("Tagrota");
    QtSingleInstance instance(settings);
    switch (instance.AskToRotate()) {
        case QtSingleInstance::Rotation::Asked:
            return 0;
        case QtSingleInstance::Rotation::NoAnswer:
            Write(stderr, "tagrota: Tagrota is running with the settings in " + settings +
                              ", but it did not answer.\n");
            return 1;
        case QtSingleInstance::Rotation::NotRunning:
            break;
    }
    Write(stderr, "tagrota: Tagrota is not running with the settings in " + settings +
                      ", so there is nothing to rotate.\n");
    return 1;
}

}  // namespace

Command ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Keeps your mail or news signature fresh: rewrites the signature file every few "
        "seconds with your fixed lines and one quotation from a collection."));
    // Qt's options come with one dash and a long name.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows these options and ends."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    const QCommandLineOption print(
        QStringLiteral("print"),
        QStringLiteral("Writes one freshly composed signature to standard output and ends; "
                       "opens no window and writes no file."));
    const QCommandLineOption rotate(
        QStringLiteral("rotate"),
        QStringLiteral("Makes the running Tagrota write a new signature now, and ends."));
    parser.addOptions({help, version, print, rotate});
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments))
        return {CommandAction::Error, parser.errorText() + QStringLiteral("\n")};
    if (!parser.positionalArguments().isEmpty())
        return {CommandAction::Error,
                QStringLiteral("Unexpected argument '%1'.\n").arg(parser.positionalArguments()[0])};
    if (parser.isSet(help)) return {CommandAction::Help, parser.helpText()};
    if (parser.isSet(version)) return {CommandAction::Version, VersionText()};
    if (parser.isSet(print) && parser.isSet(rotate))
        return {CommandAction::Error,
                QStringLiteral("--print and --rotate cannot be given together.\n")};
    if (parser.isSet(print)) return {CommandAction::Print, {}};
    if (parser.isSet(rotate)) return {CommandAction::Rotate, {}};
    return {};
}

int RunCommandLine(int argc, char* argv[]) {
    // The usual start has nothing to read.
    if (argc <= 1) return -1;
    Command command;
    {
        // Only for the arguments and the folders: no display is needed.
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Tagrota"));
        command = ParseCommandLine(QCoreApplication::arguments());
        switch (command.action) {
            case CommandAction::Start:
                return -1;
            case CommandAction::Help:
            case CommandAction::Version:
                Write(stdout, command.text.toStdString());
                return 0;
            case CommandAction::Error:
                Write(stderr, "tagrota: " + command.text.toStdString() +
                                  "Try 'tagrota --help' for the options.\n");
                return 2;
            case CommandAction::Print:
                return PrintSignature();
            case CommandAction::Rotate:
                return AskToRotate();
        }
    }
    return -1;
}

}  // namespace tagrota::qt
