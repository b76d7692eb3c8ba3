// composeTags against its floor: the same finished lines, each appended once
// into a QString reserved to the block's exact length. Every iteration times
// both, one after the other and in turns, so the noise of the machine falls
// on both alike; the ratio is what to read.
#include "compose/tagcomposer.h"

#include <benchmark/benchmark.h>

#include <QStringList>

#include <chrono>
#include <memory>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

// The main window's initial entries, the e-mail field empty.
TagRequest initialEntries()
{
    TagRequest r;
    r.title = QStringLiteral("Mon titre");
    r.author = QStringLiteral("Mon nom");
    r.description = QStringLiteral("Ma description");
    r.keywords = QStringLiteral("Mes mots clefs");
    r.language = QStringLiteral("Francais");
    r.rating = QStringLiteral("Tout public");
    r.robots = QStringLiteral("Oui");
    r.revisit = QStringLiteral("Semaine");
    return r;
}

// The initial entries with a description of the given length: letters
// only, or with a double quote every 97 characters.
TagRequest sizedRequest(qsizetype length, bool quotes)
{
    TagRequest r = initialEntries();
    QString description(length, Qt::Uninitialized);
    QChar *out = description.data();
    for (qsizetype i = 0; i < length; ++i)
        out[i] = quotes && i % 97 == 96 ? QChar(u'"') : QChar(char16_t(u'a' + i % 26));
    r.description = std::move(description);
    return r;
}

QString escaped(QString text)
{
    return text.replace(u'"', QLatin1String("&quot;"));
}

struct Fixture
{
    TagRequest request;
    TagTemplates templates;
    QStringList lines; // the finished lines, without their line breaks
    qsizetype length = 0; // of the whole block
};

// The lines of a request shaped like the initial entries: French, no rating
// line, robots allowed, weekly revisits, no options.
Fixture makeFixture(TagRequest request)
{
    Fixture f{std::move(request), TagTemplates(), {}, 0};
    const TagRequest &r = f.request;
    const TagTemplates &t = f.templates;
    f.lines = {
        OpeningComment.toString(),
        t.Text7 + escaped(r.title) + t.Text8,
        t.Text9 + escaped(r.author) + t.Text8,
        t.Text13 + QStringLiteral("Fr") + t.Text8,
        t.Text10 + escaped(r.replyTo) + t.Text8,
        t.Text11 + escaped(r.description) + t.Text8,
        t.Text12 + escaped(r.keywords) + t.Text8,
        t.Text16,
        t.Text17,
        ClosingComment.toString(),
    };
    for (const QString &line : std::as_const(f.lines))
        f.length += LineBreak.size() + line.size();
    return f;
}

QString appendLines(const QStringList &lines, qsizetype length)
{
    QString block;
    block.reserve(length);
    for (const QString &line : lines) {
        block += LineBreak;
        block += line;
    }
    return block;
}

// Times `batch` calls of each, in turns, and reports the time of one
// composeTags call; the floor's time of one call, in microseconds, and the
// ratio are counters, so the table shows them side by side.
void measure(benchmark::State &state, const Fixture &f, int batch)
{
    if (composeTags(f.request, f.templates) != appendLines(f.lines, f.length)) {
        state.SkipWithError("composeTags and its floor give different blocks");
        return;
    }
    const auto timed = [batch](auto &&make) {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < batch; ++i) {
            QString block = make();
            benchmark::DoNotOptimize(block);
        }
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    const auto compose = [&f] { return composeTags(f.request, f.templates); };
    const auto copy = [&f] { return appendLines(f.lines, f.length); };

    double composing = 0;
    double copying = 0;
    bool composeFirst = true;
    for (auto _ : state) {
        double c = 0;
        double l = 0;
        if (composeFirst) {
            c = timed(compose);
            l = timed(copy);
        } else {
            l = timed(copy);
            c = timed(compose);
        }
        composeFirst = !composeFirst;
        composing += c;
        copying += l;
        state.SetIterationTime(c / batch);
    }
    state.counters["floor_us"] =
        benchmark::Counter(copying / batch * 1e6, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = composing / copying;
}

void initial(benchmark::State &state)
{
    static const Fixture fixture = makeFixture(initialEntries());
    // A block of 480 characters is too quick to time one at a time.
    measure(state, fixture, 256);
}

void sized(benchmark::State &state, bool quotes)
{
    // One large request at a time: the families run their sizes in order.
    static std::unique_ptr<Fixture> fixture;
    static std::pair<qsizetype, bool> key;
    const qsizetype length = state.range(0);
    if (!fixture || key != std::pair{length, quotes}) {
        fixture.reset();
        fixture = std::make_unique<Fixture>(makeFixture(sizedRequest(length, quotes)));
        key = {length, quotes};
    }
    measure(state, *fixture, 1);
    state.SetComplexityN(length);
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::RegisterBenchmark("compose/initial", initial)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(2000);
    for (const bool quotes : {false, true}) {
        benchmark::RegisterBenchmark(quotes ? "compose/quoted" : "compose/plain", sized, quotes)
            ->Arg(64 << 10)
            ->Arg(1 << 20)
            ->Arg(16 << 20)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond)
            ->Complexity(benchmark::oN);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
