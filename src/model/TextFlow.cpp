#include "TextFlow.h"

#include <algorithm>
#include <cstdint>

namespace {
struct Line {
    int Gap, Height, Top;
};
} // namespace

Flow LayOutFlow(const std::vector<FlowItem>& items, int top, int right, int bottom, int keptPercent)
{
    // Which line each item is on (kept in its Y until the lines have their
    // tops), and its x there.
    std::vector<Line> lines;
    Flow flow;
    for (size_t i = 0; i < items.size(); ++i) {
        const FlowItem& item = items[i];
        const bool beside = i > 0 && item.Follows && flow.Places.back().X + items[i - 1].Width + item.Width <= right;
        if (beside) {
            flow.Places.push_back({flow.Places.back().X + items[i - 1].Width, 0});
            lines.back().Height = std::max(lines.back().Height, item.Height);
        } else {
            // One moved under the text it follows keeps close to it: the two
            // read as one.
            flow.Places.push_back({item.Left, 0});
            lines.push_back({item.Follows ? 0 : std::max(item.Gap, 0), item.Height, 0});
        }
        flow.Places.back().Y = int(lines.size() - 1);
    }

    int64_t gaps = 0, heights = 0;
    for (const Line& line : lines) {
        gaps += line.Gap;
        heights += line.Height;
    }
    const int64_t room = std::max<int64_t>(int64_t(bottom) - top - heights, 0);
    flow.Shrunk = gaps > room;
    const int64_t kept = std::max(room, gaps * std::min(std::max(keptPercent, 0), 100) / 100);
    int64_t y = top;
    for (Line& line : lines) {
        y += flow.Shrunk ? line.Gap * kept / gaps : line.Gap;
        line.Top = int(y);
        y += line.Height;
    }
    for (FlowPlace& place : flow.Places)
        place.Y = lines[size_t(place.Y)].Top;
    flow.Bottom = int(y);
    return flow;
}
