#include "audio/SourcePool.h"

#include <utility>

namespace brindlemoor::audio {

namespace {

ALint stateOf(ALuint source) {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

}  // namespace

SourcePool::SourcePool(std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        Source source = createSource();
        if (!source) break;
        sources_.push_back(std::move(source));
    }
    startedAt_.assign(sources_.size(), 0);
}

ALuint SourcePool::acquire() {
    if (sources_.empty()) return 0;
    std::size_t pick = 0;
    bool idle = false;
    for (std::size_t i = 0; i < sources_.size() && !idle; ++i) {
        const ALint state = stateOf(sources_[i].name());
        if (state == AL_INITIAL || state == AL_STOPPED) {
            pick = i;
            idle = true;
        } else if (startedAt_[i] < startedAt_[pick]) {
            pick = i;
        }
    }
    const ALuint name = sources_[pick].name();
    // A buffer can only be swapped on a stopped source.
    if (!idle) alSourceStop(name);
    startedAt_[pick] = ++clock_;
    return name;
}

void SourcePool::pauseAll() {
    for (const Source& source : sources_)
        if (stateOf(source.name()) == AL_PLAYING) alSourcePause(source.name());
}

void SourcePool::resumeAll() {
    for (const Source& source : sources_)
        if (stateOf(source.name()) == AL_PAUSED) alSourcePlay(source.name());
}

}  // namespace brindlemoor::audio
