#pragma once
// Helpers of the widget tests: whole files, texts, and ink on printed or painted
// pictures.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

#include <string>

// The bytes of a file, or "<missing>" when it cannot be read.
QByteArray ReadAll(const QString& name);
// Replaces the file with `bytes` (a failure fails the test).
void WriteAll(const QString& name, const QByteArray& bytes);

QString Q(const std::string& text);

// Whether any pixel in the rectangle has a grey value below `darkerThan`.
bool HasInk(const QImage& image, const QRect& area, int darkerThan = 128);
