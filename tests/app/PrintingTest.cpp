// Printing through the print system of a Linux desktop: each test starts a CUPS
// server of its own with cups-pdf queues and prints from the real main window
// (Ctrl+P, Print setup, Print, the PDF button) through Qt's CUPS support. What a
// queue received is read back with poppler's tools. With CORVANA_SHOTS naming a
// folder, the tests leave their screenshots and the printed job there.
#include "MainWindowHarness.h"

#include "../support/RealDisplay.h"
#include "../support/TestCupsServer.h"
#include "zelGridPreview.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <arpa/inet.h>
#include <atomic>
#include <functional>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int PlateCount = 305;

// "CV0001" to "CV0305", as the grid shows them.
QStringList Plates()
{
    QStringList plates;
    for (int i = 1; i <= PlateCount; ++i)
        plates << QStringLiteral("CV%1").arg(i, 4, 10, QLatin1Char('0'));
    return plates;
}

// The plates on each page of a PDF, in reading order.
QList<QStringList> PlatesByPage(const QString& pdf)
{
    static const QRegularExpression plate(QStringLiteral("\\bCV\\d{4}\\b"));
    QList<QStringList> pages;
    const int count = PdfPageCount(pdf);
    for (int page = 1; page <= count; ++page) {
        QStringList found;
        for (auto it = plate.globalMatch(PdfPageText(pdf, page)); it.hasNext();)
            found << it.next().captured();
        pages << found;
    }
    return pages;
}

QStringList Joined(const QList<QStringList>& pages)
{
    QStringList all;
    for (const QStringList& page : pages)
        all << page;
    return all;
}

QString PdfTitle(const QString& pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(30000);
    const QRegularExpressionMatch title = QRegularExpression(QStringLiteral("^Title:\\s+(.*)$"),
                                                             QRegularExpression::MultilineOption)
                                              .match(QString::fromUtf8(info.readAllStandardOutput()));
    return title.captured(1).trimmed();
}

// Keeps a picture or a file for a look by eye when CORVANA_SHOTS names a folder.
void Keep(QWidget* widget, const QString& name)
{
    if (qEnvironmentVariableIsSet("CORVANA_SHOTS"))
        widget->grab().save(QDir(qEnvironmentVariable("CORVANA_SHOTS")).filePath(name));
}

void Keep(const QString& file, const QString& name)
{
    if (qEnvironmentVariableIsSet("CORVANA_SHOTS")) {
        const QString target = QDir(qEnvironmentVariable("CORVANA_SHOTS")).filePath(name);
        QFile::remove(target);
        QFile::copy(file, target);
    }
}

// Runs `step` on the modal dialog of the given class (or object name) as soon
// as it is shown; a modal dialog's own event loop runs the timer.
void WhenModal(const char* className, std::function<void(QDialog*)> step)
{
    auto* timer = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(timer, &QTimer::timeout, [timer, waited, className, step] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const bool shown = dialog && (dialog->inherits(className) || dialog->objectName() == className) &&
                           dialog->isVisible();
        if (!shown && waited->elapsed() < 20000)
            return;
        timer->stop();
        timer->deleteLater();
        delete waited;
        if (shown)
            step(dialog);
        else
            ADD_FAILURE() << className << " was not shown";
    });
    timer->start(20);
}

QPushButton* ButtonOf(QDialog* dialog, QDialogButtonBox::StandardButton which)
{
    for (QDialogButtonBox* box : dialog->findChildren<QDialogButtonBox*>())
        if (QPushButton* button = box->button(which))
            return button;
    return nullptr;
}

// A print server on a loopback port that takes every connection and reads every
// request, and answers none, as a hung or stopped server does. It is served by
// the window's thread, which must keep turning its event loop for that.
class TSilentPrintServer {
public:
    explicit TSilentPrintServer(int port) : listener_(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0))
    {
        const int one = 1;
        setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(quint16(port));
        listening_ = bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                     listen(listener_, 64) == 0;
        notifiers_.push_back(std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read));
        QObject::connect(notifiers_.back().get(), &QSocketNotifier::activated, [this] { Accept(); });
    }
    ~TSilentPrintServer()
    {
        notifiers_.clear();
        for (const int connection : connections_)
            close(connection);
        close(listener_);
    }

    bool Listening() const { return listening_; }
    // Everything the clients sent.
    QByteArray Received() const { return received_; }

