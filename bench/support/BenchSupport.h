#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace quolan::bench {

// Median wall time of `runs` calls, in milliseconds. `prepare` runs before
// each call and is not timed.
inline double medianMs(int runs, const std::function<void()>& work,
                       const std::function<void()>& prepare = {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Pair {
    double ours;
    double baseline;
};

// Medians of two workloads timed in alternation after one untimed warm-up
// each, so that caches and a busy machine weigh on both alike.
inline Pair sideBySide(int runs, const std::function<void()>& ours,
                       const std::function<void()>& baseline,
                       const std::function<void()>& prepareOurs = {},
                       const std::function<void()>& prepareBaseline = {}) {
    medianMs(1, ours, prepareOurs);
    medianMs(1, baseline, prepareBaseline);
    std::vector<double> a;
    std::vector<double> b;
    for (int i = 0; i < runs; ++i) {
        a.push_back(medianMs(1, ours, prepareOurs));
        b.push_back(medianMs(1, baseline, prepareBaseline));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return {a[a.size() / 2], b[b.size() / 2]};
}

// A forum-like post in Windows-1251: lines of about 80 characters mixing
// Russian and Latin words, tags and smileys, CR LF between lines.
inline std::string forumPost(std::size_t bytes, unsigned seed = 1) {
    static const char* const words[] = {
        "\xcf\xf0\xe8\xe2\xe5\xf2",                 // Привет
        "\xec\xe8\xf0",                             // мир
        "\xe3\xe5\xf0\xee\xe9",                     // герой
        "\xf3\xe4\xe0\xf0",                         // удар
        "\xec\xe5\xf7",                             // меч
        "\xe7\xe0\xea\xeb\xe8\xed\xe0\xed\xe8\xe5", // заклинание
        "the",
        "knight",
        "raises",
        "his",
        "sword",
        "[b]attack[/b]",
        ":cool:",
        "[i]quietly[/i]",
        "Brennow",
        "[url=http://example.org]link[/url]",
        "and",
        "of",
    };
    std::mt19937 random(seed);
    std::string out;
    out.reserve(bytes + 100);
    std::size_t line = 0;
    while (out.size() < bytes) {
        const std::string word = words[random() % std::size(words)];
        if (line + word.size() > 80) {
            out += "\r\n";
            line = 0;
        } else if (line > 0) {
            out += ' ';
            ++line;
        }
        out += word;
        line += word.size();
    }
    out.resize(bytes);
    if (!out.empty() && out.back() == '\r')
        out.back() = '.';
    return out;
}

inline void printRow(const char* what, Pair pair, double target);

inline void printRow(const char* what, double ours, double baseline, double target) {
    const double ratio = baseline > 0 ? ours / baseline : 0;
    std::printf("%-58s %10.3f ms %10.3f ms %7.2fx  (target <= %.1fx)%s\n", what, ours, baseline,
                ratio, target, ratio <= target ? "" : "  MISSED");
}

inline void printRow(const char* what, Pair pair, double target) {
    printRow(what, pair.ours, pair.baseline, target);
}

} // namespace quolan::bench
