#pragma once
// The two texts of Help > How to calculate: each line ends with a single CR.

#include <QString>

QString Wiegand26HelpText();
QString Wiegand64HelpText();
