#pragma once
// One card drawn as the card windows show it: a white rounded card, the rank
// over the suit's sign, hearts and diamonds in red.

#include <QRectF>
#include <QString>

#include "engine/cards/Card.h"

class QPainter;

namespace window::cards {

// `greyed`: a card in use elsewhere, drawn grey with darker ink.
void paintCardFace(QPainter& p, const QRectF& cell, engine::cards::Card card, bool greyed = false);

QString suitSymbol(int suit);
QString rankText(int rank);

} // namespace window::cards
