// Prints how long the model takes to write one whole project into a line
// list: the default 50-point project and the old base model's 16-point one.
// Not a test: it asserts nothing.
//   writer_benchmark [WRITES]

#include "EquipmentIdentity.h"
#include "Profile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace orvantis;

namespace {

constexpr int Rounds = 5;

struct TFigures {
    double MeanUs = 0;
    double BestRoundUs = 0;
    std::size_t Lines = 0;
};

TFigures Measure(const TFixedIdentity& identity, int writes)
{
    TLineList lines;
    TProfile profile(&lines, identity);
    profile.SetDefaults();
    // Lines written in the list's own buffers from the second write on, as
    // when the program saves the same project again.
    profile.WriteProject(&lines, "C:\\Projects\\site.pro", "07/12/2026 20:15:42");

    TFigures figures;
    figures.BestRoundUs = 1e300;
    double total = 0;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < writes; ++i) profile.WriteProject(&lines, "C:\\Projects\\site.pro", "07/12/2026 20:15:42");
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        total += took.count();
        figures.BestRoundUs = std::min(figures.BestRoundUs, took.count() / writes);
    }
    figures.MeanUs = total / (double(writes) * Rounds);
    figures.Lines = lines.size();
    return figures;
}

void Print(const char* what, const TFigures& f)
{
    std::printf("  %-22s %3zu lines  %8.2f us mean  %8.2f us best round\n", what, f.Lines, f.MeanUs, f.BestRoundUs);
}

}  // namespace

int main(int argc, char** argv)
{
    const int writes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    std::printf("Writing one project, %d rounds of %d writes:\n", Rounds, writes);
    Print("default (50 points)", Measure(TFixedIdentity(0, 3.0f), writes));
    Print("base model (16 points)", Measure(TFixedIdentity(BaseModelRow, 2.5f), writes));
    return 0;
}
