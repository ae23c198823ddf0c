#include "model/MemoryStore.h"

namespace dorv {

int WrapChannel(int channel, int delta)
{
    return ((channel + delta) % kMemoryCount + kMemoryCount) % kMemoryCount;
}

int NextUsedMemory(const RadioState &s, int from, int direction)
{
    if (direction == 0) {
        return -1;
    }
    const int step = direction > 0 ? 1 : -1;
    int channel = from;
    for (int visited = 0; visited < kMemoryCount; ++visited) {
        channel = WrapChannel(channel, step);
        if (s.Memories[channel].inUse()) {
            return channel;
        }
    }
    return -1;
}

void CopyVfosToChannel(const RadioState &s, MemoryChannel &channel)
{
    channel.Split = s.SplitOn;
    channel.Vfo = s.MainVfo;
    channel.Band = s.MainBand;
    if (s.SplitOn) {
        channel.SplitVfo = s.SubVfo;
        channel.SplitBand = s.SubBand;
    }
}

void SaveVFOInfoToMemory(RadioState &s, int MemoryPosition)
{
    if (MemoryPosition < 0 || MemoryPosition >= kMemoryCount) {
        return;
    }
    MemoryChannel &m = s.Memories[MemoryPosition];
    if (!m.inUse()) {
        ++s.MemoryCount;
    }
    CopyVfosToChannel(s, m);
    m.Skip = false;
}

} // namespace dorv
