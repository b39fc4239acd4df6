#include "platform/qt/QtMessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <algorithm>

namespace platform {

namespace {

QMessageBox::Icon iconOf(unsigned style)
{
    switch (style & 0x70u) {
    case MbCritical: return QMessageBox::Critical;
    case MbQuestion: return QMessageBox::Question;
    case MbExclamation: return QMessageBox::Warning;
    case MbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(unsigned style)
{
    switch (style & 0x0Fu) {
    case MbOkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MbYesNo: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

int resultOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return MbResultCancel;
    case QMessageBox::Yes: return MbResultYes;
    case QMessageBox::No: return MbResultNo;
    default: return MbResultOk;
    }
}

} // namespace

int titleBarWidth(const QString& title)
{
    // Desktops draw titles in a face of their own, often bold and larger than
    // Qt's idea of it, and put an icon and three buttons about as wide as
    // the bar is high beside it.
    QFont face = QApplication::font("QMdiSubWindowTitleBar");
    face.setBold(true);
    const QFontMetrics metrics(face);
    const int bar = 2 * metrics.height();
    return metrics.horizontalAdvance(title) * 5 / 4 + 5 * bar;
}

std::unique_ptr<QMessageBox> makeMessageBox(const std::string& prompt, unsigned style, const std::string& title,
                                            const std::string& reason, QWidget* parent)
{
    // Texts break lines with CR LF; a label wants LF.
    auto plain = [](const std::string& text) {
        QString s = QString::fromStdString(text);
        s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        return s;
    };
    auto box = std::make_unique<QMessageBox>(iconOf(style), QString::fromStdString(title), plain(prompt),
                                             buttonsOf(style), parent);
    box->setTextFormat(Qt::PlainText);
    if (!reason.empty())
        box->setInformativeText(plain(reason));
    // The box sizes itself to its layout's minimum width when shown: a row of
    // the title's width keeps the title whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        grid->addItem(new QSpacerItem(titleBarWidth(box->windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, std::max(1, grid->columnCount()));
    }
    return box;
}

int QtMessageBox::show(const std::string& prompt, unsigned style, const std::string& title)
{
    return showWithReason(prompt, style, title, {});
}

int QtMessageBox::showWithReason(const std::string& prompt, unsigned style, const std::string& title,
                                 const std::string& reason)
{
    const auto box = makeMessageBox(prompt, style, title, reason, QApplication::activeWindow());
    const int button = box->exec();
    // Closing the box by its title bar or Escape answers with its escape
    // button, or OK when it has only that.
    return resultOf(button);
}

} // namespace platform
