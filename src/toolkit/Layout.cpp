#include "Layout.h"

FlowItem TextItem(const Control& control, int left, int right, int gap, bool follows)
{
    const SIZE size = control.TextSize(right - left);
    return {int(size.cx), int(size.cy), gap, follows, left};
}

void PlaceControls(const std::vector<Control*>& controls, const std::vector<FlowItem>& items, const Flow& flow)
{
    for (size_t i = 0; i < controls.size() && i < items.size(); ++i)
        if (controls[i])
            controls[i]->SetBounds(flow.Places[i].X, flow.Places[i].Y, items[i].Width, items[i].Height);
}
