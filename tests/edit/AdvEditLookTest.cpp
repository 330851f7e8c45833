// Label, placeholder, colour states, loading, addresses, mouse and painting of the
// edit, checked on the offscreen platform with real events and grabbed pictures.

#include "PlateForm.h"
#include "Shell.h"

#include <QImage>
#include <QLabel>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// Pixels clearly darker than the background inside the frame of the grabbed edit.
int DarkPixels(TAdvEdit& edit, int fromX, int toX)
{
    const QImage image = edit.grab().toImage();
    int dark = 0;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = fromX; x < std::min(toX, image.width()); ++x) {
            if (qGray(image.pixel(x, y)) < 200)
                ++dark;
        }
    }
    return dark;
}

int RedPixels(const QImage& image, int fromY)
{
    int red = 0;
    for (int y = fromY; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                ++red;
        }
    }
    return red;
}

} // namespace

TEST(AdvEditLook, PlaceholderShowsWhileEmptyAndUnfocusedOnly)
{
    PlateForm form;
    form.next->setFocus();
    // Away from the caret's column.
    EXPECT_GT(DarkPixels(*form.edit, 12, 200), 20);
    form.FocusEdit();
    EXPECT_EQ(DarkPixels(*form.edit, 12, 200), 0);
    form.next->setFocus();
    EXPECT_GT(DarkPixels(*form.edit, 12, 200), 20);
    form.FocusEdit();
    QTest::keyClicks(form.edit, "A");
    form.next->setFocus();
    EXPECT_EQ(DarkPixels(*form.edit, 20, 200), 0);
}

namespace {

// The rows inside the frame of the grabbed edit that hold grey placeholder pixels.
int GreyRows(TAdvEdit& edit)
{
    const QImage image = edit.grab().toImage();
    int rows = 0;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() == c.green() && c.green() == c.blue() && c.red() > 90 && c.red() < 170) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

} // namespace

TEST(AdvEditLook, PlaceholderIsDrawnInTheApplicationFontNotTheControlFont)
{
    PlateForm form;
    form.next->setFocus();
    form.edit->SetBounds(5, 25, 660, 60);
    const int inAppFont = GreyRows(*form.edit);
    ASSERT_GT(inAppFont, 4);
    EXPECT_LE(inAppFont, QFontMetrics(QApplication::font()).height());
    QFont large = form.edit->font();
    large.setPixelSize(40);
    form.edit->setFont(large);
    EXPECT_EQ(GreyRows(*form.edit), inAppFont);
    ASSERT_TRUE(form.window.grab().save("/tmp/corvana-edit-placeholder-font.png"));
}

TEST(AdvEditLook, LabelFollowsEveryPositionIncludingOneWiderThanTheEdit)
{
    PlateForm form;
    QLabel* label = form.edit->AttachedLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), form.panel);
    EXPECT_EQ(label->text(), "Number plate:");
    // The plate entry: label above, its bottom edge 3 pixels above the edit.
    EXPECT_EQ(label->height(), 13);
    EXPECT_EQ(label->geometry().topLeft(), QPoint(5, 9));
    EXPECT_TRUE(label->isVisible());

    form.edit->SetBounds(200, 30, 60, 21);
    form.edit->SetLabelCaption("A caption much wider than the edit");
    form.edit->SetLabelMargin(4);
    const int w = label->width();
    const int h = label->height();
    const int capW = label->fontMetrics().horizontalAdvance(label->text());
    ASSERT_GT(w, 60);
    const struct {
        TLabelPosition position;
        QPoint topLeft;
    } expected[] = {
        {lpLeftTop, {200 - capW - 4, 30}},
        {lpLeftCenter, {200 - capW - 4, 30 + (21 - h) / 2}},
        {lpLeftBottom, {200 - capW - 4, 30 + 21 - h}},
        {lpTopLeft, {200, 30 - h - 4}},
        {lpBottomLeft, {200, 30 + 21 + 4}},
        {lpLeftTopLeft, {196, 30}},
        {lpLeftCenterLeft, {196, 30 + (21 - h) / 2}},
        {lpLeftBottomLeft, {196, 30 + 21 - h}},
        {lpTopCenter, {200 + (60 - w) / 2, 30 - h - 4}},
        {lpBottomCenter, {200 + (60 - w) / 2, 30 + 21 + 4}},
    };
    for (const auto& e : expected) {
        form.edit->SetLabelPosition(e.position);
        EXPECT_EQ(label->pos(), e.topLeft) << "position " << e.position;
    }
    // Centred over the edit, reaching out on both sides.
    EXPECT_LT(label->x(), 200);
    EXPECT_GT(label->geometry().right(), 260);

    // It follows moves, visibility and a bigger font at once.
    form.edit->SetLabelPosition(lpTopLeft);
    form.edit->SetTop(60);
    EXPECT_EQ(label->y(), 60 - label->height() - 4);
    form.edit->LabelFont().SetHeight(-20);
    EXPECT_GT(label->height(), 20);
    EXPECT_EQ(label->y(), 60 - label->height() - 4);
    form.edit->SetVisible(false);
    EXPECT_FALSE(label->isVisible());
    form.edit->SetVisible(true);
    EXPECT_TRUE(label->isVisible());
}

