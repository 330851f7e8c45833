#pragma once
// A window like the main window's single-plate view: a form with default and
// cancel buttons, a panel holding the plate entry configured with its stored
// settings, and a next control in the tab order.

#include "AdvEdit.h"
#include "FormKeys.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Applies the plate entry's stored settings through the loading phase.
inline void ConfigurePlateEntry(TAdvEdit& edit)
{
    edit.BeginLoading();
    edit.SetBounds(5, 25, 660, 21);
    edit.SetHeight(21);
    edit.SetEditType(etString);
    edit.SetMaxLength(10);
    edit.SetEmptyText(" < enter plate >");
    edit.SetLabelCaption("Number plate:");
    edit.SetLabelPosition(lpTopLeft);
    edit.SetLabelMargin(3);
    edit.SetLabelTransparent(true);
    edit.SetLabelAlwaysEnabled(false);
    TNotifyFont font;
    font.SetCharset(TNotifyFont::DefaultCharset);
    font.SetColor(clWindowText);
    font.SetHeight(-11);
    font.SetName("MS Sans Serif");
    font.SetStyles(0);
    edit.SetLabelFont(font);
    edit.SetFocusColor(clWindow);
    edit.SetFocusFontColor(clWindowText);
    edit.SetFocusBorder(false);
    edit.SetFocusLabel(false);
    edit.SetFocusWidthInc(0);
    edit.SetFocusAlign(eaDefault);
    edit.SetAutoFocus(false);
    edit.SetModifiedColor(clHighlight);
    edit.SetDisabledColor(15790320);
    edit.SetURLColor(clBlue);
    edit.SetErrorColor(clRed);
    edit.SetErrorFontColor(clWhite);
    edit.SetErrorMarkerPos(0);
    edit.SetErrorMarkerLen(0);
    edit.SetFlat(false);
    edit.SetFlatLineColor(clBlack);
    edit.SetFlatParentColor(true);
    edit.SetTransparent(false);
    edit.SetEditAlign(eaLeft);
    edit.SetReturnIsTab(false);
    edit.SetLengthLimit(0);
    edit.SetTabOnFullLength(false);
    edit.SetColor(clWindow);
    edit.SetEnabled(true);
    edit.SetVisible(true);
    edit.Loaded();
}

struct PlateForm {
    QWidget window;
    TFormKeys* keys = new TFormKeys(&window);
    QWidget* panel = new QWidget(&window);
    TAdvEdit* edit = new TAdvEdit(panel);
    QLineEdit* next = new QLineEdit(panel);
    QPushButton* calc = new QPushButton("Calc", &window);
    QPushButton* cancel = new QPushButton("Cancel", &window);
    int calcClicks = 0;
    int cancelClicks = 0;

    PlateForm()
    {
        window.resize(680, 110);
        panel->setGeometry(0, 0, 680, 75);
        next->setGeometry(5, 50, 100, 21);
        calc->setGeometry(5, 80, 80, 25);
        cancel->setGeometry(90, 80, 80, 25);
        keys->SetDefaultButton(calc);
        keys->SetCancelButton(cancel);
        QObject::connect(calc, &QPushButton::clicked, [this] { ++calcClicks; });
        QObject::connect(cancel, &QPushButton::clicked, [this] { ++cancelClicks; });
        ConfigurePlateEntry(*edit);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        // The entry starts unfocused, as after the window took the focus elsewhere.
        calc->setFocus();
    }

    void FocusEdit()
    {
        edit->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
};

// Lets posted key presses (Tab, forwarded Enter and Esc) be handled.
inline void Settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}
