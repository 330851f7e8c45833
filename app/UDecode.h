#pragma once
// TFormDecode: a small window above the main window for a code read at the gate.
// As the operator types, it shows the code's fields (a wrong parity bit or prefix
// in the warning colour, or what was expected when the input is no code), side
// by side for an input that reads two ways, and Find selects the next row of the
// results grid that holds the code, scrolled clear of this window.

#include "CodeDecoder.h"

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class TzelGrid;

class TFormDecode : public QDialog {
    Q_OBJECT
public:
    // `showGrid` brings the tab of a grid to the front before Find selects in it.
    TFormDecode(TzelGrid* grid26, TzelGrid* grid64, std::function<void(TzelGrid*)> showGrid, QWidget* parent);

    // Selects the next visible row after the current one that holds the code (in
    // any of its readings), wrapping at the end; says which of how many it is and
    // the row's plate, and shows the row where this window does not cover it.
    void Find();

    static constexpr int kFieldRows = 6;

    QLineEdit* EditCode = nullptr;
    std::array<QLabel*, kFieldRows> Captions{};
    // The fields of the input's first reading, and of its second when it has one.
    std::array<QLabel*, kFieldRows> Values{};
    std::array<QLabel*, kFieldRows> OtherValues{};
    QLabel* LabelError = nullptr;
    QPushButton* btnFind = nullptr;
    QLabel* LabelFound = nullptr;
    QLabel* LabelFoundPlate = nullptr;
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
    static std::vector<TField> FieldsOf(const TCodeReading& reading);
    void ShowFields(const std::vector<TField>& fields, const std::vector<TField>& other);
    void ShowValues(std::array<QLabel*, kFieldRows>& labels, const std::vector<TField>& fields);
    void ShowError(const QString& reason);
    static QString Spoken(const std::vector<TField>& fields);
    // Tells a screen reader of a new result without moving the focus.
    void Announce(const QString& text);
    void ClearFound();
    // The visible rows of `grid` whose code cell matches one of the readings.
    std::vector<int> MatchingRows(TzelGrid* grid) const;
    // Scrolls the grid, or else moves this window, so that the row is not under it.
    void KeepClearOf(TzelGrid* grid, int row);

    TzelGrid* grid26_;
    TzelGrid* grid64_;
    std::function<void(TzelGrid*)> showGrid_;
    QGridLayout* fields_ = nullptr;
    std::vector<TCodeReading> readings_;
};
