// SPDX-License-Identifier: MIT
// The order screen readers walk a window's controls in: its children's
// z-order, kept in reading order wherever that changes nothing drawn.
#include <algorithm>
#include <vector>

#include "Accessible.h"
#include "Native.h"

namespace forms::win {

void OrderForReading(HWND container) {
    struct Item {
        HWND hwnd;
        RECT box;
        bool button;
        unsigned front;
    };
    // The controls in their order now, then as the design draws them, the
    // front one first.
    std::vector<HWND> now;
    std::vector<Item> drawn;
    for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (const NativeWidget* native = NativeWidget::Of(child); native && native->control) {
            RECT box;
            GetWindowRect(child, &box);
            now.push_back(child);
            drawn.push_back(
                {child, box, native->kind == NativeWidget::Kind::Button, native->front});
        }
    std::stable_sort(drawn.begin(), drawn.end(),
                     [](const Item& a, const Item& b) { return a.front > b.front; });
    std::vector<std::size_t> reading(drawn.size());
    for (std::size_t i = 0; i < reading.size(); ++i)
        reading[i] = i;
    std::stable_sort(reading.begin(), reading.end(), [&drawn](std::size_t a, std::size_t b) {
        const Item &x = drawn[a], &y = drawn[b];
        if (x.button != y.button)
            return !x.button;
        if (x.button)
            return x.box.right != y.box.right ? x.box.right > y.box.right : x.box.top < y.box.top;
        return x.box.top != y.box.top ? x.box.top < y.box.top : x.box.right > y.box.right;
    });
    // The first in reading order whose overlapping controls drawn in front of it are placed.
    std::vector<HWND> order;
    std::vector<bool> placed(drawn.size(), false);
    while (order.size() < drawn.size())
        for (std::size_t i : reading) {
            if (placed[i])
                continue;
            bool free = true;
            for (std::size_t front = 0; front < i && free; ++front) {
                RECT common;
                free = placed[front] || !IntersectRect(&common, &drawn[front].box, &drawn[i].box);
            }
            if (!free)
                continue;
            placed[i] = true;
            order.push_back(drawn[i].hwnd);
            break;
        }
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i] != now[i]) {
            // From here on, each behind the one before it.
            for (std::size_t j = i; j < order.size(); ++j)
                SetWindowPos(order[j], j ? order[j - 1] : HWND_TOP, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
            return;
        }
}

} // namespace forms::win
