#include "stats/GraphArithmetic.h"

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
