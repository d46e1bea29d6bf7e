#include "chart/foundation/ComponentNames.h"

#include "platform/classes/Component.h"

std::string UniqueComponentName(const TComponent* Owner, std::string_view Base) {
    for (int n = 1;; ++n) {
        std::string name = std::string(Base) + std::to_string(n);
        if (!Owner || !Owner->FindComponent(name)) return name;
    }
}
