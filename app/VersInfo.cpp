#include "VersInfo.h"

#include "VersionResource.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool ValidIndex(int index) { return index >= 1 && index <= 8; }

// Puts the text where the control shows it: its caption if it has one, otherwise
// its text if it has one, otherwise nowhere.
void ShowText(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        plain->setPlainText(text);
    else if (auto* rich = qobject_cast<QTextEdit*>(control))
        rich->setPlainText(text);
}

} // namespace

TVersionInfo::TVersionInfo(QObject* owner, const QString& fileName) : QObject(owner), fileName_(fileName)
{
    Load();
}

void TVersionInfo::SetFileName(const QString& fileName)
{
    fileName_ = fileName;
    Load();
    Refresh();
}

void TVersionInfo::Load()
{
    block_.clear();
    translation_.reset();
    const QString file = fileName_.isEmpty() ? QCoreApplication::applicationFilePath() : fileName_;
    const std::uint32_t size = TVersionResource::Size(file);
    if (size == 0)
        return;
    std::vector<std::uint8_t> block(size);
    if (!TVersionResource::Read(file, size, block.data()))
        throw EVersionInfoError(("Cannot retrieve Version Information for " + file).toStdString());
    block_ = std::move(block);
    const auto table = TVersionResource::Query(block_, u"\\VarFileInfo\\Translation");
    if (table && table->Bytes.size() >= 4) {
        const auto& b = table->Bytes;
        translation_ = std::uint32_t(b[0] | b[1] << 8) | std::uint32_t(b[2] | b[3] << 8) << 16;
    }
    Refresh();
}

QString TVersionInfo::KeyName(int index)
{
    static const char* const names[] = {"CompanyName",    "FileDescription",  "FileVersion", "InternalName",
                                        "LegalCopyRight", "OriginalFileName", "ProductName", "ProductVersion"};
    return ValidIndex(index) ? QString::fromLatin1(names[index - 1]) : QString();
}

QString TVersionInfo::StringPath(std::uint32_t translation, const QString& key)
{
    const auto hex4 = [](std::uint32_t v) { return QStringLiteral("%1").arg(v & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper(); };
    return QStringLiteral("\\StringFileInfo\\%1%2\\%3").arg(hex4(translation), hex4(translation >> 16), key);
}

QString TVersionInfo::Value(int index) const
{
    if (!ValidIndex(index) || block_.empty() || !translation_)
        return QString();
    const auto value = TVersionResource::Query(block_, StringPath(*translation_, KeyName(index)));
    return value ? value->Text() : QString();
}

QWidget* TVersionInfo::Ctl(int index) const { return ValidIndex(index) ? controls_[index - 1].data() : nullptr; }

void TVersionInfo::SetCtl(int index, QWidget* control)
{
    if (!ValidIndex(index))
        return;
    controls_[index - 1] = control;
    Refresh();
}

void TVersionInfo::Refresh()
{
    for (int index = 1; index <= 8; ++index)
        if (QWidget* control = Ctl(index))
            ShowText(control, Value(index));
}