private:
    void Accept()
    {
        for (int connection; (connection = accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0;) {
            connections_.push_back(connection);
            notifiers_.push_back(std::make_unique<QSocketNotifier>(connection, QSocketNotifier::Read));
            QSocketNotifier* reader = notifiers_.back().get();
            QObject::connect(reader, &QSocketNotifier::activated, [this, connection, reader] {
                char buffer[4096];
                ssize_t read = 0;
                while ((read = ::read(connection, buffer, sizeof buffer)) > 0)
                    received_.append(buffer, read);
                if (read == 0)
                    reader->setEnabled(false); // the client gave up
            });
        }
    }

    int listener_;
    bool listening_ = false;
    std::vector<int> connections_;
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers_;
    QByteArray received_;
};

// The longest time the window's thread went without turning its event loop
// while this lives.
class TLongestPause {
public:
    TLongestPause()
    {
        clock_.start();
        QObject::connect(&beat_, &QTimer::timeout, [this] { longest_ = std::max(longest_, clock_.restart()); });
        beat_.start(50);
    }
    qint64 Longest() const { return std::max(longest_, clock_.elapsed()); }

private:
    QTimer beat_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

// The recording dialogs, except that Print setup is the real one.
class TScopedRealPrintSetup : public TScopedRecordingDialogs {
public:
    bool PrinterSetupDialog(TPrinter& printer) override { return SystemDialogs().PrinterSetupDialog(printer); }
};

class PrintingTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        if (const QString reason = TTestCupsServer::Unavailable(); !reason.isEmpty())
            GTEST_SKIP() << "no print system for the test: " << reason.toStdString();
        cups = std::make_unique<TTestCupsServer>();
    }

    void StartCups(const QStringList& queues)
    {
        ASSERT_TRUE(cups->Start()) << cups->Error().toStdString();
        for (const QString& queue : queues)
            ASSERT_TRUE(cups->AddQueue(queue)) << cups->Error().toStdString();
    }

    // The main window with the 305 plates computed from a list (File > Open).
    void OpenWithPlates()
    {
        Open();
        const QString list = dir.filePath("plates.txt");
        WriteAll(list, Plates().join("\r\n").toUtf8());
        dialogs.fileAnswers.push_back(list);
        Choose(form->mnuFile, {form->mnuFileOpen}, TChoice::Keyboard);
        ASSERT_EQ(form->SG1->RowCount(), PlateCount + 1);
        ASSERT_EQ(form->SG1->Cells(0, 1), "CV0001");
    }

    // Ctrl+P in the 26-bit grid, then `steps` in the preview, which then closes.
    void InPreview(const std::function<void(TzelGridPreviewF*)>& steps)
    {
        bool ran = false;
        WhenModal("TzelGridPreviewF", [&](QDialog* preview) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(preview));
            steps(static_cast<TzelGridPreviewF*>(preview));
            ran = true;
            preview->reject();
        });
        Activate();
        form->SG1->setFocus();
        QTest::keyClick(form->SG1, Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(ran);
    }

    // The last job the server received; fails the test when there is none.
    TTestCupsServer::TJob LastJob()
    {
        const QList<TTestCupsServer::TJob> jobs = cups->Jobs();
        EXPECT_FALSE(jobs.isEmpty());
        return jobs.isEmpty() ? TTestCupsServer::TJob() : jobs.last();
    }

    std::unique_ptr<TTestCupsServer> cups;
};

} // namespace

