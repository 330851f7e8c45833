#pragma once
// The lookup popup of an AdvEdit: a bordered top-level window that stays on top,
// holding the list of matching entries. It is shown without taking the activation,
// so typing goes on in the edit; once the user activates it (a click), its list takes
// the focus, and it hides itself when it loses the activation.

#include <QFrame>
#include <QListWidget>
#include <functional>

// The list of the popup: fixed 12-pixel rows, flat, Enter and a button release
// choose the current entry.
class TLookupListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 12;
    explicit TLookupListBox(QWidget* parent = nullptr);

    std::function<void()> OnChoose;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class TListHintWindow : public QFrame {
    Q_OBJECT
public:
    explicit TListHintWindow(QWidget* owner = nullptr);

    TLookupListBox* ListControl() const { return list_; }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TLookupListBox* list_;
};
