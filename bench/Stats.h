// Summaries of repeated measurements and the plain rows the benchmarks print:
// figure, median, min, max, ratio, and a free note.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

struct Summary {
    std::size_t n = 0;
    double median = NAN, min = NAN, max = NAN, mean = NAN, sd = NAN;
};

inline Summary Summarize(std::vector<double> values) {
    Summary s;
    s.n = values.size();
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    s.median = values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
    s.min = values.front();
    s.max = values.back();
    s.mean = std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
    double squares = 0;
    for (double v : values)
        squares += (v - s.mean) * (v - s.mean);
    // The sample deviation: the runs are a sample of what the program does.
    s.sd = values.size() > 1 ? std::sqrt(squares / double(values.size() - 1)) : 0.0;
    return s;
}

inline std::string Fixed(double v, int decimals) {
    if (std::isnan(v)) return "-";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

inline void PrintHeader() {
    std::printf("%-44s %10s %10s %10s %7s  %s\n", "figure", "median", "min", "max", "ratio",
                "note");
}

// The ratio column is left empty (NAN) where a figure has no counterpart.
inline void PrintRow(const std::string& figure, const Summary& s, int decimals, double ratio = NAN,
                     const std::string& note = {}) {
    std::printf("%-44s %10s %10s %10s %7s  %s\n", figure.c_str(), Fixed(s.median, decimals).c_str(),
                Fixed(s.min, decimals).c_str(), Fixed(s.max, decimals).c_str(),
                Fixed(ratio, 2).c_str(), note.c_str());
    std::fflush(stdout);
}

// The ratio of two medians; NAN when the floor is zero.
inline double RatioOf(const Summary& subject, const Summary& floor) {
    return floor.median > 0 ? subject.median / floor.median : NAN;
}