// The real Print setup under X: it lists the printers, the second is chosen and
// turned to landscape in its Properties, and Print prints there.
TEST_F(PrintingTest, PrintSetupChoosesThePrinterAndPrintPrintsOnIt)
{
    if (!OnARealDisplay())
        return RerunUnderXvfb();
    StartCups({"Office_A", "Office_B"});
    OpenWithPlates();
    TScopedRealPrintSetup realSetup;
    QString title, accept;
    QStringList printers;
    bool turned = false;
    int previewPages = 0;
    InPreview([&](TzelGridPreviewF* preview) {
        WhenModal("QPrintDialog", [&](QDialog* setup) {
            title = setup->windowTitle();
            auto* names = setup->findChild<QComboBox*>("printers");
            ASSERT_NE(names, nullptr);
            for (int i = 0; i < names->count(); ++i)
                printers << names->itemText(i);
            names->setFocus();
            QTest::keyClick(names, Qt::Key_Down); // the second printer
            // Its Properties hold the paper and the orientation.
            WhenModal("QPrintPropertiesDialog", [&](QDialog* properties) {
                for (QRadioButton* option : properties->findChildren<QRadioButton*>())
                    if (option->text().remove('&') == "Landscape") {
                        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
                        turned = option->isChecked();
                    }
                Keep(properties, "print-setup-properties.png");
                QTest::mouseClick(ButtonOf(properties, QDialogButtonBox::Ok), Qt::LeftButton);
            });
            QTest::mouseClick(setup->findChild<QPushButton*>("properties"), Qt::LeftButton);
            Keep(setup, "print-setup.png");
            QPushButton* ok = ButtonOf(setup, QDialogButtonBox::Ok);
            ASSERT_NE(ok, nullptr);
            accept = ok->text();
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QTest::mouseClick(preview->btnSetup, Qt::LeftButton);
        previewPages = preview->EditPage->maximum();
        EXPECT_EQ(preview->lblpages->text(), QString("of %1").arg(previewPages));
        Keep(preview, "preview-after-setup.png");
        QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
    });
    EXPECT_EQ(title, "Print setup");
    EXPECT_EQ(accept, "OK");
    EXPECT_EQ(printers, QStringList({"Office_A", "Office_B"}));
    EXPECT_TRUE(turned);
    EXPECT_TRUE(realSetup.messages.isEmpty()) << realSetup.messages.join('\n').toStdString();
    EXPECT_EQ(form->SG1->PrintOptions().Orientation(), TPrintOrientation::poLandscape);

    const TTestCupsServer::TJob job = LastJob();
    EXPECT_EQ(job.Queue, "Office_B");
    // An empty job title names the window and the tab.
    EXPECT_EQ(job.Title, "Corvana - Wiegand 26-bit (SHA-1)");
    EXPECT_EQ(PdfPageSize(job.DataFile), "842 x 595"); // A4 turned
    const QList<QStringList> pages = PlatesByPage(job.DataFile);
    EXPECT_EQ(pages.size(), previewPages);
    ASSERT_GE(pages.size(), 2);
    EXPECT_EQ(pages[0].value(0), "CV0001");
    // Every plate once and in order: page 2 begins with the row after page 1's last.
    EXPECT_EQ(pages[1].value(0), Plates().value(pages[0].size()));
    EXPECT_EQ(Joined(pages), Plates());
    Keep(job.DataFile, "printed.pdf");
}

// A print system started while the program runs serves the next Print; with no
// printer at all, Print says so.
TEST_F(PrintingTest, APrinterInstalledWhileTheProgramRunsIsFoundAtPrint)
{
    OpenWithPlates(); // no print system runs yet
    int pages = 0;
    InPreview([&](TzelGridPreviewF* preview) {
        QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
        EXPECT_EQ(dialogs.messages, QStringList({"No Printer is installed"}));
        StartCups({"Front_desk"});
        QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
        pages = preview->EditPage->maximum();
        EXPECT_EQ(preview->lblpages->text(), QString("of %1").arg(pages));
    });
    EXPECT_EQ(dialogs.messages, QStringList({"No Printer is installed"}));
    ASSERT_EQ(cups->Jobs().size(), 1);
    const TTestCupsServer::TJob job = LastJob();
    EXPECT_EQ(job.Queue, "Front_desk");
    EXPECT_EQ(PdfPageSize(job.DataFile), "595 x 842");
    // The preview counted the pages again on the printer found.
    EXPECT_EQ(PdfPageCount(job.DataFile), pages);
    EXPECT_EQ(Joined(PlatesByPage(job.DataFile)), Plates());
}

// The PDF button lays the pages out as the chosen printer prints them: the same
// sheet, the same page breaks, in both orientations.
TEST_F(PrintingTest, PdfButtonGivesThePagesThePrinterPrints)
{
    StartCups({"Office_A", "Office_B"});
    OpenWithPlates();
    for (const TPrinterOrientation orientation : {TPrinterOrientation::poPortrait, TPrinterOrientation::poLandscape}) {
        SCOPED_TRACE(orientation == TPrinterOrientation::poPortrait ? "portrait" : "landscape");
        dialogs.printerSetupAnswers.push_back(TRecordingDialogs::TPrinterSetupAnswer{"Office_B", orientation});
        const QString pdf = dir.filePath(orientation == TPrinterOrientation::poPortrait ? "portrait.pdf" : "landscape.pdf");
        dialogs.fileAnswers.push_back(pdf);
        int previewPages = 0;
        InPreview([&](TzelGridPreviewF* preview) {
            QTest::mouseClick(preview->btnSetup, Qt::LeftButton);
            previewPages = preview->EditPage->maximum();
            QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
            QTest::mouseClick(preview->btnPdf, Qt::LeftButton);
        });
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
        const TTestCupsServer::TJob job = LastJob();
        EXPECT_EQ(job.Queue, "Office_B");
        EXPECT_EQ(PdfPageSize(pdf), PdfPageSize(job.DataFile));
        const QList<QStringList> printed = PlatesByPage(job.DataFile);
        EXPECT_EQ(printed.size(), previewPages);
        EXPECT_EQ(Joined(printed), Plates());
        EXPECT_EQ(PlatesByPage(pdf), printed);
        EXPECT_EQ(PdfTitle(pdf), "Corvana - Wiegand 26-bit (SHA-1)");
        Keep(pdf, QFileInfo(pdf).fileName());
        Keep(job.DataFile, "job-" + QFileInfo(pdf).fileName());
    }
}

// A queue that refuses the job is named in a message and nothing counts as
// printed; a print system that is slow to answer keeps the busy cursor up until
// the job is through.
TEST_F(PrintingTest, RefusedJobsAreToldAndSlowOnesShowTheBusyCursor)
{
    StartCups({"Front_desk"});
    OpenWithPlates();
    bool busyWhileWaiting = false;
    qint64 waited = 0;
    InPreview([&](TzelGridPreviewF* preview) {
        ASSERT_TRUE(cups->SetAccepting("Front_desk", false));
        QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].startsWith("Printing on Front_desk failed: ")) << dialogs.messages[0].toStdString();
        EXPECT_TRUE(dialogs.messages[0].contains("not accepting jobs")) << dialogs.messages[0].toStdString();
        EXPECT_TRUE(cups->Jobs().isEmpty());

        ASSERT_TRUE(cups->SetAccepting("Front_desk", true));
        cups->Pause(); // kill -STOP
        std::atomic<bool> clicked = false;
        std::thread watcher([&] {
            while (!clicked)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            // The window's thread now waits for the print system.
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            const QCursor* cursor = QGuiApplication::overrideCursor();
            busyWhileWaiting = cursor && cursor->shape() == Qt::WaitCursor;
            if (OnARealDisplay() && qEnvironmentVariableIsSet("CORVANA_SHOTS"))
                QProcess::execute("import", {"-window", "root",
                                             QDir(qEnvironmentVariable("CORVANA_SHOTS")).filePath("waiting.png")});
            cups->Resume(); // kill -CONT
        });
        QElapsedTimer clock;
        clock.start();
        clicked = true;
        QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
        waited = clock.elapsed();
        watcher.join();
    });
    EXPECT_GE(waited, 1500);
    EXPECT_TRUE(busyWhileWaiting);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(dialogs.messages.size(), 1) << dialogs.messages.join('\n').toStdString();
    const QList<TTestCupsServer::TJob> jobs = cups->Jobs();
    ASSERT_EQ(jobs.size(), 1);
    EXPECT_EQ(Joined(PlatesByPage(jobs[0].DataFile)), Plates());
}

