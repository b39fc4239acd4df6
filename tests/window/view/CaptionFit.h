#pragma once
// Every caption shown under a widget fits its control in the font it has,
// and the text boxes are tall enough for theirs.

class QWidget;

namespace viewtest {

void expectCaptionsFit(const QWidget& root);

} // namespace viewtest
