// Benchmarks of the window-free logic: colour conversions, contrast, colour-vision simulation,
// page texts, colour formats, field texts and the font-name sort.

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

#include "colour/ColorConverter.h"
#include "colour/ColorFormats.h"
#include "colour/ColorVision.h"
#include "colour/Contrast.h"
#include "page/PageCode.h"
#include "picker/FieldText.h"
#include "picker/General.h"

static void BM_HSBToRGB(benchmark::State& state) {
    ColorConverter c;
    int32_t hsb = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.HSBToRGB(hsb));
        hsb = (hsb + 0x010305) & 0x1FF6464;
    }
}
BENCHMARK(BM_HSBToRGB);

static void BM_RGBToHSB(benchmark::State& state) {
    ColorConverter c;
    int32_t rgb = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.RGBToHSB(rgb));
        rgb = (rgb + 0x0A0B0D) & 0xFFFFFF;
    }
}
BENCHMARK(BM_RGBToHSB);

static void BM_ContrastRatio(benchmark::State& state) {
    int32_t rgb = 0x1180FF;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ContrastRatio(rgb, 0xFFFFFF));
        rgb = (rgb + 0x0A0B0D) & 0xFFFFFF;
    }
}
BENCHMARK(BM_ContrastRatio);

// Worst case: 000080 on 747474 tries every brightness, then saturation down to 1.
static void BM_NearestPassingColor(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(NearestPassingColor(0x800000, 0x747474));
    }
}
BENCHMARK(BM_NearestPassingColor);

static void BM_SimulateColorVision(benchmark::State& state) {
    const ColorVision vision = static_cast<ColorVision>(state.range(0));
    int32_t rgb = 0x1180FF;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SimulateColorVision(rgb, vision));
        rgb = (rgb + 0x0A0B0D) & 0xFFFFFF;
    }
}
BENCHMARK(BM_SimulateColorVision)
    ->Arg(static_cast<int>(ColorVision::Deuteranopia))
    ->Arg(static_cast<int>(ColorVision::Achromatopsia));

static void BM_CssSchemeBlock(benchmark::State& state) {
    const PageColors colors{QStringLiteral("#ff8011"), QStringLiteral("3A7BC4"),
                            QStringLiteral("abc"), QStringLiteral("800080"),
                            QStringLiteral("FF0000")};
    for (auto _ : state) {
        benchmark::DoNotOptimize(CssSchemeBlock(colors));
    }
}
BENCHMARK(BM_CssSchemeBlock);

static void BM_PageTexts(benchmark::State& state) {
    PageColors colors{QStringLiteral("000000"), QStringLiteral("FFFFFF"), QStringLiteral("FF0000"),
                      QStringLiteral("00FF00"), QStringLiteral("0000FF")};
    for (auto _ : state) {
        benchmark::DoNotOptimize(DefaultHtmlPage(colors));
        benchmark::DoNotOptimize(CssHtmlPage(colors));
    }
}
BENCHMARK(BM_PageTexts);

static void BM_HexToColor(benchmark::State& state) {
    const QString source = QStringLiteral("#ff8000");
    for (auto _ : state) {
        QString text = source;
        benchmark::DoNotOptimize(HexToColor(text));
    }
}
BENCHMARK(BM_HexToColor);

static void BM_ClampFieldText(benchmark::State& state) {
    const QString texts[] = {QStringLiteral("120"), QStringLiteral("9e9"), QStringLiteral("12.5"),
                             QStringLiteral("&HF"), QStringLiteral("-")};
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ClampFieldText(texts[i], 360, 0));
        i = (i + 1) % std::size(texts);
    }
}
BENCHMARK(BM_ClampFieldText);

static QStringList fontNames(int count) {
    QRandomGenerator random(42);
    QStringList names;
    names.reserve(count);
    const char* stems[] = {"Sans", "Serif", "Mono", "Condensed", "Display", "Script", "Gothic"};
    for (int i = 0; i < count; ++i) {
        QString name = QString::fromLatin1(stems[random.bounded(7)]) + QLatin1Char(' ') +
                       QString::number(random.bounded(100000));
        if (random.bounded(2))
            name = name.toUpper();
        names << name;
    }
    return names;
}

static void BM_SortStrings(benchmark::State& state) {
    const QStringList names = fontNames(int(state.range(0)));
    for (auto _ : state) {
        QStringList copy = names;
        SortStrings(copy);
        benchmark::DoNotOptimize(copy.constData());
    }
}
BENCHMARK(BM_SortStrings)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
