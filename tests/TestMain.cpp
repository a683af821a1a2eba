// Test entry point: the Qt application object a test program needs, on the offscreen platform, so
// GUI tests run without a display. Tests of the core libraries get the plainer application of
// their kind (MARVOLA_TEST_APPLICATION): each test case is a process of its own, and a
// QApplication costs some 20 ms of processor time to start, 30 ms under the sanitizers.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <gtest/gtest.h>

#ifndef MARVOLA_TEST_APPLICATION
#define MARVOLA_TEST_APPLICATION QApplication
#endif

int main(int argc, char **argv)
{
    // Test discovery runs this binary at build time, often without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    MARVOLA_TEST_APPLICATION app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