TEST(AdvEditLook, DisablingShowsDisabledColourAndGreysTheLabelUnlessAlwaysEnabled)
{
    PlateForm form;
    form.edit->SetColor(0x00FFFF);
    form.edit->SetEnabled(false);
    EXPECT_EQ(form.edit->Color(), 15790320);
    EXPECT_EQ(form.edit->NormalColor(), 0x00FFFF);
    EXPECT_FALSE(form.edit->AttachedLabel()->isEnabled());
    EXPECT_EQ(form.edit->grab().toImage().pixelColor(form.edit->width() / 2, form.edit->height() / 2),
              QColor(0xF0, 0xF0, 0xF0));
    form.edit->SetEnabled(true);
    EXPECT_EQ(form.edit->Color(), 0x00FFFF);
    EXPECT_TRUE(form.edit->AttachedLabel()->isEnabled());

    form.edit->SetLabelAlwaysEnabled(true);
    form.edit->SetEnabled(false);
    EXPECT_TRUE(form.edit->AttachedLabel()->isEnabled());
}

TEST(AdvEditLook, FocusModifiedAndErrorColoursFollowTheirRules)
{
    std::vector<QString> validated; // outlives the form, whose closing validates
    PlateForm form;
    form.edit->SetColor(clWhite);
    form.edit->SetFocusColor(clYellow);
    form.edit->SetFocusFontColor(clNavy);
    form.FocusEdit();
    EXPECT_EQ(form.edit->Color(), clYellow);
    EXPECT_EQ(form.edit->FontColor(), clNavy);
    form.next->setFocus();
    EXPECT_EQ(form.edit->Color(), clWhite);
    EXPECT_EQ(form.edit->FontColor(), clWindowText);

    // Validation on every change paints the error colours and takes them back.
    form.edit->SetShowError(true);
    form.edit->OnValueValidate = [&](QObject*, QString value, bool& valid) {
        validated.push_back(value);
        valid = !value.contains('!');
    };
    form.FocusEdit();
    QTest::keyClicks(form.edit, "A!");
    EXPECT_TRUE(form.edit->ErrorShown());
    EXPECT_EQ(form.edit->Color(), clRed);
    EXPECT_EQ(form.edit->FontColor(), clWhite);
    QTest::keyClick(form.edit, Qt::Key_Backspace);
    EXPECT_FALSE(form.edit->ErrorShown());
    EXPECT_EQ(form.edit->Color(), clYellow);
    // Leaving validates once more but never keeps the focus.
    validated.clear();
    form.next->setFocus();
    EXPECT_EQ(validated, std::vector<QString>{"A"});
    EXPECT_TRUE(form.next->hasFocus());

    form.edit->SetShowModified(true);
    form.edit->SetModifiedColor(clGreen);
    form.FocusEdit();
    QTest::keyClicks(form.edit, "B");
    EXPECT_EQ(form.edit->FontColor(), clGreen);
    EXPECT_TRUE(form.edit->ModifiedShown());
    form.edit->SetText("C");
    EXPECT_FALSE(form.edit->ModifiedShown());
}

