#include "chart/series/text/OrgItem.h"

#include "chart/engine/AxisPanel.h"
#include "chart/series/text/OrgSeries.h"
#include "platform/classes/Publisher.h"

TOrgItem::TOrgItem(TCollection* collection)
    : TCollectionItem(collection), FFormat(std::make_unique<TOrgShape>()) {
    if (TOrgSeries* series = Series()) FFormat->SetParentChart(series->ParentChart());
}

TOrgItem::~TOrgItem() = default;

TOrgSeries* TOrgItem::Series() const {
    auto* items = dynamic_cast<TOrgItemCollection*>(Collection());
    return items ? items->Series() : nullptr;
}

void TOrgItem::SetFormat(const TOrgShape* value) { FFormat->Assign(value); }

void TOrgItem::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TOrgItem*>(source)) {
        FFormat->Assign(other->FFormat.get());
        return;
    }
    TCollectionItem::Assign(source);
}

void TOrgItem::Publish(TPublisher<TOrgItem>& p) {
    p.Object("Format", &TOrgItem::Format, &TOrgItem::SetFormat);
}

TOrgItemCollection::TOrgItemCollection(TOrgSeries* series)
    : TOwnedCollection(series, &TOrgItem::StaticClass()), FSeries(series) {}
