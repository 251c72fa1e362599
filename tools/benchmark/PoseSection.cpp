// What the boy's animation costs a frame: the pose of one boy updated through
// a round of everything he does (walking at three paces, waiting at a board,
// a bump, a hop up the stairs, a cheer, a corner), timed over many frames,
// and the allocations made while it runs (there should be none).
#include <atomic>
#include <cstdlib>
#include <new>

#include <glm/gtc/matrix_transform.hpp>

#include "Sections.h"
#include "scene/BoyAnimation.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

// Every allocation of the benchmark is counted (and made as usual).
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size > 0 ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace brindlemoor::bench {

namespace {

// One second (60 frames) of each thing he does, in turn.
scene::BoyCue cueAt(int frame) {
    scene::BoyCue cue;
    const int second = (frame / 60) % 8;
    const bool first = frame % 60 == 0;
    const float paces[] = {2.5f, 5.0f, 30.0f};
    if (second < 3 || second == 7) {
        cue.walking = true;
        cue.walked = paces[second % 3] / 60.0f;
    }
    if (second == 3) {
        cue.waiting = true;
        cue.board = {1.0f, 4.0f, -12.0f};
    }
    cue.bumped = second == 4 && first;
    cue.hopUp = second == 5 && first;
    cue.cheer = second == 6 && first;
    if (second == 7) {
        cue.walk = scene::BoyCue::Walk::Corner;
        cue.walkSegment = frame % 60 < 30 ? 1 : 3;
        cue.walkProgress = static_cast<float>(frame % 30) / 30.0f;
        cue.turn = 1;
    }
    return cue;
}

}  // namespace

std::vector<Row> poseSection(const Settings& settings) {
    const int frames = 48000;  // a hundred rounds
    std::vector<double> perFrame;
    long allocated = 0;
    for (int run = 0; run < settings.runs; ++run) {
        scene::BoyAnimator boy;
        glm::mat4 placement(1.0f);
        float sum = 0.0f;  // keeps the work from being optimised away
        const long before = allocations.load();
        const double start = nowSeconds();
        for (int frame = 0; frame < frames; ++frame) {
            const scene::BoyCue cue = cueAt(frame);
            placement = glm::translate(placement, glm::vec3(0.0f, 0.0f, -cue.walked));
            if (cue.hopUp) {
                placement = glm::rotate(placement, glm::radians(180.0f), glm::vec3(0.0f, 1.0f, 0.0f));
            }
            boy.update(cue, 1.0f / 60.0f, placement);
            sum += boy.pose().parts[boy::FootLeft][3][1];
        }
        perFrame.push_back((nowSeconds() - start) / frames);
        allocated += allocations.load() - before;
        if (sum < -1e30f) {
            perFrame.back() = 0.0;
        }
    }
    return {{"pose: one boy's animation update per frame, median", median(perFrame) * 1e6, "us", "<= 300"},
            {"  allocations per pose update", static_cast<double>(allocated) / (frames * settings.runs), "", "0"}};
}

}  // namespace brindlemoor::bench
