#pragma once
// The custom labels of an axis. While Auto is on the axis computes its labels and draws each with
// the Format shape; adding an item turns Auto off, and the axis draws its items instead.
#include <memory>
#include <string>
#include <vector>

#include "chart/foundation/TeeShape.h"

class TAxisItems;
class TChartAxis;
class TTeeFont;

// One custom label: a text at a value, drawn in a framed shape (transparent by default).
class TAxisItem : public TTeeCustomShape {
    KV_DECLARE_CLASS(TAxisItem, TTeeCustomShape)
public:
    TAxisItem(TCustomTeePanel* chart, TAxisItems* items);

    TAxisItems* Items() const { return FItems; }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& value);
    double Value() const { return FValue; }
    void SetValue(double value);

private:
    friend class TAxisItems;  // the labels of a pass are listed without repainting
    TAxisItems* FItems;
    std::string FText;
    double FValue = 0;
};

class TAxisItems {
public:
    explicit TAxisItems(TChartAxis* axis);
    ~TAxisItems();
    TAxisItems(const TAxisItems&) = delete;
    TAxisItems& operator=(const TAxisItems&) = delete;

    TChartAxis* Axis() const { return FAxis; }
    bool Auto() const { return FAuto; }
    void SetAuto(bool value) { FAuto = value; }
    TTeeShape* Format() const { return FFormat.get(); }
    int Count() const { return int(FItems.size()); }
    TAxisItem* Get(int index) const { return FItems.at(size_t(index)).get(); }
    TAxisItem* operator[](int index) const { return Get(index); }

    // Each turns Auto off.
    TAxisItem* Add(double value);
    TAxisItem* Add(double value, const std::string& text);
    TAxisItem* Add(double value, const std::string& text, const TTeeFont* font);
    // Frees every item and repaints; Auto keeps its value.
    void Clear();
    // While Auto is on, the items list the labels of the last drawing pass: emptied at its start
    // and filled label by label, without repainting and with Auto left on.
    void ClearLabelsOfPass() { FItems.clear(); }
    TAxisItem* AddLabelOfPass(double value, const std::string& text);
    // The format, and the items when source has its own.
    void CopyFrom(const TAxisItems& source);

private:
    TCustomTeePanel* Chart() const;
    TChartAxis* FAxis;
    bool FAuto = true;
    std::unique_ptr<TTeeShape> FFormat;
    std::vector<std::unique_ptr<TAxisItem>> FItems;
};
