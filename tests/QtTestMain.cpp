// The tests of the real Qt platform run inside a Qt application object.

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/ScintillaModule.h"
#include "platform/qt/WorkerThreads.h"

int main(int argc, char** argv) {
    // No display is needed: the widgets are drawn offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int status = 0;
    {
        QApplication app(argc, argv);
        // The Scintilla view's module of this build, which is not beside the tests.
        tagrota::qt::UseScintillaModuleAt(TAGROTA_SCINTILLA_MODULE);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    tagrota::qt::AwaitWorkerThreadsEnd();
    return status;
}
