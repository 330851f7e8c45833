#pragma once
// Print settings of a grid. Every member is a plain property without side
// effects; the grid copies a whole options object on assignment.

#include <QString>

enum class TPrintBorderStyle { bsNone, bsSingle };
enum class TPrintOrientation { poPortrait, poLandscape };

class TPrintOptions {
public:
    QString JobTitle() const { return jobTitle_; }
    void SetJobTitle(const QString& v) { jobTitle_ = v; }
    QString PageTitle() const { return pageTitle_; }
    void SetPageTitle(const QString& v) { pageTitle_ = v; }
    unsigned PageTitleMargin() const { return pageTitleMargin_; }
    void SetPageTitleMargin(unsigned v) { pageTitleMargin_ = v; }
    unsigned Copies() const { return copies_; }
    void SetCopies(unsigned v) { copies_ = v; }
    unsigned PreviewPage() const { return previewPage_; }
    void SetPreviewPage(unsigned v) { previewPage_ = v; }
    unsigned FromRow() const { return fromRow_; }
    void SetFromRow(unsigned v) { fromRow_ = v; }
    unsigned ToRow() const { return toRow_; }
    void SetToRow(unsigned v) { toRow_ = v; }
    TPrintBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TPrintBorderStyle v) { borderStyle_ = v; }
    unsigned Leftpadding() const { return leftpadding_; }
    void SetLeftpadding(unsigned v) { leftpadding_ = v; }
    int MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(int v) { marginBottom_ = v; }
    int MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(int v) { marginLeft_ = v; }
    int MarginTop() const { return marginTop_; }
    void SetMarginTop(int v) { marginTop_ = v; }
    int MarginRight() const { return marginRight_; }
    void SetMarginRight(int v) { marginRight_ = v; }
    QString PageFooter() const { return pageFooter_; }
    void SetPageFooter(const QString& v) { pageFooter_ = v; }
    QString DateFormat() const { return dateFormat_; }
    void SetDateFormat(const QString& v) { dateFormat_ = v; }
    QString TimeFormat() const { return timeFormat_; }
    void SetTimeFormat(const QString& v) { timeFormat_ = v; }
    unsigned HeaderSize() const { return headerSize_; }
    void SetHeaderSize(unsigned v) { headerSize_ = v; }
    unsigned FooterSize() const { return footerSize_; }
    void SetFooterSize(unsigned v) { footerSize_ = v; }
    TPrintOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPrintOrientation v) { orientation_ = v; }
    QString Logo() const { return logo_; }
    void SetLogo(const QString& v) { logo_ = v; }

    friend bool operator==(const TPrintOptions&, const TPrintOptions&) = default;

private:
    QString jobTitle_;
    QString pageTitle_;
    unsigned pageTitleMargin_ = 0;
    unsigned copies_ = 0;
    unsigned previewPage_ = 0;
    unsigned fromRow_ = 0;
    unsigned toRow_ = 0;
    TPrintBorderStyle borderStyle_ = TPrintBorderStyle::bsNone;
    unsigned leftpadding_ = 0;
    int marginBottom_ = 0;
    int marginLeft_ = 0;
    int marginTop_ = 0;
    int marginRight_ = 0;
    QString pageFooter_;
    QString dateFormat_;
    QString timeFormat_;
    unsigned headerSize_ = 0;
    unsigned footerSize_ = 0;
    TPrintOrientation orientation_ = TPrintOrientation::poPortrait;
    QString logo_;
};
