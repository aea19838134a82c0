// The child of the crash test: works on the store at argv[1] with random
// actions until it is killed, printing one line once each action has
// returned (and so is acknowledged):
//   H <id> <books>   a history entry <id> has at least <books> books
//   K <id>           kept row <id> exists
//   D <id>           kept row <id> is deleted
//   S <n>            the setting "n" is at least <n>
// Before each action it prints "B" so the parent knows one may be under way.
#include <QCoreApplication>

#include <cstdio>
#include <random>
#include <vector>

#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/store/BeastStore.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    BeastStore store;
    if (!store.Open(QString::fromLocal8Bit(argv[1]))) {
        std::printf("E %s\n", store.Problem().toUtf8().constData());
        return 1;
    }
    std::mt19937 random(static_cast<unsigned>(std::atoi(argv[2])));
    TPet beast(CatalogueLines());
    beast.LoadTemplate("凤凰");
    std::vector<qint64> history, kept;
    for (int seq = 1;; ++seq) {
        std::printf("B\n");
        std::fflush(stdout);
        const StoredBeast row = StoredBeast::Of(beast, "普通", {seq, 0, 0, 0});
        switch (history.empty() ? 0 : random() % 5) {
        case 0:
            history.push_back(store.AddHistory(row));
            std::printf("H %lld %d\n", history.back(), seq);
            break;
        case 1: {
            const qint64 id = history[random() % history.size()];
            store.UpdateHistory(id, row);
            std::printf("H %lld %d\n", id, seq);
            break;
        }
        case 2:
            kept.push_back(store.Keep(row));
            std::printf("K %lld\n", kept.back());
            break;
        case 3:
            if (!kept.empty()) {
                const std::size_t at = random() % kept.size();
                store.Remove(kept[at]);
                std::printf("D %lld\n", kept[at]);
                kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(at));
            }
            break;
        default:
            store.SetSetting("n", QString::number(seq));
            std::printf("S %d\n", seq);
        }
        std::fflush(stdout);
    }
}
