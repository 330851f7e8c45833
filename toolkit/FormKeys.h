#pragma once
// The dialog keys of a form: Enter presses the form's default button and Esc its
// cancel button, for every key press that reaches the window because the focused
// control did not take it (a memo keeps Enter for its line breaks). With key
// preview on, the form also sees the key presses of the toolkit's edits first.

#include "Keys.h"

#include <QAbstractButton>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

class TFormKeys : public QObject {
    Q_OBJECT
public:
    // Attaches to `form`, a top-level window, which owns the helper.
    explicit TFormKeys(QWidget* form);

    // The helper of the window that holds `control`, or nullptr.
    static TFormKeys* Of(const QWidget* control);

    QWidget* Form() const;
    QAbstractButton* DefaultButton() const { return defaultButton_; }
    void SetDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
    QAbstractButton* CancelButton() const { return cancelButton_; }
    void SetCancelButton(QAbstractButton* button) { cancelButton_ = button; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool value) { keyPreview_ = value; }

    // Lets the default or cancel button react to a dialog key; true when one did.
    bool DialogKey(int key, TShiftState shift);

    // Key preview: called before the focused edit's own handlers see the key.
    std::function<void(QObject* sender, int& key, TShiftState shift)> OnKeyDown;
    std::function<void(QObject* sender, QChar& key)> OnKeyPress;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QAbstractButton> defaultButton_;
    QPointer<QAbstractButton> cancelButton_;
    bool keyPreview_ = false;
};
