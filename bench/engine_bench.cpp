// Speed of the engine's single operations, and of turning every frame of a
// day into drop-frame display text, next to FFmpeg's av_timecode_make_string.
#include "engine/calculator_engine.h"
#include "engine/convert_value.h"
#include "engine/drop_frame.h"
#include "engine/value_codec.h"

#include <benchmark/benchmark.h>

extern "C" {
#include <libavutil/timecode.h>
}

#include <cstdio>
#include <cstring>
#include <string>

using namespace quillet;

namespace {

constexpr std::int64_t kFramesPerDay = 2589408; // 29.97 drop-frame

struct NullDisplay final : DisplaySink {
    void Invalidate() override { benchmark::DoNotOptimize(m_text.data()); }
};

const TimecodeFormat& DropFrame() { return ListedFormat(0); }

void BM_KeyInWithRefresh(benchmark::State& state)
{
    CalculatorEngine engine;
    NullDisplay display;
    engine.AttachDisplay(0, &display);
    char key = '0';
    for (auto _ : state) {
        engine.KeyIn(key);
        key = key == '9' ? '0' : key + 1;
    }
}
BENCHMARK(BM_KeyInWithRefresh);

void BM_ApplyOperatorAdd(benchmark::State& state)
{
    CalculatorEngine engine;
    NullDisplay displays[3];
    for (int i = 0; i < 3; ++i) engine.AttachDisplay(i, &displays[i]);
    engine.KeyIn('1');
    for (auto _ : state) engine.ApplyOperator('=', false), engine.ApplyOperator('+', false);
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_ApplyOperatorAdd);

void BM_ParseDigits(benchmark::State& state)
{
    const TimecodeFormat& format = DropFrame();
    const EntryDigits digits{'1', '2', '3', '4', '5', '6', '2', '8', '\0'};
    for (auto _ : state) benchmark::DoNotOptimize(ParseDigits(format, digits, EntryOptions{}));
}
BENCHMARK(BM_ParseDigits);

void BM_FormatValue(benchmark::State& state)
{
    const TimecodeFormat& format = DropFrame();
    std::int64_t frame = 1234567;
    EntryDigits digits;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatValue(format, frame, digits));
        frame = (frame + 7919) % kFramesPerDay;
    }
}
BENCHMARK(BM_FormatValue);

void BM_FramesToLabelAndBack(benchmark::State& state)
{
    std::int64_t frame = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LabelToFrames(FramesToLabel(frame)));
        frame = (frame + 7919) % kFramesPerDay;
    }
}
BENCHMARK(BM_FramesToLabelAndBack);

// Conversion between list positions; the first pair is Drop Frame to real
// time, the drop-frame label path, the others involve today's frame rates.
void BM_ConvertValue(benchmark::State& state)
{
    const TimecodeFormat& from = ListedFormat(static_cast<int>(state.range(0)));
    const TimecodeFormat& to = ListedFormat(static_cast<int>(state.range(1)));
    state.SetLabel(std::string(from.name) + " -> " + to.name);
    std::int64_t frame = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertValue(from, frame, to));
        frame = (frame + 7919) % kFramesPerDay;
    }
}
BENCHMARK(BM_ConvertValue)
    ->Args({0, 7})   // Drop Frame -> Real-time
    ->Args({16, 7})  // 59.94 DF -> Real-time
    ->Args({11, 6})  // 23.976 -> 30fps frames
    ->Args({15, 18}) // 50 fps -> 60 fps
    ->Args({18, 16}) // 60 fps -> 59.94 DF
    ->Args({11, 7}); // 23.976 -> Real-time

// Whole day, one label per frame: the engine's frame count to display text.
void BM_DayToDropFrameText_Quillet(benchmark::State& state)
{
    const TimecodeFormat& format = DropFrame();
    for (auto _ : state) {
        EntryDigits digits;
        char text[kMaxDigitsTextLength];
        for (std::int64_t frame = 0; frame < kFramesPerDay; ++frame) {
            FormatValue(format, frame, digits);
            benchmark::DoNotOptimize(WriteDigitsText(format, digits, text));
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * kFramesPerDay);
}
BENCHMARK(BM_DayToDropFrameText_Quillet)->Unit(benchmark::kMillisecond);

AVTimecode PeerTimecode()
{
    AVTimecode tc;
    av_timecode_init(&tc, AVRational{30000, 1001}, AV_TIMECODE_FLAG_DROPFRAME, 0, nullptr);
    return tc;
}

void BM_DayToDropFrameText_FFmpeg(benchmark::State& state)
{
    const AVTimecode tc = PeerTimecode();
    char buffer[AV_TIMECODE_STR_SIZE];
    for (auto _ : state) {
        for (int frame = 0; frame < kFramesPerDay; ++frame) {
            av_timecode_make_string(&tc, buffer, frame);
            benchmark::DoNotOptimize(buffer);
        }
    }
    state.SetItemsProcessed(state.iterations() * kFramesPerDay);
}
BENCHMARK(BM_DayToDropFrameText_FFmpeg)->Unit(benchmark::kMillisecond);

std::string DigitsOnly(const char* text)
{
    std::string digits;
    for (; *text != '\0'; ++text)
        if (*text >= '0' && *text <= '9') digits.push_back(*text);
    return digits;
}

// Both must label every frame of the day alike, separators aside, and each
// of the peer's labels must read back as its frame.
// With `count`, each label's frame also goes through that frame count, both ways.
bool PeerAgreesOnEveryLabel(const TimecodeFormat& format, AVRational rate, std::int64_t framesPerDay,
                            const TimecodeFormat* count = nullptr)
{
    AVTimecode tc;
    av_timecode_init(&tc, rate, AV_TIMECODE_FLAG_DROPFRAME, 0, nullptr);
    char buffer[AV_TIMECODE_STR_SIZE];
    const EntryOptions strict{false, false};
    for (int frame = 0; frame < framesPerDay; ++frame) {
        const std::string ours = DigitsOnly(DigitsToText(format, FormatValue(format, frame).digits).c_str());
        const std::string peer = DigitsOnly(av_timecode_make_string(&tc, buffer, frame));
        EntryDigits peerDigits = kZeroDigits;
        std::memcpy(peerDigits.data(), peer.data(), 8);
        const std::optional<std::int32_t> read = ParseDigits(format, peerDigits, strict);
        const bool countAgrees = count == nullptr || (read && ConvertValue(format, *read, *count) == frame &&
                                                      ConvertValue(*count, frame, format) == frame);
        if (ours != peer || read != frame || !countAgrees) {
            std::fprintf(stderr, "%s frame %d: ours %s, peer %s\n", format.name, frame, ours.c_str(), peer.c_str());
            return false;
        }
    }
    std::printf("All %lld %s labels of a day agree with av_timecode_make_string, both ways%s%s.\n",
                static_cast<long long>(framesPerDay), format.name, count != nullptr ? ", through " : "",
                count != nullptr ? count->name : "");
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const bool verifyOnly = argc > 1 && std::strcmp(argv[1], "--verify-only") == 0;
    if (!PeerAgreesOnEveryLabel(DropFrame(), AVRational{30000, 1001}, kFramesPerDay)) return 1;
    // 59.94 DF, through its frame count.
    if (!PeerAgreesOnEveryLabel(ListedFormat(16), AVRational{60000, 1001}, 2 * kFramesPerDay, &ListedFormat(21))) return 1;
    if (verifyOnly) return 0;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
