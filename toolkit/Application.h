#pragma once
// The application object: an error thrown inside any event handler is caught here,
// its message is shown in an error box, and the program goes on with the next event.

#include <QApplication>
#include <exception>

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    // The title shown in the window captions and message boxes.
    QString Title() const;
    void SetTitle(const QString& title);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the message of the exception in flight (call inside a catch block).
    static void HandleException();
};

// A handler run the way the message loop runs one: an error it throws is shown in
// a message box and the program goes on.
template <class F>
auto Guarded(F handler)
{
    return [handler] {
        try {
            handler();
        } catch (...) {
            TApplication::HandleException();
        }
    };
}
