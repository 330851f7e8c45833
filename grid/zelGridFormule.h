#pragma once
// The formula editor: one window for the whole program, kept on top of the others
// and never modal. It edits the text of one cell of a grid; its list inserts
// operators, functions and built-in names at the caret, and while the grid's
// FormuleMode is on every cell selected in a grid inserts that cell's reference.
// Esc closes it as Close does.

#include <QDialog>
#include <QPointer>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class TMemo;
class TzelGrid;

class TzelGridFormuleF : public QDialog {
    Q_OBJECT
public:
    // The one window, or nullptr before the first use (and after the program ends).
    static TzelGridFormuleF* Instance();
    // The one window, created on first use.
    static TzelGridFormuleF& Obtain();

    ~TzelGridFormuleF() override;

    // The grid the editor works for; nullptr once that grid is destroyed.
    TzelGrid* Grid() const { return grid_; }
    int TargetCol() const { return targetCol_; }
    int TargetRow() const { return targetRow_; }
    // Remembers the grid and the cell whose text Apply sets.
    void SetTarget(TzelGrid* grid, int col, int row);

    // Replaces the selection of `formule` with `text` (an empty text deletes it).
    void InsertAtCaret(const QString& text);

    // Actions of the list and the buttons.
    void OpsClick(QListWidgetItem* item);
    void Apply();
    void CloseEditor();

    QListWidget* ops = nullptr;
    TMemo* formule = nullptr;
    QPushButton* btnApply = nullptr;
    QPushButton* btnClose = nullptr;

    // Esc: Close.
    void reject() override;

protected:
    // Closing the window by its frame only hides it; FormuleMode stays as it is.
    void closeEvent(QCloseEvent* event) override;

private:
    TzelGridFormuleF();
    void BuildControls();
    void SwitchFormuleModeOff();

    double scale_;
    QPointer<TzelGrid> grid_;
    int targetCol_ = 0;
    int targetRow_ = 0;
};
