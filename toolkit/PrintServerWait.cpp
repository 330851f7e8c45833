#include "PrintServerWait.h"

#include "FormLook.h"
#include "PrintSystem.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>
#include <memory>
#include <thread>

namespace {

// A wait shorter than this shows nothing but the busy cursor.
constexpr int QuietWaitMs = 400;

// What the window's thread and the work's thread share; it lives as long as
// either of them needs it.
struct TSharedWait {
    std::atomic<bool> done{false};
    std::atomic<bool> stop{false};
    std::exception_ptr error; // what the work threw, handed on to the caller
};

// The box shown while the print server keeps the user waiting; Cancel, Escape
// and its close button stop the wait.
class TWaitBox : public QDialog {
public:
    TWaitBox() : QDialog(QApplication::activeWindow())
    {
        setObjectName(QStringLiteral("PrintServerWait"));
        setWindowTitle(QApplication::applicationName());
        setWindowModality(Qt::ApplicationModal);
        auto* text = new QLabel(QCoreApplication::translate("TPrintServerWait", "Waiting for the print server %1 ...").arg(PrintServerName()), this);
        text->setTextFormat(Qt::PlainText);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(text);
        layout->addWidget(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
};

} // namespace

TPrintServerWait WaitForPrintServer(std::function<void(const std::atomic<bool>& stop)> work, int patienceMs)
{
    auto shared = std::make_shared<TSharedWait>();
    std::thread([shared, work = std::move(work)] {
        try {
            work(shared->stop);
        } catch (...) {
            shared->error = std::current_exception();
        }
        shared->done = true;
    }).detach();

    TBusyCursor busy;
    QElapsedTimer clock;
    clock.start();
    auto outOfPatience = [&] { return patienceMs > 0 && clock.elapsed() >= patienceMs; };
    std::unique_ptr<TWaitBox> box;
    bool cancelled = false;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (shared->done || outOfPatience() || (!box && clock.elapsed() >= QuietWaitMs))
            loop.quit();
    });
    look.start(10);
    // A short wait takes no input, so that nothing the user does starts over
    // what is waiting; a longer one shows the box, which alone takes input.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!shared->done && !outOfPatience()) {
        box = std::make_unique<TWaitBox>();
        QObject::connect(box.get(), &QDialog::rejected, &loop, [&] {
            cancelled = true;
            loop.quit();
        });
        box->show();
        while (!shared->done && !cancelled && !outOfPatience())
            loop.exec();
    }
    if (shared->done) {
        if (shared->error)
            std::rethrow_exception(shared->error);
        return TPrintServerWait::Done;
    }
    shared->stop = true;
    return cancelled ? TPrintServerWait::Cancelled : TPrintServerWait::OutOfPatience;
}
