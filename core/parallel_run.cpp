#include "core/parallel_run.h"

#include "core/flight.h"
#include "core/particle.h"
#include "core/simulation.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Large enough that the threads rarely meet at the barrier, small enough that
// the drawing of the next batch hides behind the flights of this one.
constexpr std::int64_t BatchSize = 8192;

// The energies of one batch, waiting for their flights.
struct Batch {
    std::vector<double> energiesMeV;
    std::atomic<std::size_t> next{0};
};

// Where the threads meet after each batch: the last to arrive runs the step
// between batches while the others wait, then all go on. A mutex and a
// condition variable rather than std::barrier, whose waiters the MinGW
// runtime never wakes.
template <typename Step>
class BatchBarrier {
public:
    BatchBarrier(int threads, Step step) : m_threads(threads), m_step(std::move(step)) {}

    void ArriveAndWait()
    {
        std::unique_lock lock(m_mutex);
        const std::uint64_t phase = m_phase;
        if (++m_arrived < m_threads) {
            m_nextPhase.wait(lock, [&] { return m_phase != phase; });
            return;
        }
        m_step();
        m_arrived = 0;
        ++m_phase;
        m_nextPhase.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_nextPhase;
    int m_threads;
    int m_arrived = 0;
    std::uint64_t m_phase = 0;
    Step m_step;
};

class SharedRun;

// The barrier's step between two batches.
struct BatchDone {
    SharedRun* run;
    void operator()();
};

class SharedRun {
public:
    SharedRun(Simulation& sim, int threads, std::int64_t count, const RunProgress& progress)
        : m_sim(sim),
          m_threads(threads),
          m_remainingToDraw(count),
          m_progress(progress),
          m_flyers(threads, sim),
          m_detected(threads, 0),
          m_barrier(threads, BatchDone{this})
    {
        for (Simulation& flyer : m_flyers) {
            flyer.view = nullptr;
            flyer.run.detectedCount = 0;
        }
        Draw(m_batches[0]);
    }

    void Run()
    {
        // std::thread rather than std::jthread, which the browser build's C++
        // library lacks.
        std::vector<std::thread> helpers;
        for (int t = 1; t < m_threads; ++t)
            helpers.emplace_back([this, t] { Work(t); });
        Work(0);
        for (std::thread& helper : helpers)
            helper.join();
    }

    std::int32_t Detected() const
    {
        std::int64_t sum = 0;
        for (std::int32_t d : m_detected)
            sum += d;
        return static_cast<std::int32_t>(sum);
    }

    // Runs once per batch, on one thread, while the others wait.
    void NextBatch()
    {
        m_flown += static_cast<std::int64_t>(m_batches[m_current].energiesMeV.size());
        if (m_progress)
            m_progress(m_flown);
        m_current = 1 - m_current;
    }

private:
    void Draw(Batch& batch)
    {
        const std::int64_t size = std::min(BatchSize, m_remainingToDraw);
        m_remainingToDraw -= size;
        batch.energiesMeV.resize(static_cast<std::size_t>(size));
        for (double& energy : batch.energiesMeV)
            energy = DrawLaunchEnergy(m_sim);
        batch.next = 0;
    }

    void Work(int thread)
    {
        Simulation& flyer = m_flyers[thread];
        ParticleState particle{};
        while (!m_batches[m_current].energiesMeV.empty()) {
            Batch& flying = m_batches[m_current];
            // The first thread draws the next batch while the others fly this one.
            if (thread == 0)
                Draw(m_batches[1 - m_current]);
            for (std::size_t i = flying.next++; i < flying.energiesMeV.size(); i = flying.next++) {
                particle.Id = 0;
                PlaceAtLaunch(particle, flying.energiesMeV[i]);
                DriveParticle(flyer, particle);
            }
            m_barrier.ArriveAndWait();
        }
        m_detected[thread] = flyer.run.detectedCount;
    }

    Simulation& m_sim;
    int m_threads;
    std::int64_t m_remainingToDraw;
    std::int64_t m_flown = 0;
    const RunProgress& m_progress;
    std::vector<Simulation> m_flyers;
    std::vector<std::int32_t> m_detected;
    Batch m_batches[2];
    int m_current = 0;
    BatchBarrier<BatchDone> m_barrier;
};

void BatchDone::operator()()
{
    run->NextBatch();
}

}

void RunParticlesParallel(Simulation& sim, int threads, const RunProgress& progress)
{
    RunState& run = sim.run;
    if (!run.running || ReachedSetCount(run)) {
        run.running = false;
        return;
    }
    const std::int64_t count = std::max<std::int64_t>(0, std::int64_t{run.setCount} - run.launchedCount);
    SharedRun shared(sim, std::max(1, threads), count, progress);
    shared.Run();
    run.launchedCount += static_cast<std::int32_t>(count);
    run.detectedCount += shared.Detected();
    run.running = false;
}
