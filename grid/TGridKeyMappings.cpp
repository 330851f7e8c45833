#include "TGridKeyMappings.h"

TGridKeyMappings::TGridKeyMappings()
    : columnDelete_(TextToShortCut(QStringLiteral("Ctrl+Shift+Del"))),
      columnInsert_(TextToShortCut(QStringLiteral("Ctrl+Shift+Ins"))),
      rowInsert_(TextToShortCut(QStringLiteral("Shift+Ins"))),
      rowDelete_(TextToShortCut(QStringLiteral("Shift+Del"))),
      queryDialog_(TextToShortCut(QStringLiteral("Ctrl+Q"))),
      printPreview_(TextToShortCut(QStringLiteral("Ctrl+P"))),
      formuleDialog_(TextToShortCut(QStringLiteral("F3"))),
      cellNamesDialog_(TextToShortCut(QStringLiteral("Ctrl+N"))),
      setHeader_(TextToShortCut(QStringLiteral("Ctrl+H")))
{
}
