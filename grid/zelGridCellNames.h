#pragma once
// The cell-names dialog: edits a copy of a grid's named cells, one line
// name=reference each. The list shows the names; the two edits hold the name and
// the reference of the line to add, and on OK the reference is where the grid's
// current cell goes.

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class TzelGridCellNamesF : public QDialog {
    Q_OBJECT
public:
    explicit TzelGridCellNamesF(QWidget* owner = nullptr);

    // The lines of the list, name=reference each.
    QStringList Names() const;
    void SetNames(const QStringList& lines);
    // The line whose name equals `name` regardless of case, or -1.
    int IndexOfName(const QString& name) const;

    // Actions of the list and the buttons.
    void NamesListClick(QListWidgetItem* item);
    void AddName();
    void DeleteName();
    void ClearAll();

    QListWidget* NamesList = nullptr;
    QLabel* lblName = nullptr;
    QLineEdit* edName = nullptr;
    QLabel* lblValue = nullptr;
    QLineEdit* edValue = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClearall = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
};
