// Writing and reading a component stream: a root with 2,000 collection items (a float, a string
// and an enumeration each) and 50 child components, in the binary form, and its conversion to
// the text form and back. Reported as items per second.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"

namespace {

enum TMark { mkNone, mkCircle, mkCross };
const TEnumInfo MarkNames{"mkNone", "mkCircle", "mkCross"};

class TBenchItem : public TCollectionItem {
    KV_DECLARE_CLASS(TBenchItem, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    double Value = 0;
    std::string Label;
    TMark Mark = mkNone;
    static void Publish(TPublisher<TBenchItem>& p) {
        p.Float(
            "Value", [](const TBenchItem& i) { return i.Value; },
            [](TBenchItem& i, double v) { i.Value = v; });
        p.String(
            "Label", [](const TBenchItem& i) { return i.Label; },
            [](TBenchItem& i, const std::string& v) { i.Label = v; });
        p.Enumeration(
             "Mark", MarkNames, [](const TBenchItem& i) { return i.Mark; },
             [](TBenchItem& i, TMark v) { i.Mark = v; })
            .Default(mkNone);
    }
};

class TBenchRoot : public TComponent {
    KV_DECLARE_CLASS(TBenchRoot, TComponent)
public:
    explicit TBenchRoot(TComponent* owner)
        : TComponent(owner), FItems(std::make_unique<TCollection>(&TBenchItem::StaticClass())) {}
    TCollection* Items() const { return FItems.get(); }
    static void Publish(TPublisher<TBenchRoot>& p) { p.Object("Items", &TBenchRoot::Items); }
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) override {
        for (int i = 0; i < ComponentCount(); ++i) proc(Components(i));
    }

private:
    std::unique_ptr<TCollection> FItems;
};

constexpr int Items = 2000;
constexpr int Children = 50;

std::unique_ptr<TBenchRoot> MakeRoot() {
    RegisterClasses({&TBenchRoot::StaticClass(), &TBenchItem::StaticClass()});
    auto root = std::make_unique<TBenchRoot>(nullptr);
    root->SetName("Root");
    for (int i = 0; i < Items; ++i) {
        auto* item = static_cast<TBenchItem*>(root->Items()->Add());
        item->Value = i * 0.37;
        item->Label = "Point " + std::to_string(i);
        item->Mark = TMark(i % 3);
    }
    for (int i = 0; i < Children; ++i)
        (new TBenchRoot(root.get()))->SetName("Child" + std::to_string(i));
    return root;
}

void BM_WriteBinary(benchmark::State& state) {
    auto root = MakeRoot();
    for (auto _ : state) {
        TMemoryStream s;
        WriteComponentToStream(s, root.get());
        benchmark::DoNotOptimize(s.Memory());
    }
    state.SetItemsProcessed(state.iterations() * Items);
}

void BM_ReadBinary(benchmark::State& state) {
    auto root = MakeRoot();
    TMemoryStream s;
    WriteComponentToStream(s, root.get());
    for (auto _ : state) {
        s.SetPosition(0);
        std::unique_ptr<TComponent> copy(ReadComponentFromStream(s));
        benchmark::DoNotOptimize(copy.get());
    }
    state.SetItemsProcessed(state.iterations() * Items);
}

void BM_BinaryToTextAndBack(benchmark::State& state) {
    auto root = MakeRoot();
    TMemoryStream binary;
    WriteComponentToStream(binary, root.get());
    for (auto _ : state) {
        TMemoryStream text, back;
        binary.SetPosition(0);
        ObjectBinaryToText(binary, text);
        text.SetPosition(0);
        ObjectTextToBinary(text, back);
        benchmark::DoNotOptimize(back.Memory());
    }
    state.SetItemsProcessed(state.iterations() * Items);
}

}  // namespace

BENCHMARK(BM_WriteBinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BinaryToTextAndBack)->Unit(benchmark::kMillisecond);
