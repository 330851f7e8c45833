#pragma once
// Tests that need a real window system: drag loops, pop-ups that leave the
// active window as it was, the platform's own dialogs. The offscreen platform has
// none of them; there such a test runs itself again under xvfb-run.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

inline bool OnARealDisplay() { return QGuiApplication::platformName() != QLatin1String("offscreen"); }

// Runs the test at hand again under xvfb-run and takes over its outcome;
// `screen` is the X server's screen, such as "1280x1024x24".
inline void RerunUnderXvfb(const QString& screen = QStringLiteral("1024x768x24"), int timeoutMs = 120000)
{
    const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
    if (xvfb.isEmpty())
        GTEST_SKIP() << "no xvfb-run";
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString name = QString("%1.%2").arg(test->test_suite_name(), test->name());
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(xvfb, {"-a", "-s", "-screen 0 " + screen, QCoreApplication::applicationFilePath(),
                     "--gtest_filter=" + name});
    ASSERT_TRUE(run.waitForFinished(timeoutMs));
    const QString output = QString::fromLocal8Bit(run.readAll());
    EXPECT_EQ(run.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}
