#include "Dialogs.h"

#include "PrintSystem.h"

#include <QCoreApplication>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <vector>

namespace {

// The longest look-up after which Print setup still opens Qt's print dialog.
constexpr int PromptLookUpMs = 1000;

// A message box whose lines (ended by CR, LF or CR LF) stay whole as long as they
// fit on the screen, so tab-aligned tables keep their columns; the text is plain,
// so a file name is never read as markup. Enter presses the first button; Escape
// and the close button answer Cancel, or OK when OK is the only button, and are
// ignored otherwise.
class TMessageForm : public QDialog {
public:
    TMessageForm(QStyle::StandardPixmap icon, bool hasIcon, const QString& text, unsigned buttons)
        : QDialog(QApplication::activeWindow())
    {
        setWindowTitle(QApplication::applicationName());
        auto* iconLabel = new QLabel(this);
        if (hasIcon)
            iconLabel->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(32, 32));
        iconLabel->setAlignment(Qt::AlignTop);
        auto* textLabel = new QLabel(this);
        textLabel->setObjectName(QStringLiteral("MessageText"));
        textLabel->setTextFormat(Qt::PlainText);
        textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QString lines = text;
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        textLabel->setText(lines);
        KeepLinesWhole(textLabel, lines);

        auto* box = new QDialogButtonBox(this);
        const std::pair<unsigned, TModalResult> order[] = {{mbYes, mrYes}, {mbNo, mrNo}, {mbOK, mrOk}, {mbCancel, mrCancel}};
        for (const auto& [flag, result] : order)
            if (buttons & flag)
                AddButton(box, result);
        if (box->buttons().isEmpty())
            AddButton(box, mrOk);
        escapeResult_ = (buttons & mbCancel) ? mrCancel : box->buttons().size() == 1 ? results_.front() : mrNone;

        auto* row = new QHBoxLayout;
        row->addWidget(iconLabel);
        row->addWidget(textLabel, 1);
        row->setSpacing(14);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(row);
        layout->addWidget(box);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }

    TModalResult Run() { return static_cast<TModalResult>(exec()); }

    void reject() override
    {
        if (escapeResult_ != mrNone)
            done(escapeResult_);
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (escapeResult_ == mrNone)
            event->ignore();
        else
            QDialog::closeEvent(event);
    }

private:
    void AddButton(QDialogButtonBox* box, TModalResult result)
    {
        static const std::pair<TModalResult, QDialogButtonBox::StandardButton> kinds[] = {
            {mrYes, QDialogButtonBox::Yes}, {mrNo, QDialogButtonBox::No},
            {mrOk, QDialogButtonBox::Ok}, {mrCancel, QDialogButtonBox::Cancel}};
        for (const auto& [kind, standard] : kinds)
            if (kind == result) {
                QPushButton* button = box->addButton(standard);
                if (results_.empty())
                    button->setDefault(true);
                connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
            }
        results_.push_back(result);
    }

    void KeepLinesWhole(QLabel* label, const QString& lines)
    {
        const QFontMetrics metrics(label->font());
        int widest = 0;
        for (const QString& line : lines.split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.boundingRect(QRect(), Qt::TextExpandTabs, line).width());
        const QScreen* screen = this->screen();
        const int room = screen ? screen->availableGeometry().width() * 3 / 4 : 800;
        label->setWordWrap(widest > room);
        label->setMinimumWidth(std::min(widest, room));
    }

    std::vector<TModalResult> results_;
    TModalResult escapeResult_ = mrNone;
};

class TMessageBoxDialogs : public TDialogService {
public:
    void ShowMessage(const QString& text) override
    {
        TMessageForm(QStyle::SP_CustomBase, false, text, mbOK).Run();
    }

    TModalResult MessageDlg(const QString& text, TMsgDlgType type, unsigned buttons) override
    {
        return TMessageForm(IconOf(type), type != TMsgDlgType::mtCustom, text, buttons).Run();
    }

    std::optional<QString> OpenFileDialog(const TFileDialogOptions& options) override
    {
        return Run(options, QFileDialog::AcceptOpen);
    }

    std::optional<QString> SaveFileDialog(const TFileDialogOptions& options) override
    {
        return Run(options, QFileDialog::AcceptSave);
    }

