#pragma once
// TFormAbout: the About box. Product name, version and legal notice come from the
// executable's version information; the web address is the build's.

#include <QDialog>

class QFrame;
class QLabel;
class QWidget;
class TImage;
class TVersionInfo;

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr, const QString& versionFile = QString());

    TImage* Image1;
    QWidget* PanelLeft;
    QFrame* PanelMain;
    QLabel* lblProductName;
    QWidget* PanelSeparator;
    QWidget* Shape1;
    QLabel* lblProductVersion;
    QLabel* lblCopyright;
    QLabel* lblWebsite;
    TVersionInfo* VersionInfo;

    void CloseClick();
    void lblWebsiteClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildLayout();
    void FormCreate();
};