TEST(AdvEditLook, LoadingDefersFlatColourAndHeightUntilLoaded)
{
    std::vector<QString> validated;
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(parent.backgroundRole(), QColor(0x20, 0x40, 0x60));
    parent.setPalette(pal);
    TAdvEdit edit(&parent);
    edit.OnValueValidate = [&](QObject*, QString value, bool&) { validated.push_back(value); };
    edit.BeginLoading();
    edit.SetBounds(10, 10, 100, 30);
    edit.SetHeight(25);
    edit.SetFlat(true);
    edit.SetText("stored");
    edit.SetEnabled(false);
    EXPECT_EQ(edit.BorderStyle(), bsSingle);
    EXPECT_EQ(edit.Color(), clWindow);
    EXPECT_TRUE(validated.empty());
    edit.Loaded();
    EXPECT_FALSE(edit.Loading());
    EXPECT_EQ(edit.Height(), 25);
    EXPECT_EQ(edit.LoadedHeight(), 25);
    EXPECT_EQ(edit.BorderStyle(), bsNone);
    EXPECT_EQ(edit.FocusColor(), 0x604020);
    EXPECT_EQ(edit.Color(), edit.DisabledColor());
    EXPECT_EQ(edit.NormalColor(), 0x604020);
    EXPECT_EQ(edit.FormattingRect().topLeft(), QPoint(2, 4));

    // The label shows with the window although nobody showed the edit itself.
    edit.SetLabelCaption("Loaded:");
    parent.show();
    EXPECT_TRUE(edit.AttachedLabel()->isVisible());

    edit.SetEnabled(true);
    EXPECT_EQ(edit.Color(), 0x604020);
    edit.SetFlat(false);
    EXPECT_EQ(edit.Color(), clWindow);
    EXPECT_EQ(edit.BorderStyle(), bsSingle);
    EXPECT_EQ(edit.FormattingRect().topLeft(), QPoint(0, 0));
}

