#pragma once
// Undo and Redo over the results grids: one history of steps, in the order they
// were done, across every grid that shares it. A step keeps what its change
// needs to be taken back and done again (a row's texts, a column taken out
// whole, the order a sort gave), never a copy of a grid. The history keeps at
// most kSteps steps and, beside the newest step done, at most kBytes of memory;
// the oldest go first.
//
// The steps sit on a QUndoStack, which gives the menu items their texts
// ("Undo Delete row") and their enabled state.

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <cstddef>
#include <functional>
#include <memory>

class TzelGrid;

// One change of the grids. Undo runs on the grids exactly as Redo left them,
// and Redo on the grids exactly as Undo left them: the history keeps the order.
class TGridStep {
public:
    explicit TGridStep(QString name) : name_(std::move(name)) {}
    virtual ~TGridStep() = default;
    TGridStep(const TGridStep&) = delete;
    TGridStep& operator=(const TGridStep&) = delete;

    // What the menu items name: "Delete row" gives "Undo Delete row".
    const QString& Name() const { return name_; }
    virtual void Redo() = 0;
    virtual void Undo() = 0;
    // The memory the step holds.
    virtual std::size_t Bytes() const { return 0; }
    // The grid whose change Undo and Redo bring into view, or nullptr.
    virtual TzelGrid* Grid() const { return nullptr; }

private:
    QString name_;
};

class TGridHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int kSteps = 100;
    static constexpr std::size_t kBytes = std::size_t(64) << 20;

    explicit TGridHistory(QObject* parent = nullptr);
    ~TGridHistory() override;

    QUndoStack& Stack() { return stack_; }
    // Does the step's change and keeps the step. A step whose Redo throws is
    // not kept (it must then have changed nothing).
    void Run(std::unique_ptr<TGridStep> step);
    // Keeps a step whose change is done already.
    void Add(std::unique_ptr<TGridStep> step);
    // The memory the steps hold.
    std::size_t Bytes() const;

    // Told after Undo or Redo changed the grids, with the step's grid.
    std::function<void(TzelGrid* grid)> OnUndoRedo;

private:
    class TCommand;
    void Push(std::unique_ptr<TGridStep> step);
    // Lets the oldest steps go while the history holds too much.
    void Trim();

    QUndoStack stack_;
    bool rebuilding_ = false;
};
