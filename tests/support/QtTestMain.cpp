// Test entry point for widget tests: one QApplication on the offscreen platform
// (unless another platform was chosen), no print system, then every test case.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The machine's own print system stays out of the tests: they see no printer
    // unless they start a print system of their own (TestCupsServer.h).
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        qputenv("CUPS_SERVER", "/nonexistent/corvana-tests-have-no-print-system");
    // The window speaks English in the tests, whatever the machine's locale,
    // unless a test starts itself again under a locale of its own.
    if (qEnvironmentVariableIsEmpty("CORVANA_TEST_LOCALE")) {
        qputenv("LC_ALL", "C.UTF-8");
        qunsetenv("LANGUAGE");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