// A print server that takes connections and never answers: Ctrl+P, Print, Setup
// and PDF each give up on it with a message that names it, or stop at once when
// the user cancels the wait, whose box names it too; the window answers all the
// while, and nothing is printed or written.
TEST_F(PrintingTest, APrintServerThatNeverAnswersHoldsNothingUp)
{
    TSilentPrintServer silent(cups->Address().section(':', 1).toInt()); // where CUPS_SERVER points
    ASSERT_TRUE(silent.Listening());
    OpenWithPlates();
    TScopedRealPrintSetup realSetup;
    const QString pdf = dir.filePath("codes.pdf");
    realSetup.fileAnswers.push_back(pdf);
    const QString noAnswer = QString("The print server %1 does not answer.").arg(cups->Address());
    TLongestPause pause;
    QString waiting;
    qint64 cancelledAfter = -1;
    QStringList messagesOnOpening;
    InPreview([&](TzelGridPreviewF* preview) {
        messagesOnOpening = realSetup.messages;
        WhenModal("PrintServerWait", [&](QDialog* box) {
            waiting = box->findChild<QLabel*>()->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
        cancelledAfter = clock.elapsed();
        QTest::mouseClick(preview->btnSetup, Qt::LeftButton);
        QTest::mouseClick(preview->btnPdf, Qt::LeftButton);
    });
    EXPECT_EQ(messagesOnOpening, QStringList({noAnswer})); // and the preview opened all the same
    EXPECT_EQ(waiting, QString("Waiting for the print server %1 ...").arg(cups->Address()));
    EXPECT_GE(cancelledAfter, 0);
    EXPECT_LT(cancelledAfter, 2000);
    EXPECT_EQ(realSetup.messages, QStringList({noAnswer, noAnswer, noAnswer})); // none for the cancelled Print
    EXPECT_LT(pause.Longest(), 2000);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_FALSE(silent.Received().isEmpty()); // it was asked
    EXPECT_FALSE(silent.Received().contains("POST /printers/")) << silent.Received().toStdString(); // no job
}
