#pragma once
// The settings objects an AdvEdit owns for its lookup list and for keeping its text
// between runs. They are copied on assignment; the services that use them switch on
// only when enabled.

#include "Graphics.h"

#include <QString>
#include <QStringList>

enum TPersistenceLocation { plInifile, plRegistry };

class TLookupSettings {
public:
    QStringList DisplayList() const { return displayList_; }
    void SetDisplayList(const QStringList& value) { displayList_ = value; }
    QStringList ValueList() const { return valueList_; }
    void SetValueList(const QStringList& value) { valueList_ = value; }
    int DisplayCount() const { return displayCount_; }
    void SetDisplayCount(int value) { displayCount_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    int NumChars() const { return numChars_; }
    // Values of 0 or less are ignored.
    void SetNumChars(int value)
    {
        if (value > 0)
            numChars_ = value;
    }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value) { caseSensitive_ = value; }

private:
    QStringList displayList_;
    QStringList valueList_;
    int displayCount_ = 4;
    TColor color_ = clWindow;
    bool enabled_ = false;
    int numChars_ = 2;
    bool caseSensitive_ = false;
};

class TPersistence {
public:
    bool Enable() const { return enable_; }
    void SetEnable(bool value) { enable_ = value; }
    QString Key() const { return key_; }
    void SetKey(const QString& value) { key_ = value; }
    QString Section() const { return section_; }
    void SetSection(const QString& value) { section_ = value; }
    TPersistenceLocation Location() const { return location_; }
    void SetLocation(TPersistenceLocation value) { location_ = value; }

private:
    bool enable_ = false;
    QString key_;
    QString section_;
    TPersistenceLocation location_ = plInifile;
};
