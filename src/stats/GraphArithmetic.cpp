#include "stats/GraphArithmetic.h"

#include <algorithm>

int LabelStep(int start) {
    int step = start;
    while (step > 1 && step % 5 != 0) --step;
    return step == 0 ? 1 : step;
}

std::vector<int> LabelledValues(int first, int last, int step) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v)
        if (v % step == 0) values.push_back(v);
    return values;
}

double CellSize(int room, int count, int largest) {
    if (count <= 0) return 0;
    const int whole = room / count;
    if (whole >= 1) return std::min(whole, largest);
    return room > 0 ? static_cast<double>(room) / count : 0;
}
