// The store's costs: one action written (an entry updated, a new entry with
// its pruning), and the stable of 10,000 kept beasts read into its list.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/store/BeastFilterProxy.h"
#include "ui/store/BeastListModel.h"
#include "ui/store/BeastStore.h"

namespace {
StoredBeast Row(int books)
{
    TPet beast(CatalogueLines());
    beast.LoadTemplate("凤凰");
    beast.Skills = {"必杀", "连击", "偷袭"};
    StoredBeast row = StoredBeast::Of(beast, "优秀", {books, 1, 1, 0});
    row.name = QString("收藏 %1").arg(books);
    return row;
}
}  // namespace

static void BM_UpdateEntry(benchmark::State& state)
{
    QTemporaryDir dir;
    BeastStore store;
    store.Open(dir.filePath("b.sqlite"));
    const qint64 id = store.AddHistory(Row(0));
    int books = 0;
    for (auto _ : state)
        store.UpdateHistory(id, Row(++books));
}
BENCHMARK(BM_UpdateEntry)->Unit(benchmark::kMicrosecond);

static void BM_AddEntryAtTheLimit(benchmark::State& state)
{
    QTemporaryDir dir;
    BeastStore store;
    store.Open(dir.filePath("b.sqlite"));
    for (int k = 0; k < BeastStore::HistoryLimit; ++k)
        store.AddHistory(Row(k));
    int books = 0;
    for (auto _ : state)
        store.AddHistory(Row(++books));
}
BENCHMARK(BM_AddEntryAtTheLimit)->Unit(benchmark::kMicrosecond);

static void BM_OpenStableOf10000(benchmark::State& state)
{
    QTemporaryDir dir;
    BeastStore store;
    store.Open(dir.filePath("b.sqlite"));
    for (int k = 0; k < 10000; ++k)
        store.Keep(Row(k));
    for (auto _ : state) {
        BeastListModel model(BeastStore::Table::Stable, nullptr);
        BeastFilterProxy proxy;
        proxy.setSourceModel(&model);
        model.Load(&store);
        proxy.sort(BeastListModel::Changed, Qt::DescendingOrder);
        benchmark::DoNotOptimize(proxy.rowCount());
    }
}
BENCHMARK(BM_OpenStableOf10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
}
