// DrawText: measuring, breaking and drawing lines of text.

#include <algorithm>
#include <vector>

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "platform/draw/Gdi.h"

namespace platform::draw {

namespace {

struct Line {
    QString text;
    int mnemonic = -1; // index of the underlined character, or -1
};

// Removes mnemonic marks: "&x" underlines x, "&&" is "&".
Line stripPrefixes(const QString& text)
{
    Line line;
    line.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&')
                line.mnemonic = static_cast<int>(line.text.size());
        } else if (text[i] == u'&') {
            continue; // a lone trailing mark shows nothing
        }
        line.text += text[i];
    }
    return line;
}

// Splits into paragraphs at CR LF, LF or CR.
std::vector<QString> paragraphs(const QString& text)
{
    std::vector<QString> out{QString()};
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out.emplace_back();
        } else {
            out.back() += text[i];
        }
    }
    return out;
}

// Breaks a paragraph between words so that each line fits width where it
// can; a word wider than the width keeps a line of its own.
void breakWords(const QString& paragraph, const QFontMetrics& metrics, int width, std::vector<QString>& lines)
{
    const QStringList words = paragraph.split(u' ');
    QString current;
    bool started = false;
    for (const QString& word : words) {
        const QString candidate = started ? current + u' ' + word : word;
        if (started && metrics.horizontalAdvance(candidate) > width && !current.isEmpty()) {
            lines.push_back(current);
            current = word;
        } else {
            current = candidate;
        }
        started = true;
    }
    while (current.endsWith(u' '))
        current.chop(1);
    lines.push_back(current);
}

} // namespace

int DrawText(DeviceContext& dc, std::string_view text, Rect& rc, unsigned format)
{
    QFont font = dc.font();
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();

    QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    int mnemonic = -1;
    if (!(format & DT_NOPREFIX)) {
        Line stripped = stripPrefixes(all);
        all = stripped.text;
        mnemonic = stripped.mnemonic;
    }

    // Lines, with where each starts in the whole text (for the mnemonic).
    std::vector<QString> lines;
    if (format & DT_SINGLELINE) {
        QString single = all;
        single.remove(u'\r');
        single.remove(u'\n');
        lines.push_back(single);
    } else {
        for (const QString& paragraph : paragraphs(all)) {
            if (format & DT_WORDBREAK)
                breakWords(paragraph, metrics, rc.right - rc.left, lines);
            else
                lines.push_back(paragraph);
        }
    }

    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int textHeight = static_cast<int>(lines.size()) * lineHeight;

    if (format & DT_CALCRECT) {
        rc.right = rc.left + widest;
        rc.bottom = rc.top + textHeight;
        return textHeight;
    }
    if (!dc.bitmap() || dc.bitmap()->isNull())
        return 0;

    QPainter painter(dc.bitmap().get());
    dc.preparePainter(painter);
    if (!(format & DT_NOCLIP))
        painter.setClipRect(QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top), Qt::IntersectClip);
    painter.setFont(font);
    const QColor textColour = toQColor(dc.textColour());
    painter.setPen(textColour);

    int y = rc.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = rc.top + (rc.bottom - rc.top - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            y = rc.bottom - lineHeight;
    }
    // The mnemonic is underlined where the text is drawn on one line.
    if (lines.size() != 1)
        mnemonic = -1;
    for (const QString& line : lines) {
        const int width = metrics.horizontalAdvance(line);
        int x = rc.left;
        if (format & DT_RIGHT)
            x = rc.right - width;
        else if (format & DT_CENTER)
            x = rc.left + (rc.right - rc.left - width) / 2;
        if (dc.backgroundMode() == OPAQUE)
            painter.fillRect(QRect(x, y, width, lineHeight), toQColor(dc.backgroundColour()));
        painter.drawText(QPoint(x, y + metrics.ascent()), line);

        const int index = mnemonic;
        if (index >= 0 && index < line.size()) {
            const int left = x + metrics.horizontalAdvance(line.left(index));
            const int charWidth = metrics.horizontalAdvance(line.at(index));
            const int underlineY = y + metrics.ascent() + std::max(1, metrics.underlinePos());
            painter.fillRect(QRect(left, underlineY, charWidth, std::max(1, metrics.lineWidth())), textColour);
        }
        y += lineHeight;
    }
    return textHeight;
}

} // namespace platform::draw
