#pragma once

#include <algorithm>
#include <vector>

// Median of a sample; the sample is reordered.
inline double median(std::vector<double> sample)
{
    if (sample.empty())
        return 0.0;
    const auto middle = sample.begin() + static_cast<std::ptrdiff_t>(sample.size() / 2);
    std::nth_element(sample.begin(), middle, sample.end());
    if (sample.size() % 2 == 1)
        return *middle;
    return (*middle + *std::max_element(sample.begin(), middle)) / 2.0;
}
