// TApplication has to be the process's application object, so its tests run in a
// program of their own.
#include "Application.h"
#include "Dialogs.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
// The platform's frames between the message loop and a handler are built without
// exception cleanups: an error that crosses them leaves their locals behind.
// The program's own handlers catch their errors before they reach those frames;
// these tests throw through them on purpose, so what is left there is not counted.
using TLeaksOfUnwoundFrames = __lsan::ScopedDisabler;
#else
struct TLeaksOfUnwoundFrames {};
#endif

namespace {

class TThrowingWidget : public QWidget {
protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_X)
            throw std::runtime_error("Cannot open file \"plates.txt\". No such file or directory");
        if (event->key() == Qt::Key_Y)
            throw 42;
        ++keys;
    }

public:
    int keys = 0;
};

} // namespace

TEST(ApplicationTest, ErrorsInHandlersAreShownAndTheProgramGoesOn)
{
    [[maybe_unused]] TLeaksOfUnwoundFrames unwound;
    TScopedRecordingDialogs dialogs;
    int clicks = 0;
    QPushButton button("Calc");
    QObject::connect(&button, &QPushButton::clicked, [&] {
        if (++clicks == 1)
            throw std::runtime_error("Unable to write to /opt/corvana/corvana.ini");
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);

    TThrowingWidget widget;
    QTest::keyClick(&widget, Qt::Key_X);
    QTest::keyClick(&widget, Qt::Key_Y);
    QTest::keyClick(&widget, Qt::Key_A);
    EXPECT_EQ(widget.keys, 1);

    bool later = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("Text exceeds memo capacity"); });
    QTimer::singleShot(0, [&] { later = true; });
    QTest::qWait(50);
    EXPECT_TRUE(later);

    EXPECT_EQ(dialogs.messages, QStringList({"Unable to write to /opt/corvana/corvana.ini",
                                             "Cannot open file \"plates.txt\". No such file or directory",
                                             "Unknown error", "Text exceeds memo capacity"}));
    EXPECT_EQ(dialogs.types, std::vector<TMsgDlgType>(4, TMsgDlgType::mtError));
}

TEST(ApplicationTest, TitleNamesTheApplication)
{
    auto* app = static_cast<TApplication*>(QCoreApplication::instance());
    app->SetTitle("Corvana");
    EXPECT_EQ(app->Title(), "Corvana");
    EXPECT_EQ(QApplication::applicationName(), "Corvana");
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
