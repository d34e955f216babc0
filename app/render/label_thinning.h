#pragma once

#include <QRectF>
#include <vector>

namespace norvika {

/// Which labels of a picture give way where they would overprint each other. `places` holds
/// each text's place in the picture and `ranks` its rank (0: a text always drawn, which takes
/// no part). Labels are taken by rank, then in drawing order, and one whose place (with a
/// small gap either side) meets a label already kept is left out; so a label of the lowest
/// rank is always kept. True for each text left out.
std::vector<bool> labelsLeftOut(const std::vector<QRectF>& places, const std::vector<int>& ranks);

}  // namespace norvika
