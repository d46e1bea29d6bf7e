#include "platform/db/DataPacketFormat.h"

#include <cmath>
#include <cstring>

namespace DataPacket {

TValueKind ValueKindOf(uint32_t typeWord) {
    if (IsNested(typeWord)) return TValueKind::Nested;
    if (typeWord & VaryingBit) return TValueKind::Text;
    const uint32_t size = TypeSize(typeWord);
    switch (TypeCode(typeWord)) {
        case 1:
            if (size == 1 || size == 2 || size == 4 || size == 8) return TValueKind::Int;
            break;
        case 4:
            if (size == 8) return TValueKind::Float;
            break;
        case 8:
            if (size == 8) return TValueKind::DateTime;
            break;
    }
    return TValueKind::Raw;
}

double DateTimeToPacketMSecs(double dateTime) {
    // The whole part counts days (also below zero); the fraction is always the time of day.
    const double days = std::trunc(dateTime);
    const double time = std::nearbyint(std::fabs(dateTime - days) * MSecsPerDay);
    return (days + DateDelta) * MSecsPerDay + time;
}

double PacketMSecsToDateTime(double msecs) {
    const double ms = std::nearbyint(msecs);
    const double dayNumber = std::floor(ms / MSecsPerDay);
    const double time = (ms - dayNumber * MSecsPerDay) / MSecsPerDay;
    const double days = dayNumber - DateDelta;
    return days >= 0 ? days + time : days - time;
}

}  // namespace DataPacket

using namespace DataPacket;

bool SamePropertyName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x -= 32;
        if (y >= 'a' && y <= 'z') y -= 32;
        if (x != y) return false;
    }
    return true;
}

static const TPacketProperty* FindProperty(const std::vector<TPacketProperty>& list,
                                           std::string_view name) {
    for (const auto& p : list)
        if (SamePropertyName(p.Name, name)) return &p;
    return nullptr;
}

int TPacketColumn::Width() const {
    const TPacketProperty* p = FindProperty(Properties, "WIDTH");
    if (!p || p->Value.size() < 2) return 0;
    return uint8_t(p->Value[0]) | (uint8_t(p->Value[1]) << 8);
}

std::string TPacketColumn::SubType() const {
    const TPacketProperty* p = FindProperty(Properties, "SUBTYPE");
    if (!p || p->Value.size() < 2) return {};
    // u16 length that counts the closing zero byte, then the text and the zero.
    std::string text = p->Value.substr(2);
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

static TPacketProperty UInt16Property(std::string name, uint16_t value) {
    return {std::move(name), TypeUInt16, std::string{char(value & 0xFF), char(value >> 8)}};
}

static TPacketProperty ShortTextProperty(std::string name, std::string_view text) {
    const size_t length = text.size() + 1;
    std::string value{char(length & 0xFF), char(length >> 8)};
    value.append(text);
    value.push_back('\0');
    return {std::move(name), TypeShortText, std::move(value)};
}

static TPacketColumn PlainColumn(std::string name, uint32_t typeWord, uint16_t attributes) {
    TPacketColumn c;
    c.Name = std::move(name);
    c.TypeWord = typeWord;
    c.Attributes = attributes;
    return c;
}

TPacketColumn StringPacketColumn(std::string name, int width, uint16_t attributes) {
    TPacketColumn c =
        PlainColumn(std::move(name), width + 1 < 255 ? TypeString : TypeLongString, attributes);
    if (width != 0) c.Properties.push_back(UInt16Property("WIDTH", uint16_t(width)));
    return c;
}

TPacketColumn MemoPacketColumn(std::string name, uint16_t attributes) {
    TPacketColumn c = PlainColumn(std::move(name), TypeMemo, attributes);
    c.Properties.push_back(ShortTextProperty("SUBTYPE", "Text"));
    return c;
}

TPacketColumn Int16PacketColumn(std::string name, uint16_t attributes) {
    return PlainColumn(std::move(name), TypeInt16, attributes);
}

TPacketColumn Int32PacketColumn(std::string name, uint16_t attributes) {
    return PlainColumn(std::move(name), TypeInt32, attributes);
}

TPacketColumn FloatPacketColumn(std::string name, uint16_t attributes) {
    return PlainColumn(std::move(name), TypeFloat, attributes);
}

TPacketColumn DateTimePacketColumn(std::string name, uint16_t attributes) {
    return PlainColumn(std::move(name), TypeDateTime, attributes);
}

TPacketColumn NestedPacketColumn(std::string name, std::vector<TPacketColumn> columns,
                                 uint16_t attributes) {
    TPacketColumn c = PlainColumn(std::move(name), 0, attributes);
    c.Columns = std::move(columns);
    c.TypeWord = TypeNested + uint32_t(DescriptorCount(c.Columns));
    return c;
}

size_t DescendantCount(const TPacketColumn& column) { return DescriptorCount(column.Columns); }

size_t DescriptorCount(const std::vector<TPacketColumn>& columns) {
    size_t n = columns.size();
    for (const auto& c : columns) n += DescendantCount(c);
    return n;
}
