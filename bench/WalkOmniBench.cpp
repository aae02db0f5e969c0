// One cycle of the omnidirectional walk: eleven splines, two leg solutions
// and the command text, walked as the action switch drives it.

#include <string>

#include <benchmark/benchmark.h>

#include "Actions/WalkOmni.h"
#include "WorldModel/WorldModel.h"

static void BM_WalkCycle(benchmark::State& state)
{
    WorldModel* wm = WorldModel::instance();
    wm->setNum(1);
    WalkOmni* walk = WalkOmni::instance();
    walk->setWalkOmniPara({WALK_OMNI_INCLINE, 1.2, 0.05, 0, 1.0});
    walk->execute("start");
    for (auto _ : state)
    {
        wm->updateCurrentCycle();
        std::string text = walk->execute("");
        if (text.empty()) text = walk->execute("normal");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_WalkCycle)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
