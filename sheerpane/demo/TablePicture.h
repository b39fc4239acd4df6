#pragma once
// The picture the demo's form shows: a card table seen from above, with
// chips and two cards, drawn to any size.

class QPainter;
class QRect;

namespace sheerpanedemo {

void paintTablePicture(QPainter& painter, const QRect& area);

} // namespace sheerpanedemo