    // Qt's print dialog does what the printer setup dialog does elsewhere: it names
    // the printers to choose from, and its Properties hold the paper and the
    // orientation. Its page range and print-to-file choices are left out, and its
    // button accepts the setup instead of printing.
    bool PrinterSetupDialog(TPrinter& printer) override
    {
        auto* system = dynamic_cast<TQtPrinter*>(&printer);
        if (!system)
            return false;
        // Messages go through the service in force, which may record them.
        bool found = false;
        QElapsedTimer lookUp;
        lookUp.start();
        try {
            found = system->LookUp();
        } catch (const TPrintCancelled&) {
            return false;
        } catch (const TPrinterError& e) {
            ::MessageDlg(QString::fromStdString(e.what()), TMsgDlgType::mtError, mbOK);
            return false;
        }
        if (!found) {
            ::MessageDlg(QCoreApplication::translate("TDialogs", "No Printer is installed"), TMsgDlgType::mtError, mbOK);
            return false;
        }
        // Qt's dialog asks the print server about as much again, on the window's
        // thread: a server slow to answer the look-up would hold the window up.
        if (lookUp.elapsed() > PromptLookUpMs) {
            ::MessageDlg(QCoreApplication::translate("TDialogs", "The print server %1 answers too slowly for Print setup.").arg(PrintServerName()),
                         TMsgDlgType::mtError, mbOK);
            return false;
        }
        QPrintDialog dialog(&system->QtPrinter(), QApplication::activeWindow());
        dialog.setWindowTitle(QCoreApplication::translate("TDialogs", "Print setup"));
        dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
        for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
            if (QPushButton* accept = box->button(QDialogButtonBox::Ok)) {
                accept->setText(QCoreApplication::translate("TDialogs", "OK"));
                accept->setIcon(dialog.style()->standardIcon(QStyle::SP_DialogOkButton, nullptr, accept));
            }
        if (dialog.exec() != QDialog::Accepted)
            return false;
        system->TakeSetup();
        return true;
    }

private:
    static std::optional<QString> Run(const TFileDialogOptions& options, QFileDialog::AcceptMode mode)
    {
        const bool save = mode == QFileDialog::AcceptSave;
        const QString title = !options.Title.isEmpty() ? options.Title
                              : save                   ? QCoreApplication::translate("TDialogs", "Save As")
                                                       : QCoreApplication::translate("TDialogs", "Open");
        QFileDialog dialog(QApplication::activeWindow(), title, options.InitialDir);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        const QStringList filters = QtNameFilters(options.Filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            dialog.selectNameFilter(filters.value(options.FilterIndex - 1, filters.first()));
        }
        dialog.setDefaultSuffix(options.DefaultExt);
        // A name typed without an extension gets the chosen kind's: a save as
        // "Excel workbook (*.xlsx)" makes a .xlsx file.
        if (save)
            QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &options](const QString& filter) {
                dialog.setDefaultSuffix(FilterExtension(filter, options.DefaultExt));
            });
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !(save && options.OverwritePrompt));
        WithoutDelete(dialog, save);
        if (!options.FileName.isEmpty())
            dialog.selectFile(options.FileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return WithDefaultExt(dialog.selectedFiles().first(), dialog.defaultSuffix());
    }

    // The extension of a name filter of one pattern, "Excel workbook (*.xlsx)";
    // `otherwise` for "All Files (*)" and the like.
    static QString FilterExtension(const QString& filter, const QString& otherwise)
    {
        const qsizetype open = filter.lastIndexOf(QLatin1String("(*."));
        if (open < 0 || !filter.endsWith(QLatin1Char(')')))
            return otherwise;
        const QString extension = filter.mid(open + 3, filter.size() - open - 4);
        return extension.contains(QLatin1Char(' ')) || extension.contains(QLatin1Char('*')) ? otherwise : extension;
    }

    // The dialog's own Delete removes a folder with all it holds, on the window's
    // thread: a large folder froze the program, and a slip cost the user's files.
    // Choosing a file to read changes nothing on disk; Save as may still make and
    // rename folders.
    static void WithoutDelete(QFileDialog& dialog, bool save)
    {
        dialog.setOption(QFileDialog::ReadOnly, !save);
        if (auto* remove = dialog.findChild<QAction*>(QStringLiteral("qt_delete_action")))
            remove->setVisible(false);
        for (QShortcut* key : dialog.findChildren<QShortcut*>())
            if (key->key() == QKeySequence(QKeySequence::Delete))
                key->setEnabled(false);
    }

    static QStyle::StandardPixmap IconOf(TMsgDlgType type)
    {
        switch (type) {
        case TMsgDlgType::mtWarning: return QStyle::SP_MessageBoxWarning;
        case TMsgDlgType::mtError: return QStyle::SP_MessageBoxCritical;
        case TMsgDlgType::mtConfirmation: return QStyle::SP_MessageBoxQuestion;
        default: return QStyle::SP_MessageBoxInformation;
        }
    }
};

TMessageBoxDialogs g_messageBoxes;
TDialogService* g_service = &g_messageBoxes;

} // namespace

QStringList QtNameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // Qt reads the patterns from the last parenthesised group: give it ours only.
        if (description.endsWith(QLatin1Char(')')) && description.lastIndexOf(QLatin1Char('(')) > 0)
            description = description.left(description.lastIndexOf(QLatin1Char('('))).trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString p = pattern.trimmed();
            patterns.append(p == QLatin1String("*.*") ? QStringLiteral("*") : p);
        }
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        result.append(QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' '))));
    }
    return result;
}

QString WithDefaultExt(const QString& fileName, const QString& defaultExt)
{
    if (defaultExt.isEmpty() || fileName.isEmpty() || QFileInfo(fileName).fileName().contains(QLatin1Char('.')))
        return fileName;
    return fileName + QLatin1Char('.') + defaultExt;
}

TDialogService& Dialogs() { return *g_service; }

TDialogService& SystemDialogs() { return g_messageBoxes; }

TDialogService* SetDialogs(TDialogService* service)
{
    TDialogService* previous = g_service;
    g_service = service ? service : &g_messageBoxes;
    return previous;
}

void ShowMessage(const QString& text) { Dialogs().ShowMessage(text); }

TModalResult MessageDlg(const QString& text, TMsgDlgType type, unsigned buttons)
{
    return Dialogs().MessageDlg(text, type, buttons);
}

std::optional<QString> OpenFileDialog(const TFileDialogOptions& options) { return Dialogs().OpenFileDialog(options); }

std::optional<QString> SaveFileDialog(const TFileDialogOptions& options) { return Dialogs().SaveFileDialog(options); }

bool PrinterSetupDialog(TPrinter& printer) { return Dialogs().PrinterSetupDialog(printer); }
