#pragma once
// A print system of the test's own: a child cupsd whose configuration, spool,
// temporary files and logs live in a fresh temporary folder, listening on a free
// loopback port that CUPS_SERVER names to the test process (and so to Qt's CUPS
// support). It never talks to the machine's own server. Its queues carry the
// cups-pdf driver and pass what they render on to /dev/null, so nothing lands in
// a home folder; the server keeps every job's data as the program sent it
// (PreserveJobFiles), which is what the tests read back.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class TTestCupsServer {
public:
    // One job the server received, the oldest first.
    struct TJob {
        int Id = 0;
        QString Queue;
        QString Title;
        QString DataFile; // the document as the program sent it
    };

    // Why no server can run here (not root, a package missing); empty when one can.
    static QString Unavailable();

    // Makes the folder and points CUPS_SERVER at a free port; the server itself
    // starts with Start(), so a test can begin without any print system.
    TTestCupsServer();
    // Stops the server and gives CUPS_SERVER back its former value.
    ~TTestCupsServer();
    TTestCupsServer(const TTestCupsServer&) = delete;
    TTestCupsServer& operator=(const TTestCupsServer&) = delete;

    // Starts the server and waits until it listens (taking another port when the
    // chosen one was taken meanwhile); false with Error() when it cannot.
    bool Start();
    void Stop();
    // Stops and continues the server's process, as kill -STOP and kill -CONT do.
    void Pause();
    void Resume();

    // Adds a queue with the cups-pdf driver; the first one becomes the default.
    bool AddQueue(const QString& name);
    // Makes the queue refuse new jobs or take them again, as cupsreject and
    // cupsaccept do.
    bool SetAccepting(const QString& queue, bool accepting);
    // Every job received so far, asked of the server.
    QList<TJob> Jobs() const;

    QString Error() const { return error_; }
    // The server as CUPS_SERVER names it.
    QString Address() const;

private:
    bool WriteConfiguration();
    bool WaitUntilListening(bool& portTaken);
    bool Run(const QString& program, const QStringList& arguments);
    QString LogTail() const;
    void PointClientsAt(const QByteArray& server);

    QTemporaryDir dir_;
    std::unique_ptr<QProcess> cupsd_;
    int port_ = 0;
    bool paused_ = false;
    bool hasDefault_ = false;
    QString error_;
    QByteArray previousServer_;
    bool hadServer_ = false;
};

// What poppler's tools read from a PDF file.
int PdfPageCount(const QString& file);
// "595 x 842" (points, as pdfinfo gives them) of the first page.
QString PdfPageSize(const QString& file);
// The text of one page (from 1), in reading order.
QString PdfPageText(const QString& file, int page);