TEST(AdvEditLook, AddressesAreShownAsLinksAndOpenOnAClickWhileFocused)
{
    TScopedRecordingAddressOpener opener;
    PlateForm form;
    form.edit->SetShowURL(true);
    form.edit->SetText("https://example.org");
    EXPECT_TRUE(form.edit->UrlShown());
    EXPECT_TRUE(form.edit->font().underline());
    EXPECT_EQ(form.edit->FontColor(), clBlue);
    EXPECT_EQ(form.edit->cursor().shape(), Qt::PointingHandCursor);

    // The first click only focuses; the scheme stays out of the selection.
    QTest::mouseClick(form.edit, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_TRUE(form.edit->hasFocus());
    EXPECT_TRUE(opener.opened.isEmpty());
    QTest::mouseClick(form.edit, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(opener.opened, QStringList{"https://example.org"});
    form.edit->SelectAllText();
    EXPECT_EQ(form.edit->SelText(), "example.org");

    QTest::keyClick(form.edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form.edit, "plain");
    EXPECT_FALSE(form.edit->UrlShown());
    EXPECT_FALSE(form.edit->font().underline());
    form.edit->SetText("a@b.example");
    EXPECT_TRUE(form.edit->IsUrlText());
    form.edit->SetText("@b");
    EXPECT_FALSE(form.edit->IsUrlText());
}

TEST(AdvEditLook, PressInsideTheSelectionKeepsItUntilTheCaretGoesWhereReleased)
{
    PlateForm form;
    form.edit->SetText("HK55EVB");
    form.FocusEdit();
    ASSERT_EQ(form.edit->SelLength(), 7);
    const QPoint at = form.edit->CharPos(2) + QPoint(1, 5);
    QTest::mousePress(form.edit, Qt::LeftButton, {}, at);
    EXPECT_EQ(form.edit->SelLength(), 7);
    QTest::mouseRelease(form.edit, Qt::LeftButton, {}, form.edit->CharPos(5) + QPoint(1, 5));
    EXPECT_EQ(form.edit->SelLength(), 0);
    EXPECT_EQ(form.edit->SelStart(), 5);
    // A press outside a selection is an ordinary click.
    QTest::mouseClick(form.edit, Qt::LeftButton, {}, form.edit->CharPos(1) + QPoint(1, 5));
    EXPECT_EQ(form.edit->SelStart(), 1);
}

TEST(AdvEditLook, FocusWidensAndRealignsOnlyWhileFocused)
{
    PlateForm form;
    form.edit->SetFocusWidthInc(40);
    form.edit->SetFocusAlign(eaRight);
    form.FocusEdit();
    EXPECT_EQ(form.edit->Width(), 700);
    EXPECT_EQ(form.edit->EditAlign(), eaRight);
    EXPECT_TRUE(form.edit->alignment() & Qt::AlignRight);
    form.next->setFocus();
    EXPECT_EQ(form.edit->Width(), 660);
    EXPECT_EQ(form.edit->EditAlign(), eaLeft);

    // An alignment equal to the focus alignment survives a focus cycle.
    form.edit->SetEditAlign(eaRight);
    form.FocusEdit();
    form.next->setFocus();
    EXPECT_EQ(form.edit->EditAlign(), eaRight);
}

TEST(AdvEditLook, AutoFocusAndTheFocusBorderFollowTheMouse)
{
    PlateForm form;
    form.edit->SetFlat(true);
    form.edit->SetFocusBorder(true);
    form.edit->SetAutoFocus(true);
    const QColor parentColour = form.panel->palette().color(form.panel->backgroundRole());
    EXPECT_EQ(form.edit->grab().toImage().pixel(0, 0), parentColour.rgb());
    QTest::mouseMove(form.edit, QPoint(20, 10));
    EXPECT_TRUE(form.edit->MouseInside());
    EXPECT_TRUE(form.edit->hasFocus());
    const QImage highlighted = form.edit->grab().toImage();
    EXPECT_EQ(highlighted.pixel(0, 0), QApplication::palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(highlighted.pixel(1, 1), ToQColor(clBtnFace).rgb());
    QTest::mouseMove(form.next, QPoint(20, 10));
    EXPECT_FALSE(form.edit->MouseInside());
}

TEST(AdvEditLook, LongTextHintShowsTheWholeText)
{
    PlateForm form;
    form.edit->SetBounds(5, 25, 60, 21);
    form.edit->SetHintShowLargeText(true);
    form.edit->SetText("A PLATE TEXT FAR TOO LONG FOR SIXTY PIXELS");
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), form.edit->mapToGlobal(QPoint(5, 5)));
    EXPECT_TRUE(QApplication::sendEvent(form.edit, &help));
    EXPECT_EQ(QToolTip::text(), form.edit->Text());
    QToolTip::hideText();
}

TEST(AdvEditLook, ErrorMarkerIsAZigzagUnderTheMarkedCharactersOnlyWhileUnfocused)
{
    PlateForm form;
    form.edit->SetBounds(5, 25, 200, 24);
    form.edit->SetText("HK55EVB");
    form.edit->SetFlat(true);
    form.edit->SetErrorMarkerPos(2);
    form.edit->SetErrorMarkerLen(3);
    form.next->setFocus();
    const QImage marked = form.edit->grab().toImage();
    const int textBottom = form.edit->CharPos(0).y() + form.edit->fontMetrics().height() - 1;
    EXPECT_GT(RedPixels(marked, textBottom), 10);
    // Red only between the marked characters (with the zigzag's overshoot).
    for (int y = textBottom; y < marked.height(); ++y) {
        for (int x = 0; x < form.edit->CharPos(2).x() - 1; ++x)
            EXPECT_LT(marked.pixelColor(x, y).red() - marked.pixelColor(x, y).green(), 100) << x << "," << y;
    }
    form.FocusEdit();
    EXPECT_EQ(RedPixels(form.edit->grab().toImage(), 0), 0);

    // After a focus cycle the flat edit still has its parent's colour.
    form.next->setFocus();
    EXPECT_EQ(form.edit->Color(), FromQColor(form.panel->palette().color(form.panel->backgroundRole())));
    // Markers past the end, on an empty text or with odd values stay in the text.
    for (int pos : {-3, 0, 7, 50}) {
        for (const char* text : {"", "A", "HK55EVB"}) {
            form.edit->SetText(text);
            form.edit->SetErrorMarkerPos(pos);
            form.edit->SetErrorMarkerLen(1000000);
            EXPECT_GT(RedPixels(form.edit->grab().toImage(), 0), 0);
        }
    }
}

TEST(AdvEditLook, Screenshots)
{
    PlateForm form;
    form.next->hide();
    form.calc->setFocus();
    const QString plate = "/tmp/corvana-edit-plate-entry.png";
    ASSERT_TRUE(form.window.grab().save(plate));
    form.FocusEdit();
    QTest::keyClicks(form.edit, "hk 55 evb");
    ASSERT_TRUE(form.window.grab().save("/tmp/corvana-edit-plate-typed.png"));

    QWidget window;
    window.resize(320, 80);
    TAdvEdit flat(&window);
    flat.BeginLoading();
    flat.SetBounds(110, 15, 180, 24);
    flat.SetFlat(true);
    flat.SetLabelCaption("Flat with error:");
    flat.SetLabelPosition(lpLeftCenter);
    flat.SetErrorMarkerPos(2);
    flat.SetErrorMarkerLen(3);
    flat.Loaded();
    flat.SetText("HK55EVB");
    QPushButton other("OK", &window);
    other.setGeometry(230, 50, 60, 24);
    window.show();
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
    other.setFocus();
    ASSERT_FALSE(flat.hasFocus());
    ASSERT_TRUE(window.grab().save("/tmp/corvana-edit-flat-error.png"));
}
