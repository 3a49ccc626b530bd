// Reads every one of the 16,777,216 colours back from its oklch() text: OklchText(color) read
// by ParseCssColor must give the colour itself. Prints the colours that do not, the count and
// the time taken; the exit status is 0 when all read back. Takes tens of seconds, so it runs
// by hand rather than with the tests:
//
//   build/bench/check_oklch_roundtrip

#include "colour/CssColor.h"
#include "colour/OkLab.h"

#include <chrono>
#include <cstdint>
#include <cstdio>

int main() {
    const auto start = std::chrono::steady_clock::now();
    int64_t failures = 0;
    for (int32_t color = 0; color <= 0xFFFFFF; ++color) {
        const QString text = OklchText(color);
        const std::optional<int32_t> read = ParseCssColor(text, 0);
        if (read != color) {
            if (++failures <= 20) {
                const int32_t back = read.value_or(0);
                std::printf("#%02X%02X%02X %s -> #%02X%02X%02X%s\n", color & 0xFF,
                            color >> 8 & 0xFF, color >> 16, qPrintable(text), back & 0xFF,
                            back >> 8 & 0xFF, back >> 16, read ? "" : " (refused)");
            }
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%lld of 16777216 colours do not read back; %.1f s\n",
                static_cast<long long>(failures), took.count());
    return failures == 0 ? 0 : 1;
}
