// The tiles of the main window in the order that its chosen option asks for,
// for the drivers that play the exercise right.
#pragma once

#include "exercise/form1.h"
#include "exercise/score.h"

#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <numeric>

inline std::array<int, 8> rightOrder(Form1* form)
{
    std::array<int, 8> order;
    std::iota(order.begin(), order.end(), 0);
    const bool ascending = form->Option1->isChecked();
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const double va = CaptionValue(form->Label1[a]->text());
        const double vb = CaptionValue(form->Label1[b]->text());
        return ascending ? va < vb : va > vb;
    });
    return order;
}
