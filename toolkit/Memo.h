#pragma once
// The toolkit's multi-line text box on QPlainTextEdit. A paste or a drop inserts
// plain text only, exactly as typed text would stand (a no-break space stays; CR LF,
// CR and LF each start a new line), and nothing at all when the clipboard or the
// drop carries no text. The platform's own paste reads the first format of the
// clipboard unchecked, and an X11 clipboard without an owner has none: every
// multi-line box of the program is a TMemo so that no paste reaches that code.
// SetTabLeaves: Tab and Shift+Tab move the focus on, and Ctrl+Tab types a tab.

#include <QPlainTextEdit>

class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr);

    void SetTabLeaves(bool on);
    bool TabLeaves() const { return tabLeaves_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool tabLeaves_ = false;
};
