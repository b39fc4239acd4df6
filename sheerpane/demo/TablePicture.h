#pragma once
// The picture the demo's form shows: a card table seen from above, with
// chips and the two cards dealt, drawn to any size.

#include <utility>

#include "sheerpane/demo/CardDealer.h"

class QPainter;
class QRect;

namespace sheerpanedemo {

void paintTablePicture(QPainter& painter, const QRect& area, const std::pair<Card, Card>& cards);

} // namespace sheerpanedemo
