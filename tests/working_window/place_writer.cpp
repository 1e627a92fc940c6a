// Keeps a pupil's place again and again, each time in the next set, and
// prints each set once its place is kept: what a test that kills it can
// expect to find. Arguments: data folder, pupil, first set.
#include "tutor/problems/problem_sets.h"
#include "working_window/pupil_keeper.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const rods::PupilKeeper keeper(argv[1]);
    rods::KeptPlace place;
    place.level = 2;
    place.posed = 4;
    for (int set = std::atoi(argv[3]); set <= rods::LastSet; ++set) {
        place.set = set;
        if (!keeper.keepPlace(QString::fromUtf8(argv[2]), place).isEmpty())
            return 1;
        std::printf("%d\n", set);
        std::fflush(stdout);
    }
    return 0;
}
