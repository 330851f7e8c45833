#include "UAbout.h"

#include "AboutBanner.h"
#include "BuildInfo.h"
#include "FormLook.h"
#include "Image.h"
#include "Shell.h"
#include "VersInfo.h"
#include "WidgetClick.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

namespace {

const QColor kFormColor(0x00, 0x8A, 0xCC);
const QColor kPanelColor(0x00, 0x8A, 0xCF);
const QColor kBarColor(0xFF, 0x6C, 0x37);
constexpr int kBorder = 10;
constexpr int kLabelWidth = 440;
constexpr int kLineHeight = 20;

void Fill(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont TextFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* WhiteLabel(QWidget* parent, const QFont& font, int y, int height)
{
    auto* label = new QLabel(parent);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(kBorder, y, kLabelWidth, height);
    return label;
}

} // namespace

TFormAbout::TFormAbout(QWidget* parent, const QString& versionFile)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    BuildLayout();
    VersionInfo = new TVersionInfo(this, versionFile);
    VersionInfo->setObjectName(QStringLiteral("VersionInfo"));
    FormCreate();
}

void TFormAbout::BuildLayout()
{
    setWindowTitle(tr("About . . ."));
    setFixedSize(480, 360);
    Fill(this, kFormColor);
    setFont(TextFont(QStringLiteral("MS Sans Serif"), 13, false));

    Image1 = new TImage(this);
    Image1->setGeometry(0, 0, 480, 100);
    Image1->SetPicture(AboutBannerPicture());
    Image1->SetProportional(true);
    Image1->SetTransparent(true);

    PanelLeft = new QWidget(this);
    PanelLeft->setGeometry(0, 100, 20, 260);
    Fill(PanelLeft, kFormColor);

    PanelMain = new QFrame(this);
    PanelMain->setGeometry(20, 100, 460, 260);
    Fill(PanelMain, kPanelColor);

    const QFont lineFont = TextFont(QStringLiteral("MS Sans Serif"), 13, false);
    lblProductName = WhiteLabel(PanelMain, TextFont(QStringLiteral("Arial"), 32, true), kBorder, 65);
    lblProductName->setWordWrap(true);

    PanelSeparator = new QWidget(PanelMain);
    PanelSeparator->setGeometry(kBorder, kBorder + 65, kLabelWidth, 15);
    // Clicks on the separator belong to it, not to the panel that closes the box.
    PanelSeparator->setAttribute(Qt::WA_NoMousePropagation);
    Shape1 = new QWidget(PanelSeparator);
    Shape1->setGeometry(0, 0, 75, 5);
    Fill(Shape1, kBarColor);

    // The last three lines sit at the bottom of the panel, the web address lowest.
    const int bottom = PanelMain->height() - kBorder;
    lblWebsite = WhiteLabel(PanelMain, lineFont, bottom - kLineHeight, kLineHeight);
    lblCopyright = WhiteLabel(PanelMain, lineFont, bottom - 2 * kLineHeight, kLineHeight);
    lblProductVersion = WhiteLabel(PanelMain, lineFont, bottom - 3 * kLineHeight, kLineHeight);
    lblWebsite->setText(QStringLiteral(CORVANA_WEBSITE));
    lblWebsite->setCursor(Qt::PointingHandCursor);

    Image1->setObjectName(QStringLiteral("Image1"));
    PanelLeft->setObjectName(QStringLiteral("PanelLeft"));
    PanelMain->setObjectName(QStringLiteral("PanelMain"));
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    PanelSeparator->setObjectName(QStringLiteral("PanelSeparator"));
    Shape1->setObjectName(QStringLiteral("Shape1"));
    lblProductVersion->setObjectName(QStringLiteral("lblProductVersion"));
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    lblWebsite->setObjectName(QStringLiteral("lblWebsite"));

    for (QWidget* closer : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(PanelMain),
                            static_cast<QWidget*>(lblProductName), static_cast<QWidget*>(lblProductVersion),
                            static_cast<QWidget*>(lblCopyright)})
        OnClickOf(closer, [this] { CloseClick(); });
    OnClickOf(lblWebsite, [this] { lblWebsiteClick(); });
}

void TFormAbout::FormCreate()
{
    VersionInfo->SetCtlProductName(lblProductName);
    VersionInfo->SetCtlProductVersion(lblProductVersion);
    VersionInfo->SetCtlLegalCopyRight(lblCopyright);
    lblProductVersion->setText(tr("Version: ") + lblProductVersion->text());
}

void TFormAbout::CloseClick() { reject(); }

void TFormAbout::lblWebsiteClick()
{
    // A failing open is not reported: the address stays readable in the box.
    ShellOpenAddress(lblWebsite->text());
}

void TFormAbout::keyPressEvent(QKeyEvent* event)
{
    // Any key that produces a character closes the box, Enter and Escape included.
    if (!event->text().isEmpty()) {
        CloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormAbout::showEvent(QShowEvent* event)
{
    CenterOnScreen(this);
    QDialog::showEvent(event);
}
