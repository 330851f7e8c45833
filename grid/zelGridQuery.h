#pragma once
// The query builder: the column names and operators of a grid as clickable lists
// beside the query text, and buttons to filter the grid by the query or show
// every row again.

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QListWidget;
class QPushButton;
class TMemo;
class TzelGrid;

class TzelGridQueryF : public QDialog {
    Q_OBJECT
public:
    // A new dialog owned by the application: it outlives the grid that opened
    // it and is freed when the program's event loop ends.
    static TzelGridQueryF* Create();

    void SetFields(const QStringList& names);
    TzelGrid* Grid() const { return grid_; }
    void SetGrid(TzelGrid* grid) { grid_ = grid; }

    // Actions of the lists and buttons.
    void FieldClicked(int index);
    void OperatorClicked(int index);
    void Apply();
    void ShowAll();

    QListWidget* ListFields = nullptr;
    QListWidget* ListOps = nullptr;
    TMemo* QMemo = nullptr;
    QCheckBox* chkIgnoreCase = nullptr;
    QPushButton* btnApply = nullptr;
    QPushButton* btnShowAll = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TzelGridQueryF();
    void BuildControls();
    void FitToContent();

    QPointer<TzelGrid> grid_;
};
