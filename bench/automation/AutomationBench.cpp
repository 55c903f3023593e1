// The automation interface from a client over a private session bus:
// 10,000 SetQuestSign calls and one CountResult on a game of 1000 teams and
// 48 questions, the round trip of GetTeamAtPlace, and the full run of
// 100,000 random calls after which the game must keep every invariant.
#include "automation/BusSession.h"
#include "automation/RandomCalls.h"

#include <benchmark/benchmark.h>

#include <QDBusPendingCall>

#include <memory>
#include <vector>

namespace {

constexpr int kTeams = 1000;
constexpr int kQuestions = 48;
constexpr int kSigns = 10000;

// One program for every benchmark: starting it is not what is measured.
std::unique_ptr<BusSession> gSession;

BusSession* Session() {
    if (!gSession) {
        gSession = std::make_unique<BusSession>();
        BusSession* bus = gSession.get();
        if (bus->Failure().isEmpty() && bus->StartProgram()) {
            bus->Call(QStringLiteral("NewGame"), {QStringLiteral("Замер"), kQuestions, QStringLiteral("01.02.26"),
                                                  QString()});
            for (int i = 1; i <= kTeams; ++i)
                bus->Call(QStringLiteral("AddTeam"),
                          {QStringLiteral("Команда %1").arg(i), QStringLiteral("Город"), QString(), QString()});
        }
    }
    return gSession.get();
}

bool Ready(benchmark::State& state) {
    if (Session()->ProgramRunning()) return true;
    state.SkipWithError(("no program on a private bus: " + Session()->Failure()).toStdString().c_str());
    return false;
}

QVariantList SignArguments(int call) { return {1 + call % kTeams, 1 + (call / kTeams) % kQuestions, call % 3 != 0}; }

// A client that waits for each reply before its next call.
void BM_SetQuestSignThenCount(benchmark::State& state) {
    if (!Ready(state)) return;
    int call = 0;
    for (auto _ : state) {
        for (int i = 0; i < kSigns; ++i, ++call)
            Session()->Call(QStringLiteral("SetQuestSign"), SignArguments(call));
        Session()->Call(QStringLiteral("CountResult"));
    }
    state.counters["calls/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * (kSigns + 1), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SetQuestSignThenCount)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// A client that sends its calls without waiting for each reply: the bus
// keeps their order, so the count still comes after every answer.
void BM_SetQuestSignPipelinedThenCount(benchmark::State& state) {
    if (!Ready(state)) return;
    QDBusConnection& bus = Session()->Connection();
    int call = 0;
    for (auto _ : state) {
        std::vector<QDBusPendingCall> pending;
        pending.reserve(kSigns);
        for (int i = 0; i < kSigns; ++i, ++call) {
            QDBusMessage message = QDBusMessage::createMethodCall(BusSession::kService, BusSession::kPath,
                                                                  BusSession::kInterface, QStringLiteral("SetQuestSign"));
            message.setArguments(SignArguments(call));
            pending.push_back(bus.asyncCall(message));
        }
        Session()->Call(QStringLiteral("CountResult"));
        for (QDBusPendingCall& reply : pending) reply.waitForFinished();
    }
    state.counters["calls/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * (kSigns + 1), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SetQuestSignPipelinedThenCount)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_GetTeamAtPlace(benchmark::State& state) {
    if (!Ready(state)) return;
    int place = 0;
    for (auto _ : state) {
        const QDBusMessage reply = Session()->Call(QStringLiteral("GetTeamAtPlace"), {1 + place++ % kTeams});
        benchmark::DoNotOptimize(reply);
    }
}
BENCHMARK(BM_GetTeamAtPlace)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();

// Arguments as a failure names them; long texts by their length.
QString Described(const QVariantList& arguments) {
    QStringList texts;
    for (const QVariant& argument : arguments) {
        const QString text = argument.toString();
        texts.append(text.size() > 40 ? QStringLiteral("<%1 characters>").arg(text.size()) : text);
    }
    return texts.join(QStringLiteral(", "));
}

constexpr int kCheckEvery = 1000;

std::string Failure(const QString& previous, int number, const RandomCalls::Call& call, const QDBusMessage& reply) {
    return QStringLiteral("after %1, call %2, %3(%4): %5 %6; the program %7")
        .arg(previous)
        .arg(number)
        .arg(call.method, Described(call.arguments), reply.errorName(), reply.errorMessage(),
             Session()->ProgramRunning() ? QStringLiteral("runs") : QStringLiteral("has ended"))
        .toStdString();
}

bool InvariantsKept(benchmark::State& state, int calls) {
    const BusSession::Told told = Session()->TakeTold();
    if (told.invariants == QStringLiteral("invariants ok")) return true;
    state.SkipWithError(QStringLiteral("after %1 calls: %2").arg(calls).arg(told.invariants).toStdString().c_str());
    return false;
}

// Runs last: it leaves a game of its own making.
void BM_RandomCalls(benchmark::State& state) {
    if (!Ready(state)) return;
    if (!Session()->Script("printer " + Session()->File("printout.pdf").toUtf8(), "printer")) {
        state.SkipWithError("the program's script input does not answer");
        return;
    }
    RandomCalls calls(QString::fromStdString(Session()->Folder().Path().string()), 2026);
    for (auto _ : state) {
        QString previous;
        for (int i = 0; i < state.range(0); ++i) {
            const RandomCalls::Call call = calls.Next();
            const QDBusMessage reply = Session()->Call(call.method, call.arguments);
            if (!AcceptableReply(reply)) {
                state.SkipWithError(Failure(previous, i + 1, call, reply).c_str());
                return;
            }
            previous = call.method + '(' + Described(call.arguments) + ')';
            // Reading what the program told keeps its output pipe from filling up.
            if ((i + 1) % kCheckEvery == 0 && !InvariantsKept(state, i + 1)) return;
        }
    }
    if (!InvariantsKept(state, state.range(0))) return;
    state.counters["calls/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomCalls)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

// The bus and the program end with the run.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gSession.reset();
    return 0;
}
