#pragma once
// A date and time, kept as days since 30 December 1899 with the time as the fraction.
#include "platform/db/Field.h"

class TDateTimeField : public TField {
public:
    TDateTimeField() : TField(ftDateTime) {}

    // Date-time picture of the grid text ("mm/dd/yyyy hh:nn:ss"); empty for the short date and
    // long time of the format settings.
    const std::string& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(std::string v);

    std::string AsString() const override;
    void SetAsString(const std::string& v) override;
    double AsFloat() const override;
    void SetAsFloat(double v) override;
    double AsDateTime() const override;
    void SetAsDateTime(double v) override;

protected:
    std::string GetText(bool display) const override;

private:
    std::string FDisplayFormat;
};
