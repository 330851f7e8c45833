#include "GridHistory.h"

#include <QUndoCommand>

#include <utility>
#include <vector>

// A step on the stack. QUndoStack owns its commands and cannot let its oldest
// ones go by memory, so a command only shares its step: the history can put the
// steps it keeps on a cleared stack again, with every call to them stilled.
class TGridHistory::TCommand : public QUndoCommand {
public:
    TCommand(TGridHistory* history, std::shared_ptr<TGridStep> step, bool done)
        : QUndoCommand(step->Name()), history_(history), step_(std::move(step)), done_(done)
    {
    }
    const std::shared_ptr<TGridStep>& Step() const { return step_; }

    void redo() override
    {
        // The stack redoes what it is given; a step it is given was done already.
        if (history_->rebuilding_ || std::exchange(done_, false))
            return;
        step_->Redo();
        if (history_->OnUndoRedo)
            history_->OnUndoRedo(step_->Grid());
    }
    void undo() override
    {
        if (history_->rebuilding_)
            return;
        step_->Undo();
        if (history_->OnUndoRedo)
            history_->OnUndoRedo(step_->Grid());
    }

private:
    TGridHistory* history_;
    std::shared_ptr<TGridStep> step_;
    bool done_;
};

TGridHistory::TGridHistory(QObject* parent) : QObject(parent)
{
    stack_.setUndoLimit(kSteps);
    // An undone step may have taken back rows it now holds for Redo.
    connect(&stack_, &QUndoStack::indexChanged, this, [this] { Trim(); }, Qt::QueuedConnection);
}

TGridHistory::~TGridHistory() = default;

void TGridHistory::Run(std::unique_ptr<TGridStep> step)
{
    step->Redo();
    Push(std::move(step));
}

void TGridHistory::Add(std::unique_ptr<TGridStep> step)
{
    Push(std::move(step));
}

void TGridHistory::Push(std::unique_ptr<TGridStep> step)
{
    stack_.push(new TCommand(this, std::shared_ptr<TGridStep>(std::move(step)), true));
    Trim();
}

std::size_t TGridHistory::Bytes() const
{
    std::size_t bytes = 0;
    for (int i = 0; i < stack_.count(); ++i)
        bytes += static_cast<const TCommand*>(stack_.command(i))->Step()->Bytes();
    return bytes;
}

void TGridHistory::Trim()
{
    if (rebuilding_)
        return;
    // The newest step done is always kept, whatever it holds (File > New keeps
    // every row), and so are the steps undone after it.
    const int done = stack_.index();
    std::size_t bytes = Bytes();
    int drop = 0;
    while (bytes > kBytes && drop < done - 1)
        bytes -= static_cast<const TCommand*>(stack_.command(drop++))->Step()->Bytes();
    if (drop == 0)
        return;
    std::vector<std::shared_ptr<TGridStep>> kept;
    for (int i = drop; i < stack_.count(); ++i)
        kept.push_back(static_cast<const TCommand*>(stack_.command(i))->Step());
    rebuilding_ = true;
    stack_.clear();
    for (std::shared_ptr<TGridStep>& step : kept)
        stack_.push(new TCommand(this, std::move(step), false));
    stack_.setIndex(done - drop);
    rebuilding_ = false;
}
