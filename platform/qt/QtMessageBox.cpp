#include "platform/qt/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

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

int QtMessageBox::show(const std::string& prompt, unsigned style, const std::string& title)
{
    // Texts break lines with CR LF; a label wants LF.
    QString text = QString::fromStdString(prompt);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(iconOf(style), QString::fromStdString(title), text, buttonsOf(style),
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    const int button = box.exec();
    // Closing the box by its title bar or Escape answers with its escape
    // button, or OK when it has only that.
    return resultOf(button);
}

} // namespace platform
