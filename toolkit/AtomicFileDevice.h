#pragma once
// A file written whole or not at all (TAtomicFileWriter), as a device Qt's
// writers write to, such as QPdfWriter: the target is replaced only by Commit,
// and a device dropped before that leaves it as it was.

#include <QIODevice>
#include <QString>

#include <memory>

class TAtomicFileWriter;

class TAtomicFileDevice : public QIODevice {
public:
    explicit TAtomicFileDevice(QString fileName);
    ~TAtomicFileDevice() override;

    // Opens for writing; false, with errorString(), when nothing can be written.
    bool open(OpenMode mode) override;
    // Puts the written file in the target's place; false, with errorString(),
    // when the target stays as it was.
    bool Commit();
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    // Runs `action` on the writer; false, with the reason as errorString(), when it throws.
    template <class Action>
    bool Attempt(Action&& action);

    QString fileName_;
    std::unique_ptr<TAtomicFileWriter> writer_;
};
