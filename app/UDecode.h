#pragma once
// TFormDecode: a small window above the main window for a code read at the gate.
// As the operator types, it shows the code's fields (a wrong parity bit or prefix
// in the warning colour, or what was expected when the input is no code), and
// Find selects the next row of the results grid that holds the code.

#include "CodeDecoder.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class TzelGrid;

class TFormDecode : public QDialog {
    Q_OBJECT
public:
    // `showGrid` brings the tab of a grid to the front before Find selects in it.
    TFormDecode(TzelGrid* grid26, TzelGrid* grid64, std::function<void(TzelGrid*)> showGrid, QWidget* parent);

    // Selects and scrolls to the next visible row after the current one that
    // holds the code, wrapping at the end, and says which of how many it is.
    void Find();

    static constexpr int kFieldRows = 6;

    QLineEdit* EditCode = nullptr;
    std::array<QLabel*, kFieldRows> Captions{};
    std::array<QLabel*, kFieldRows> Values{};
    QLabel* LabelError = nullptr;
    QPushButton* btnFind = nullptr;
    QLabel* LabelFound = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct TField {
        const char* Caption;
        QString Value;
        bool Warn = false;
        bool Bits = false; // shown in a fixed-pitch font
    };
    void BuildControls();
    void CodeChanged();
    void ShowFields(const std::vector<TField>& fields);
    void ShowError(const QString& reason);
    // The visible rows of `grid` whose code cell matches the decoded code.
    std::vector<int> MatchingRows(TzelGrid* grid) const;

    TzelGrid* grid26_;
    TzelGrid* grid64_;
    std::function<void(TzelGrid*)> showGrid_;
    std::optional<TDecodedCode> decoded_;
};
