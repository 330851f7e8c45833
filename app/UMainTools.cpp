// The Tools menu: Decode code ... opens the decode window over the results grids.

#include "UMain.h"

#include "UDecode.h"

#include <QMenuBar>

void TFormMain::BuildToolsMenu()
{
    mnuTools = new QMenu(tr("&Tools"), this);
    menuBar()->insertMenu(mnuHelp->menuAction(), mnuTools);
    mnuToolsDecode = mnuTools->addAction(tr("Decode code ..."), this, [this] { mnuToolsDecodeClick(); });
}

void TFormMain::mnuToolsDecodeClick()
{
    if (!FormDecode) {
        FormDecode = new TFormDecode(SG1, SG2, [this](TzelGrid* grid) {
            PageControl1->SetActivePageIndex(grid == SG1 ? 0 : 1);
        }, this);
    }
    FormDecode->show();
    FormDecode->raise();
    FormDecode->activateWindow();
}
