#pragma once
// TVersionInfo: reads the version information of an executable (the running one
// by default) and fills linked controls with its standard keys.

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

class QWidget;

// Raised when a file has version information that cannot be read.
class EVersionInfoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TVersionInfo : public QObject {
    Q_OBJECT
public:
    // Key indexes 1 to 8, in the order of the control properties.
    enum TKey { viCompanyName = 1, viFileDescription, viFileVersion, viInternalName, viLegalCopyRight,
                viOriginalFileName, viProductName, viProductVersion };

    // Loads the version information of `fileName`, or of the running executable
    // when it is empty. Throws EVersionInfoError when the block cannot be read.
    explicit TVersionInfo(QObject* owner = nullptr, const QString& fileName = QString());

    QString FileName() const { return fileName_; }
    // Reloads from another file (empty: the running executable) and refreshes.
    void SetFileName(const QString& fileName);

    // Size of the loaded block in bytes; 0 when the file has no version information.
    std::uint32_t BlockSize() const { return static_cast<std::uint32_t>(block_.size()); }
    // The first translation entry: language in the low 16 bits, code page in the high.
    std::optional<std::uint32_t> Translation() const { return translation_; }

    // The key's name, as looked up in the string table.
    static QString KeyName(int index);
    // The string stored under key `index` (1 to 8) for the first translation, or "".
    QString Value(int index) const;

    QWidget* Ctl(int index) const;
    void SetCtl(int index, QWidget* control);

    QWidget* CtlCompanyName() const { return Ctl(viCompanyName); }
    void SetCtlCompanyName(QWidget* c) { SetCtl(viCompanyName, c); }
    QWidget* CtlFileDescription() const { return Ctl(viFileDescription); }
    void SetCtlFileDescription(QWidget* c) { SetCtl(viFileDescription, c); }
    QWidget* CtlFileVersion() const { return Ctl(viFileVersion); }
    void SetCtlFileVersion(QWidget* c) { SetCtl(viFileVersion, c); }
    QWidget* CtlInternalName() const { return Ctl(viInternalName); }
    void SetCtlInternalName(QWidget* c) { SetCtl(viInternalName, c); }
    QWidget* CtlLegalCopyRight() const { return Ctl(viLegalCopyRight); }
    void SetCtlLegalCopyRight(QWidget* c) { SetCtl(viLegalCopyRight, c); }
    QWidget* CtlOriginalFileName() const { return Ctl(viOriginalFileName); }
    void SetCtlOriginalFileName(QWidget* c) { SetCtl(viOriginalFileName, c); }
    QWidget* CtlProductName() const { return Ctl(viProductName); }
    void SetCtlProductName(QWidget* c) { SetCtl(viProductName, c); }
    QWidget* CtlProductVersion() const { return Ctl(viProductVersion); }
    void SetCtlProductVersion(QWidget* c) { SetCtl(viProductVersion, c); }

    // The path of a key in the string table of a translation, for example
    // \StringFileInfo\040904E4\ProductName for US English and code page 1252.
    static QString StringPath(std::uint32_t translation, const QString& key);

private:
    void Load();
    void Refresh();

    QString fileName_;
    std::vector<std::uint8_t> block_;
    std::optional<std::uint32_t> translation_;
    // Guarded pointers: a control destroyed before us empties its slot.
    std::array<QPointer<QWidget>, 8> controls_;
};
